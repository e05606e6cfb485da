#!/bin/sh
# Runs the station file benchmark and prints how much longer reading with decoding takes than reading
# the lines alone. Usage: station-file-ratio.sh [path to station-file-bench]
set -eu

bench=${1:-build/bench/station-file-bench}
if ! command -v jq >/dev/null; then
    echo "station-file-ratio.sh needs jq (apt-get install jq)" >&2
    exit 1
fi

json=$("$bench" --benchmark_format=json --benchmark_filter='BM_Read' --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true)
echo "$json" | jq -r '
    [.benchmarks[] | select(.aggregate_name == "median")] as $m
    | ($m[] | select(.run_name == "BM_ReadStationFile") | .real_time) as $decode
    | ($m[] | select(.run_name == "BM_ReadStationLines") | .real_time) as $read
    | ($m[0].time_unit) as $unit
    | "read with decoding: \($decode * 100 | round / 100) \($unit) (median)",
      "read lines only:    \($read * 100 | round / 100) \($unit) (median)",
      "decode/read ratio: \($decode / $read * 100 | round / 100)"'
