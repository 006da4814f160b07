#!/usr/bin/env bash
# Builds with gcc (warnings as errors) and runs every test; then the same
# build with clang, so both compilers stay warning-free.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset dev
cmake --build --preset dev -j2
ctest --preset dev -j2
cmake --preset clang
cmake --build --preset clang -j2
ctest --preset clang -j2
