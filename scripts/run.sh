#!/usr/bin/env bash
# Builds Punchwell and starts it in a working folder (the argument, or ~/Punchwell). A folder
# without "Employee.mdb" gets a copy of the delivered company database first, unless its
# "Punchwell.conf" names the company's place (a database on a server).
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
folder=${1:-"$HOME/Punchwell"}

"$top/scripts/setup.sh"

mkdir -p "$folder"
if [ ! -e "$folder/Employee.mdb" ] && [ ! -e "$folder/Punchwell.conf" ]; then
  cp "$top/build/Employee.mdb" "$folder/Employee.mdb"
  echo "Made a new company database: $folder/Employee.mdb"
fi
cd "$folder"
exec "$top/build/src/app/punchwell"
