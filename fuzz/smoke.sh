#!/bin/sh
# One short fuzzing run as a test: fails on any crash, leak, sanitizer report
# or time-out that libFuzzer finds, and on a seed that no longer runs clean.
# usage: smoke.sh TARGET WORK_DIR SEED_DIR SECONDS
set -eu
target=$1 work=$2 seeds=$3 seconds=$4
rm -rf "$work"
mkdir -p "$work/corpus" "$work/artifacts"
exec "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
    -artifact_prefix="$work/artifacts/" -print_final_stats=1 "$work/corpus" "$seeds"
