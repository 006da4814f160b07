#!/usr/bin/env bash
# Usage: bench/run.sh [SIZE...]        (default: 100M 400M 1G)
#
# Times duvox against `cp` of the longer input, for 16-bit and 8-bit pairs of
# each size (the second input about 60% of the first), and prints medians,
# the duvox/cp ratio, seconds per GiB and peak resident memory.
#
# Environment:
#   RUNS=N        timed runs per command (default 7)
#   BITS=16,8     sample widths to run
#   DUVOX=path    time this binary instead of building one
#   BENCH_TMP=dir where the scratch folder goes (default $TMPDIR or /tmp);
#                 needs about 2.7x the largest size free
#
# Builds duvox in Release into build/bench first. A benchmark, not a test:
# nothing here runs under CTest.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

need() {
  command -v "$1" >/dev/null 2>&1 && return 0
  echo "installing $2" >&2
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq && apt-get install -y -qq --no-install-recommends "$2" >/dev/null
}
need python3 python3
[ -x /usr/bin/time ] || need /usr/bin/time time

if [ -z "${DUVOX:-}" ]; then
  cmake -S "$root" -B "$root/build/bench" -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_TESTING=OFF >/dev/null
  cmake --build "$root/build/bench" --target duvox -j2 >/dev/null
  DUVOX="$root/build/bench/duvox"
fi

scratch="$(mktemp -d "${BENCH_TMP:-${TMPDIR:-/tmp}}/duvox-bench.XXXXXX")"
trap 'rm -rf "$scratch"' EXIT INT TERM

python3 "$root/bench/bench.py" --duvox "$DUVOX" --dir "$scratch" \
  --runs "${RUNS:-7}" --bits "${BITS:-16,8}" "$@"
