#!/usr/bin/env bash
# Builds duvox and runs every test, on a fresh machine too: installs what is
# missing, builds with gcc (warnings as errors) and runs the suite, then the
# same with clang.
set -euo pipefail
cd "$(dirname "$0")/.."
bash .ci/apt.sh cmake make g++ clang libgtest-dev libgmock-dev python3 libc-bin
for preset in dev clang; do
  cmake --preset "$preset"
  cmake --build --preset "$preset" -j2
  ctest --preset "$preset" -j2
done
