#!/usr/bin/env bash
# Runs fuzz targets one after another, each for SECONDS seconds (default 600), with the
# memory limits every reader must keep. Each target is rebuilt first, so a long campaign
# fuzzes the latest code. Logs, the grown corpora and any findings go to OUT.
#   usage: fuzz/run_campaign.sh BUILD OUT [SECONDS] [target...]
set -u
build=$1 out=$2 seconds=${3:-600}
shift $(( $# >= 3 ? 3 : $# ))
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(archive map_reader load_map bmp jpeg score ini models_def map_description demo_reader)
src=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$out"
for t in "${targets[@]}"; do
  cmake --build "$build" --target "fuzz_$t" >"$out/$t.build.log" 2>&1 || echo "build of $t failed" >>"$out/summary.txt"
  mkdir -p "$out/corpus/$t" "$out/findings/$t"
  echo "$(date -u +%H:%M:%S) start $t" >>"$out/summary.txt"
  "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -rss_limit_mb=2048 -malloc_limit_mb=64 \
    -timeout=10 -fork=1 -ignore_crashes=1 -ignore_ooms=1 -ignore_timeouts=1 \
    -print_final_stats=1 -artifact_prefix="$out/findings/$t/" \
    "$out/corpus/$t" "$src/corpus/$t" >"$out/$t.log" 2>&1
  echo "$(date -u +%H:%M:%S) end $t rc=$? $(grep -E '^#[0-9]+' "$out/$t.log" | tail -1)" >>"$out/summary.txt"
done
