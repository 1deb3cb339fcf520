#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer (build-fuzz/) and runs each
# for a bounded time from its checked-in corpus.
#
#   scripts/fuzz.sh [SECONDS]      # default 60 seconds a target
#
# New inputs go to a scratch directory, never into fuzz/corpus. An input that
# crashes, leaks, hangs or runs out of memory is kept under
# build-fuzz/findings/<target>/ and the script fails; copy it into
# fuzz/corpus/<target>/ and the test suite replays it from then on.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

seconds=${1:-60}
dir=build-fuzz
cmake --preset fuzz >/dev/null
targets=(description_fuzzer description_roundtrip_fuzzer project_contents_fuzzer
  tcl_commands_fuzzer)
cmake --build --preset fuzz --target "${targets[@]}"

export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=0
for name in "${targets[@]}"; do
  fuzzer=$dir/bin/$name
  target=${name%_fuzzer}
  scratch=$(mktemp -d)
  findings=$dir/findings/$target
  mkdir -p "$findings"
  echo "fuzz: $target for ${seconds}s"
  if ! "$fuzzer" "$scratch" "fuzz/corpus/$target" -max_total_time="$seconds" \
      -rss_limit_mb=2048 -timeout=10 -artifact_prefix="$findings/" -print_final_stats=1 \
      >"$dir/$target.log" 2>&1; then
    echo "fuzz: $target found a fault (inputs under $findings; log $dir/$target.log):" >&2
    grep -E "ERROR|SUMMARY|Test unit written" "$dir/$target.log" >&2 || tail -20 "$dir/$target.log" >&2
    failed=1
  else
    grep -E "^stat::number_of_executed_units|^Done" "$dir/$target.log" || true
  fi
  rm -rf "$scratch"
done
exit $failed
