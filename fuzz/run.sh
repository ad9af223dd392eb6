#!/usr/bin/env bash
# Runs every fuzz target for the given number of seconds, one after another, each on a
# fresh copy of its seed corpus in fuzz/corpus-work/. Stops at the first finding; the
# input that caused it is left in fuzz/corpus-work/ as <target>-crash-..., -leak-... or
# -timeout-....
# Usage: fuzz/run.sh <build folder> <seconds> [target...]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
seconds=$2
shift 2
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(tokenizer builder gif bmp jpeg png rtf ini xml losfile)
fi

work=fuzz/corpus-work
# The profile target writes a file per input; in memory that costs a hundredth of a disk.
if [ -z "${TMPDIR:-}" ] && [ -w /dev/shm ]; then
  export TMPDIR=/dev/shm
fi
mkdir -p "$work"
for t in "${targets[@]}"; do
  rm -rf "${work:?}/$t"
  cp -r "fuzz/corpus/$t" "$work/$t"
  echo "== fuzz_$t for ${seconds}s"
  # Inputs stay small: larger ones only slow the search down. A picture may ask for the
  # whole picture budget, so the memory limit leaves room for it.
  "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -max_len=8192 -timeout=20 -rss_limit_mb=3072 \
    -print_final_stats=1 -artifact_prefix="$work/$t-" "$work/$t" 2>"$work/$t.log" ||
    { tail -n 60 "$work/$t.log"; echo "fuzz_$t found a fault; see $work/$t.log" >&2; exit 1; }
  grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$work/$t.log" || true
done
echo "All fuzz targets ran ${seconds}s without a finding."
