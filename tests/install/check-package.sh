#!/usr/bin/env bash
# Makes the Debian package as `cpack -G DEB` in the build folder does (into a scratch folder) and
# checks its name, the libraries dpkg-shlibdeps found with the plugins named beside them, and the
# files it installs, owned by root and all under /usr.
set -euo pipefail
build=$1 cpack=$2 version=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "$*"; exit 1; }
log=$("$cpack" -G DEB -B "$scratch" --config "$build/CPackConfig.cmake" 2>&1) || fail "$log"
deb=$scratch/punchwell_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no ${deb##*/} among: $(ls "$scratch")"

info=$(dpkg-deb -I "$deb")
depends=$(dpkg-deb -f "$deb" Depends | tr -d ' ' | tr , '\n')
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6sql6 libqt6printsupport6 libpq5 libsqlite3-0 libmdb3; do
  grep -qE "^$lib\(>=.+\)$" <<<"$depends" || fail "Depends has no $lib (>= ...): $info"
done
for plugin in libqt6sql6-sqlite qt6-qpa-plugins; do
  grep -qx "$plugin" <<<"$depends" || fail "Depends has no $plugin: $info"
done
[ "$(dpkg-deb -f "$deb" Recommends)" = qt6-translations-l10n ] || fail "Recommends is not qt6-translations-l10n: $info"

contents=$(dpkg-deb -c "$deb")
for f in x:bin/punchwell x:bin/punchwell-start share/punchwell/Employee.mdb share/punchwell/workstation-role.sql \
         share/applications/org.punchwell.punchwell.desktop share/metainfo/org.punchwell.punchwell.metainfo.xml \
         share/icons/hicolor/256x256/apps/punchwell.png; do
  mode=-rw-r--r-- && [[ $f == x:* ]] && mode=-rwxr-xr-x
  grep -qE "^$mode root/root .* \./usr/${f#x:}$" <<<"$contents" || fail "no usr/${f#x:} ($mode root) in: $contents"
done
stray=$(awk '$6 != "./" && ($6 !~ "^\\./usr/" || $6 ~ "^\\./usr/local/")' <<<"$contents")
[ -z "$stray" ] || fail "outside /usr or in /usr/local: $stray"
echo "packaged: ${deb##*/}"
