#!/usr/bin/env bash
# Builds duvox (installing what a fresh machine lacks) and merges the two
# example inputs into build/example-out.wav. The console texts are Shift_JIS;
# they are shown here converted to UTF-8 for a UTF-8 terminal.
set -euo pipefail
cd "$(dirname "$0")/.."
bash .ci/apt.sh cmake make g++ libgtest-dev libc-bin >/dev/null
cmake --preset release >/dev/null
cmake --build --preset release -j2 --target duvox >/dev/null
set +e
./build/release/duvox examples/short.wav examples/long.wav build/example-out.wav \
  > build/example.stdout 2> build/example.stderr
status=$?
set -e
echo "--- standard output (converted from Shift_JIS)"
iconv -f CP932 -t UTF-8 build/example.stdout
echo "--- standard error (converted from Shift_JIS)"
iconv -f CP932 -t UTF-8 build/example.stderr
echo "--- exit status $status; build/example-out.wav is $(stat -c %s build/example-out.wav) bytes"
exit "$status"
