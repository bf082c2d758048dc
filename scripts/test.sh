#!/usr/bin/env bash
# Builds Punchwell and runs every test on Qt's offscreen platform:
#   1. the fuzz targets (clang's libFuzzer), each for a short fixed time from the seeds in tests/fuzz;
#   2. the whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/),
#      where any report fails the run;
#   3. the whole suite as the program is built for use (build/), ending with CTest's summary.
# The Access-file test checks its files with mdbtools' own programs (mdb-tables, mdb-schema, mdb-export).
# The install tests check the menu entry and the AppStream metadata with desktop-file-validate and
# appstreamcli, and make the Debian package with cpack, whose dependencies dpkg-shlibdeps (dpkg-dev)
# finds.
# The printer test starts and stops a private CUPS of its own; the machine's printers are not touched.
# The PostgreSQL tests likewise start private servers on sockets in /tmp; no cluster of the machine's
# is made, started or used.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"

"$top/scripts/setup.sh" clang libclang-rt-14-dev cups cups-client cups-bsd poppler-utils \
  desktop-file-utils appstream dpkg-dev file postgresql-15 libpq-dev mdbtools

export QT_QPA_PLATFORM=offscreen
fuzz_seconds=${PUNCHWELL_FUZZ_SECONDS:-15}

echo "== Fuzzing, ${fuzz_seconds} s a target"
cmake -S tests/fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz
# The four targets fuzz side by side, each for the same time.
declare -A fuzzing
for target in datetime totals quoting access; do
  corpus=build-fuzz/corpus_$target
  rm -rf "$corpus" && mkdir "$corpus"
  build-fuzz/fuzz_$target -max_total_time="$fuzz_seconds" -print_final_stats=1 \
    "$corpus" "tests/fuzz/seeds/$target" >"build-fuzz/fuzz_$target.log" 2>&1 &
  fuzzing[$target]=$!
done
for target in datetime totals quoting access; do
  if ! wait "${fuzzing[$target]}"; then
    tail -n 60 "build-fuzz/fuzz_$target.log"
    echo "fuzz_$target failed; the input that failed is named in the log above"
    exit 1
  fi
  grep -E "^stat::number_of_executed_units" "build-fuzz/fuzz_$target.log" | sed "s/^/fuzz_$target: /"
done

echo "== Sanitizers"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPUNCHWELL_SANITIZE=ON -DPUNCHWELL_BENCH=OFF \
  -DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=16 >/dev/null
cmake --build build-asan
# The many-workstation, server-stop and kill tests run shorter here: the full counts run in step 3.
# Every test runs here as in step 3 (the window tests on a file; the storage and domain tests, and
# one working day through the windows, on a server as well), except the second run on a server of
# the start-up, crash and fault tests (NAME_pg), which is step 3's; the server engine's own faults
# are checked here by tst_postgres, tst_pgserver and tst_concurrency.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  PUNCHWELL_EVENTS=50 PUNCHWELL_STOPS=10 PUNCHWELL_KILLS=50 PUNCHWELL_CONVERSION_KILLS=2 \
  ctest --test-dir build-asan --output-on-failure -j4 -E '^tst_(startup|crashsafety|faults|badinput)_pg$'

echo "== Tests"
# Many tests wait on servers, printers and child processes, so four run at a time on two cores.
ctest --test-dir build --output-on-failure -j4
