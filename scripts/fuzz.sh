#!/usr/bin/env bash
# scripts/fuzz.sh [SECONDS [TARGET...]]
# Builds the fuzz targets of tests/fuzz with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs each TARGET (default: all) for SECONDS (default 60), or until FUZZ_RUNS executions when that
# is set and comes first, FUZZ_PARALLEL at a time (default 1). Each run starts from a scratch copy of the
# target's corpus, so the committed corpus stays as it is. Prints per target the executions, executions
# per second, coverage, peak memory and any finding; exits 1 when there is one. A finding's input is
# kept in FINDINGS (default build-fuzz/findings) and run once more for a full report: mend the code,
# then add the input to tests/fuzz/corpus/<target>/ so the test command replays it.
set -euo pipefail
seconds=${1:-60}
shift $(($# > 0 ? 1 : 0))
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${FUZZ_BUILD_DIR:-$source_dir/build-fuzz}
findings=${FINDINGS:-$build_dir/findings}
parallel=${FUZZ_PARALLEL:-1}
fuzz_dir=$source_dir/tests/fuzz

bash "$source_dir/scripts/install-deps.sh" --fuzz
CC=clang CXX=clang++ cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTUNELARK_FUZZ=ON -DTUNELARK_GUI=OFF -DTUNELARK_BENCH=OFF >/dev/null
targets=("$@")
if ((${#targets[@]} == 0)); then
    for corpus in "$fuzz_dir"/corpus/*/; do
        targets+=("$(basename "$corpus")")
    done
fi
for target in "${targets[@]}"; do
    [[ -d "$fuzz_dir/corpus/$target" ]] || { echo "fuzz.sh: no fuzz target '$target'" >&2; exit 2; }
done
cmake --build "$build_dir" --target "${targets[@]/%/-fuzz}" -j "${FUZZ_JOBS:-2}" >/dev/null

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$findings"
# The image readers' complaints about broken files would flood the logs and slow the runs.
export QT_LOGGING_RULES='qt.*=false'
export UBSAN_OPTIONS=print_stacktrace=1
# Recording where every block was allocated costs a third of a run; a finding is run once more with it.
fuzz_asan_options=malloc_context_size=0

run_target() {
    local target=$1 options=()
    cp -r "$fuzz_dir/corpus/$target" "$scratch/$target"
    [[ -f "$fuzz_dir/$target.dict" ]] && options+=("-dict=$fuzz_dir/$target.dict")
    [[ -n "${FUZZ_RUNS:-}" ]] && options+=("-runs=$FUZZ_RUNS")
    ASAN_OPTIONS=$fuzz_asan_options "$build_dir/tests/fuzz/$target-fuzz" "$scratch/$target" "${options[@]}" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$findings/$target-" >"$scratch/$target.log" 2>&1 || true
}

started=$(date +%s)
for target in "${targets[@]}"; do
    while (($(jobs -rp | wc -l) >= parallel)); do wait -n; done
    run_target "$target" &
done
wait

status=0
printf '%-14s %12s %8s %7s %8s %9s  %s\n' target executions exec/s cov ft "peak MiB" findings
for target in "${targets[@]}"; do
    log=$scratch/$target.log
    stat() { sed -n "s/^stat::$1: *//p" "$log" | tail -1; }
    coverage=$(grep -oE 'cov: [0-9]+ ft: [0-9]+' "$log" | tail -1)
    cov=$(awk '{print $2}' <<<"$coverage")
    ft=$(awk '{print $4}' <<<"$coverage")
    found=$(find "$findings" -maxdepth 1 -name "$target-*" -newermt "@$started" | sort | tr '\n' ' ')
    printf '%-14s %12s %8s %7s %8s %9s  %s\n' "$target" "$(stat number_of_executed_units)" \
        "$(stat average_exec_per_sec)" "${cov:--}" "${ft:--}" "$(stat peak_rss_mb)" "${found:-none}"
    if [[ -n "$found" ]] || ! grep -q '^stat::number_of_executed_units' "$log"; then
        status=1
        echo "---- $target: the end of its log ----"
        tail -n 40 "$log"
        for input in $found; do
            echo "---- $target: $input once more, with allocation stacks ----"
            "$build_dir/tests/fuzz/$target-fuzz" -timeout=10 -rss_limit_mb=2048 "$input" 2>&1 | tail -n 60 || true
        done
    fi
done
exit $status
