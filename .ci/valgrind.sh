#!/usr/bin/env bash
# CI leg: the unit tests, the black-box tests and the fuzz corpus replay under
# valgrind's memcheck, with no error and no leak allowed. The black-box tests
# start the tool through /bin/sh; valgrind follows the shell's exec, so the
# tool itself runs under memcheck too (its exit status then shows an error,
# and the test that ran it fails). The big-file tests are left out: copying
# 3 GB under memcheck would take an hour.
set -euo pipefail
cd "$(dirname "$0")/.."
bash .ci/apt.sh cmake make g++ libgtest-dev libgmock-dev valgrind libc-bin
cmake --preset dev
cmake --build --preset dev -j2
logs=$PWD/build/dev/valgrind
rm -rf "$logs"
mkdir -p "$logs"
build/dev/fuzz/duvox_fuzz_seeds "$logs/seeds"
vg=(valgrind --tool=memcheck --trace-children=yes --error-exitcode=97
    --leak-check=full --show-leak-kinds=definite,indirect,possible
    --errors-for-leak-kinds=definite,indirect,possible
    --log-file="$logs/%p.log")
status=0
run() {
  echo "--- memcheck: $*"
  "${vg[@]}" "$@" || status=1
}
run build/dev/tests/duvox_unit_tests
run build/dev/tests/duvox_cli_tests
run build/dev/fuzz/duvox_replay_info "$logs/seeds/info" fuzz/regress/info
run build/dev/fuzz/duvox_replay_merge "$logs/seeds/merge" fuzz/regress/merge
# Every process's own summary too, in case a status was lost on the way.
# A log cut short by the file-size limit of the disk-full test has none;
# that run's exit status still tells.
bad=$(grep -l 'ERROR SUMMARY: [1-9]' "$logs"/*.log || true)
if [ -n "$bad" ]; then
  for f in $bad; do echo "=== $f"; cat "$f"; done
  status=1
fi
echo "memcheck: $(ls "$logs"/*.log | wc -l) processes checked," \
  "$(grep -L 'ERROR SUMMARY' "$logs"/*.log | wc -l) of them with a cut log"
exit "$status"
