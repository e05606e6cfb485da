#!/usr/bin/env bash
# Plays the local Icecast stream with a minimal libVLC program and with our media player control in
# one run, and prints for each the time from play to playing, the CPU use and the peak memory over
# SECONDS of playing, their ratios, and what a bare window of the control's size costs. Starts its
# own PulseAudio, Icecast and (without DISPLAY) Xvfb, and stops them.
# Usage: media-compare.sh [build folder] [seconds]   (defaults: build, 60)
set -euo pipefail

source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$source_dir/build}
seconds=${2:-60}
# shellcheck source=services.sh
source "$source_dir/bench/services.sh"

value() { sed -n "s/.*$1=\([0-9.]*\).*/\1/p" <<<"$2"; }
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }
calc() { awk "BEGIN { printf \"$1\", $2 }"; }

# Time to playing varies by a hundred milliseconds from one start to the next: take the median of
# several short runs, alternating the programs.
rounds=7
echo "Time from play to playing, median of $rounds starts each ..."
for _ in $(seq $rounds); do
    value playing_ms "$("$build/bench/minimal-vlc-player" "$TUNELARK_TEST_ICECAST_URL" 1)" >>"$services/minimal.times"
    value playing_ms "$("$build/bench/media-control-player" "$TUNELARK_TEST_ICECAST_URL" 1 2>/dev/null)" \
        >>"$services/ours.times"
done
minimal_ms=$(median <"$services/minimal.times")
ours_ms=$(median <"$services/ours.times")

# The three run side by side, so that whatever else loads the machine weighs on them alike.
echo "CPU and peak memory over $seconds s of playing $TUNELARK_TEST_ICECAST_URL, side by side ..."
"$build/bench/minimal-vlc-player" "$TUNELARK_TEST_ICECAST_URL" "$seconds" >"$services/minimal.out" &
runs=($!)
"$build/bench/media-control-player" "$TUNELARK_TEST_ICECAST_URL" "$seconds" >"$services/ours.out" 2>/dev/null &
runs+=($!)
"$build/bench/media-control-player" --window-only "$TUNELARK_TEST_ICECAST_URL" "$seconds" \
    >"$services/window.out" 2>/dev/null &
runs+=($!)
wait "${runs[@]}"
minimal=$(cat "$services/minimal.out")
ours=$(cat "$services/ours.out")
window=$(cat "$services/window.out")

printf '%-26s %14s %10s %16s\n' "" "play->playing" "CPU %" "peak RSS (KiB)"
printf '%-26s %11s ms %10s %16s\n' "minimal libVLC program" "$minimal_ms" "$(value cpu_percent "$minimal")" \
    "$(value peak_rss_kib "$minimal")"
printf '%-26s %11s ms %10s %16s\n' "media player control" "$ours_ms" "$(value cpu_percent "$ours")" \
    "$(value peak_rss_kib "$ours")"
printf '%-26s %14s %10s %16s\n' "bare 180x140 Qt window" "-" "$(value cpu_percent "$window")" \
    "$(value peak_rss_kib "$window")"
echo "control / minimal: time $(calc %.2f "$ours_ms / $minimal_ms")," \
    "CPU $(calc %.2f "$(value cpu_percent "$ours") / $(value cpu_percent "$minimal")")," \
    "peak RSS $(calc %.2f "$(value peak_rss_kib "$ours") / $(value peak_rss_kib "$minimal")")"
echo "control beyond minimal: CPU $(calc %+.2f "$(value cpu_percent "$ours") - $(value cpu_percent "$minimal")")" \
    "points, RSS $(calc %+d "$(value peak_rss_kib "$ours") - $(value peak_rss_kib "$minimal")") KiB;" \
    "the bare window alone: CPU $(value cpu_percent "$window") points, RSS $(value peak_rss_kib "$window") KiB"
