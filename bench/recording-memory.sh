#!/usr/bin/env bash
# Peak memory of recording: records a tone through the waveaudio device for a short and a long
# stretch (default 20 s and 300 s) against a private PulseAudio daemon, and prints both peaks and
# the growth per minute; then converts a generated one-hour 48 kHz stereo WAVE with
# `tunelark-cli encode` and prints that peak. A recording's memory must not grow with its length.
# Usage: recording-memory.sh [build folder, default build] [short seconds] [long seconds]
set -euo pipefail
build=${1:-build}
short=${2:-20}
long=${3:-300}
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
work=$(mktemp -d /tmp/tunelark-bench.XXXXXX)
source "$source_dir/scripts/services/pulseaudio.sh"
trap 'kill %1 2>/dev/null || true; stop_pulseaudio "$work"; rm -rf "$work"' EXIT
start_pulseaudio "$work"
export XDG_CACHE_HOME="$work/cache"

ffmpeg -v error -f lavfi -i "sine=frequency=440:sample_rate=48000:duration=$((long + 60))" -ac 2 "$work/tone.wav"
paplay "$work/tone.wav" &

for seconds in "$short" "$long"; do
    "$build/bench/record-memory" "$seconds" "$work/rec-$seconds.wav" | tail -n 1 | tee "$work/peak-$seconds"
done
awk -v s="$short" -v l="$long" 'FNR == 1 { split($3, kv, "="); peak[FILENAME] = kv[2] }
    END { a = peak[ARGV[1]]; b = peak[ARGV[2]];
          printf "recording: peak %d KiB after %d s, %d KiB after %d s: %+.1f KiB per minute\n", a, s, b, l,
                 (b - a) * 60 / (l - s) }' "$work/peak-$short" "$work/peak-$long"

ffmpeg -v error -f lavfi -i "sine=frequency=440:sample_rate=48000:duration=3600" -ac 2 "$work/hour.wav"
/usr/bin/time -f "%e %M" -o "$work/time" "$build/program/tunelark-cli" encode "$work/hour.wav" "$work/hour.mp3" 2>/dev/null
awk '{ printf "converting one hour (48000 Hz stereo): %.1f s, peak %d KiB\n", $1, $2 }' "$work/time"
