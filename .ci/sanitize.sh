#!/usr/bin/env bash
# CI leg: the whole suite under AddressSanitizer and UndefinedBehaviorSanitizer
# (preset asan): the library in the unit tests, the replayed fuzz corpus, and
# the tool itself as the black-box tests start it. Any report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash .ci/apt.sh cmake make g++ libgtest-dev libgmock-dev python3 libc-bin
asan=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export ASAN_OPTIONS=$asan:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake --preset asan
cmake --build --preset asan -j2
ctest --preset asan -j2
