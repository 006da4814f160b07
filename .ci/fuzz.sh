#!/usr/bin/env bash
# CI leg: builds both libFuzzer targets (clang, ASan and UBSan) and runs
# each for a bounded time, from the seed corpus and every input that once
# failed. Any crash, sanitizer report, leak or hang fails the leg; the input
# that caused it is kept in build/fuzz/artifacts/.
#   FUZZ_SECONDS=600 bash .ci/fuzz.sh    # fuzz longer
set -euo pipefail
cd "$(dirname "$0")/.."
bash .ci/apt.sh cmake make clang libclang-rt-14-dev
seconds=${FUZZ_SECONDS:-60}
cmake --preset fuzz
cmake --build --preset fuzz -j2 --target \
  duvox_fuzz_seeds duvox_fuzz_info duvox_fuzz_merge
work=build/fuzz/run
rm -rf "$work"
mkdir -p build/fuzz/artifacts
build/fuzz/fuzz/duvox_fuzz_seeds "$work/seeds"
for target in info merge; do
  corpus=$work/corpus-$target
  mkdir -p "$corpus"
  cp "$work/seeds/$target"/* "$corpus"/
  find "fuzz/regress/$target" -type f ! -name '.*' -exec cp {} "$corpus"/ \;
  echo "--- fuzzing $target for $seconds s"
  build/fuzz/fuzz/duvox_fuzz_$target "$corpus" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
    -print_final_stats=1 -artifact_prefix=build/fuzz/artifacts/$target- \
    2>"$work/$target.log" || {
      tail -n 60 "$work/$target.log"
      echo "fuzz target $target found a fault; see build/fuzz/artifacts/"
      exit 1
    }
  grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss)' \
    "$work/$target.log" || true
  echo "corpus: $(ls "$corpus" | wc -l) inputs"
done
