#!/usr/bin/env bash
# Installs into a scratch prefix and checks what a desktop needs: the program and its starter, the
# delivered database, the menu entry (valid) and the icon; then starts it through the starter in a
# new home folder and checks that the company database was put there.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
pid=
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
cmake -DCMAKE_INSTALL_PREFIX="$prefix" -P "$build/cmake_install.cmake" >/dev/null

for f in bin/punchwell bin/punchwell-start share/punchwell/Employee.mdb share/punchwell/workstation-role.sql \
         share/applications/org.punchwell.punchwell.desktop share/icons/hicolor/256x256/apps/punchwell.png; do
  [ -e "$prefix/$f" ] || { echo "missing after install: $f"; exit 1; }
done
[ -x "$prefix/bin/punchwell" ] && [ -x "$prefix/bin/punchwell-start" ] || { echo "not executable"; exit 1; }
desktop-file-validate "$prefix/share/applications/org.punchwell.punchwell.desktop"
file "$prefix/share/icons/hicolor/256x256/apps/punchwell.png" | grep -q "PNG image data, 256 x 256"
[ "$(sqlite3 "$prefix/share/punchwell/Employee.mdb" "SELECT Ename FROM datalist")" = "Manager" ]

# The starter makes the working folder and starts the program there.
export HOME=$scratch/home QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME"
"$prefix/bin/punchwell-start" &
pid=$!
for _ in $(seq 50); do
  [ -s "$HOME/Punchwell/Employee.mdb" ] && break
  sleep 0.1
done
sleep 1
kill -0 "$pid" || { echo "the program did not keep running"; exit 1; }
# The working copy is the delivered database, and the journal its first start made, sealing it.
journal='"Punchwell journal of changes"'
dump() { sqlite3 "$1" .dump | grep -vF "$journal"; }
[ "$(dump "$HOME/Punchwell/Employee.mdb")" = "$(dump "$prefix/share/punchwell/Employee.mdb")" ] || { echo "the working copy differs"; exit 1; }
[ "$(sqlite3 "$HOME/Punchwell/Employee.mdb" "SELECT what FROM $journal WHERE sequence = 1")" = "seal" ] || { echo "no journal sealing the working copy"; exit 1; }
(cd "$HOME/Punchwell" && "$prefix/bin/punchwell" --verify-records) | grep -q "seal " || { echo "the working copy does not verify"; exit 1; }
echo "installed and started: $prefix"
