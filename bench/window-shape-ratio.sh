#!/bin/sh
# Runs the window-shape benchmark and prints how long our ApplyWindowShape (and its scan alone) takes
# against a plain scan of the same pixels that only counts runs. Goal: ApplyWindowShape at most 3×.
# Usage: window-shape-ratio.sh [path to window-shape-bench]
set -eu

bench=${1:-build/bench/window-shape-bench}
if ! command -v jq >/dev/null; then
    echo "window-shape-ratio.sh needs jq (apt-get install jq)" >&2
    exit 1
fi

"$bench" --benchmark_format=json --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>/dev/null |
    jq -r '
        def median(name): .benchmarks[] | select(.run_name == name and .aggregate_name == "median") | .real_time;
        def fixed: . * 1000 | round / 1000;
        median("BM_ApplyWindowShape") as $apply
        | median("BM_ShapeRectangles") as $scan
        | median("BM_CountRuns") as $plain
        | "ApplyWindowShape:   \($apply | fixed) ms (median of 5)",
          "scan to a region:   \($scan | fixed) ms",
          "plain run count:    \($plain | fixed) ms",
          "ApplyWindowShape/plain ratio: \($apply / $plain | fixed)",
          "scan/plain ratio: \($scan / $plain | fixed)"'
