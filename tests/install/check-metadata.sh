#!/usr/bin/env bash
# Installs into a scratch prefix and checks what desktops and software centres read there: the menu
# entry and the AppStream metadata valid without a warning or a hint, and naming each other; the
# project's version the newest release; every picture in docs/ a screenshot, at its size.
set -euo pipefail
build=$1 source=$2 version=$3 id=org.punchwell.punchwell
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "$*"; exit 1; }
cmake -DCMAKE_INSTALL_PREFIX="$scratch" -P "$build/cmake_install.cmake" >/dev/null
metainfo=$scratch/share/metainfo/$id.metainfo.xml

# appstreamcli passes a file with hints, so any issue line fails here. The tree's check finds the
# menu entry the metainfo launches.
for check in "validate $metainfo" "validate-tree $scratch"; do
  out=$(appstreamcli $check --pedantic --no-net 2>&1) && ! grep -qE '^\s*[A-Z]: ' <<<"$out" || fail "$out"
done
out=$(desktop-file-validate "$scratch/share/applications/$id.desktop" 2>&1) && [ -z "$out" ] || fail "$out"

grep -m 1 '<release ' "$metainfo" | grep -qE "<release version=\"$version\" date=\"[0-9]{4}-[0-9]{2}-[0-9]{2}\">" ||
  fail "the newest release is not $version with its date"
for picture in "$source"/docs/*.png; do
  size=$(file -b "$picture" | sed -n 's/^PNG image data, \([0-9]*\) x \([0-9]*\),.*/width="\1" height="\2"/p')
  grep -qF "$size>https://punchwell.org/docs/${picture##*/}</image>" "$metainfo" ||
    fail "no screenshot ${picture##*/} with $size"
done
echo "valid: $id $version"
