#!/usr/bin/env bash
# Smoke run of the benchmark: small inputs, one timed run per command, so
# the script keeps working. Its figures mean nothing on a CI machine.
set -euo pipefail
cd "$(dirname "$0")/.."
RUNS=1 bash bench/run.sh 4M 9M
