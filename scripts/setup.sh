#!/usr/bin/env bash
# Installs what Punchwell needs on Debian 12 (only the packages that are missing), then configures
# and builds it in build/. Used by run.sh and test.sh; extra Debian packages may be named as
# arguments.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-qpa-plugins libqt6sql6-sqlite libsqlite3-dev sqlite3
  # The translations: lupdate and lrelease, the CMake functions that run them (Debian keeps those
  # in qt6-tools-dev), and Qt's own words in other languages.
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  libpq-dev libssl-dev mdbtools-dev
  libbenchmark-dev fonts-dejavu-core
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  echo "Installing: ${missing[*]}"
  # The PostgreSQL server is there for the tests, which start private servers of their own. Without
  # this, installing it would also make (and start) a cluster for the whole machine on port 5432.
  # postgresql-common reads this folder when it decides whether to make that cluster.
  if printf '%s\n' "${missing[@]}" | grep -qE '^postgresql(-[0-9]+)?$'; then
    $sudo mkdir -p /etc/postgresql-common/createcluster.d
    echo "create_main_cluster = false" | $sudo tee /etc/postgresql-common/createcluster.d/punchwell.conf >/dev/null
  fi
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Each library's files compile as one (a unity build): the Qt headers are read once a library, not
# once a file, which matters on a small machine.
cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=16 >/dev/null
cmake --build "$top/build"
