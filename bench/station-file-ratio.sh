#!/bin/sh
# Runs the station file benchmark and prints how much longer reading a station file with decoding takes
# than reading its lines alone (split into texts, or merely scanned for line ends).
# Usage: station-file-ratio.sh [path to station-file-bench]
set -eu

bench=${1:-build/bench/station-file-bench}
if ! command -v jq >/dev/null; then
    echo "station-file-ratio.sh needs jq (apt-get install jq)" >&2
    exit 1
fi

"$bench" --benchmark_format=json --benchmark_filter='BM_(Read|Scan)' --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true 2>/dev/null |
    jq -r '
        def median(name): .benchmarks[] | select(.run_name == name and .aggregate_name == "median") | .real_time;
        def fixed: . * 100 | round / 100;
        median("BM_ReadStationFile") as $decode
        | median("BM_ReadStationLines") as $lines
        | median("BM_ScanStationLines") as $scan
        | .benchmarks[0].time_unit as $unit
        | "read with decoding:     \($decode | fixed) \($unit) (median of 5)",
          "read lines only:        \($lines | fixed) \($unit)",
          "scan line ends only:    \($scan | fixed) \($unit)",
          "decode/read ratio: \($decode / $lines | fixed)",
          "decode/scan ratio: \($decode / $scan | fixed)"'
