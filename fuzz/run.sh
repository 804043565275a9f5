#!/bin/sh
# Runs every fuzz target (or those named) for a time or a number of
# executions and prints, per target: executions, coverage (edges and
# features at the end), corpus size and findings (crash, leak, time-out and
# out-of-memory inputs saved). Exit status 1 when any target found something.
#
# usage: fuzz/run.sh [-t SECONDS] [-n EXECUTIONS] [-b BUILD_DIR] [TARGET...]
#   default: -t 60 -b build/fuzz, every target; with both -t and -n a target
#   stops at whichever limit it reaches first. Build the tree first:
#   cmake -S . -B build/fuzz -G Ninja -DK7_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++
#   cmake --build build/fuzz
# The corpus grown by earlier runs is kept in BUILD_DIR/runs/TARGET and
# used again; findings land in BUILD_DIR/runs/TARGET/artifacts.
set -u
here=$(cd "$(dirname "$0")" && pwd)
time_limit=""
run_limit=""
build="$here/../build/fuzz"
while getopts "t:n:b:" option; do
    case $option in
        t) time_limit="-max_total_time=$OPTARG" ;;
        n) run_limit="-runs=$OPTARG" ;;
        b) build=$OPTARG ;;
        *) sed -n '2,14p' "$0"; exit 2 ;;
    esac
done
shift $((OPTIND - 1))
[ -z "$time_limit$run_limit" ] && time_limit="-max_total_time=60"
targets=${*:-"fuzz_devicelist fuzz_profile fuzz_macro fuzz_language fuzz_hidreply fuzz_notify"}

status=0
printf '%-16s %12s %8s %8s %8s %9s %s\n' target executions edges features corpus seconds findings
for target in $targets; do
    binary="$build/bin/$target"
    [ -x "$binary" ] || { echo "$target: not built ($binary)"; status=1; continue; }
    work="$build/runs/$target"
    mkdir -p "$work/corpus" "$work/artifacts"
    log="$work/last.log"
    start=$(date +%s)
    # Allocation stacks and fill bytes cost most of the time of a run;
    # re-run a finding on its own for the full report.
    ASAN_OPTIONS=${ASAN_OPTIONS:-malloc_context_size=0:max_malloc_fill_size=0:quarantine_size_mb=16:detect_leaks=1} "$binary" $time_limit $run_limit -timeout=10 -rss_limit_mb=4096 \
        -artifact_prefix="$work/artifacts/" -print_final_stats=1 \
        "$work/corpus" "$here/corpus/$target" >"$log" 2>&1
    seconds=$(( $(date +%s) - start ))
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    coverage=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -1)
    edges=$(echo "$coverage" | awk '{print $2}')
    features=$(echo "$coverage" | awk '{print $4}')
    corpus=$(ls "$work/corpus" | wc -l)
    findings=$(ls "$work/artifacts" | grep -cE '^(crash|leak|timeout|oom|slow-unit)-' || true)
    note=""
    if grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:|broken promise' "$log"; then
        note=" (see $log)"
        status=1
    fi
    [ "$findings" -gt 0 ] && status=1
    printf '%-16s %12s %8s %8s %8s %9s %s%s\n' "$target" "${executions:-?}" "${edges:-?}" \
        "${features:-?}" "$corpus" "$seconds" "$findings" "$note"
done
exit $status
