#!/bin/sh
# Stop Recording → MP3 complete with the MP3 made while recording, against converting after Stop, for
# captures of 1, 10 and 60 minutes of pink noise at 48 kHz written 10 times faster than real time; then
# one minute written at real time for the encoder's share of a core while recording.
# Usage: stop-to-mp3.sh [build folder, default build] [minutes..., default 1 10 60]
set -eu
build=${1:-build}
[ $# -gt 0 ] && shift
minutes=${*:-1 10 60}
command -v ffmpeg >/dev/null || { echo "stop-to-mp3.sh needs ffmpeg" >&2; exit 1; }
bench="$build/bench/stop-to-mp3"
library="$build/program/Tunelark.dll"
[ -x "$bench" ] && [ -f "$library" ] || { echo "build the stop-to-mp3 and Tunelark targets first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A minute of pink noise, different on each channel: closer to music for the encoder than a tone.
ffmpeg -v error -f lavfi -i "anoisesrc=color=pink:amplitude=0.3:sample_rate=48000:seed=1:duration=60" \
    -f lavfi -i "anoisesrc=color=pink:amplitude=0.3:sample_rate=48000:seed=2:duration=60" \
    -filter_complex "[0][1]join=inputs=2:channel_layout=stereo" -c:a pcm_s16le -fflags +bitexact \
    -map_metadata -1 "$work/noise.wav"

for m in $minutes; do
    "$bench" "$library" "$work/noise.wav" "$m" 10
done
"$bench" "$library" "$work/noise.wav" 1 1
