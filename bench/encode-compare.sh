#!/bin/sh
# Encodes one WAVE file (10 minutes of 44.1 kHz stereo by default, generated here) with
# `tunelark-cli encode` and with the lame command at the settings the player uses (160 kbit/s constant,
# -q 5, plain stereo, no bit reservoir, Info tag), alternately, three times each, in one run. Prints the
# best time of each, their ratio, both output sizes and the peak memory of each.
# Usage: encode-compare.sh [program folder, default build/program] [minutes, default 10]
set -eu

program=${1:-build/program}
minutes=${2:-10}
for tool in ffmpeg lame /usr/bin/time; do
    command -v "$tool" >/dev/null || { echo "encode-compare.sh needs $tool" >&2; exit 1; }
done
[ -x "$program/tunelark-cli" ] || { echo "no tunelark-cli in $program" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
seconds=$((minutes * 60))

# Pink noise, different on each channel: closer to music for the encoder than a bare tone.
ffmpeg -v error -f lavfi -i "anoisesrc=color=pink:amplitude=0.3:sample_rate=44100:seed=1:duration=$seconds" \
    -f lavfi -i "anoisesrc=color=pink:amplitude=0.3:sample_rate=44100:seed=2:duration=$seconds" \
    -filter_complex "[0][1]join=inputs=2:channel_layout=stereo" -c:a pcm_s16le "$work/in.wav"

# Runs a command under GNU time; appends "seconds peak-KiB" to the named file.
measure() {
    log=$1
    shift
    /usr/bin/time -f "%e %M" -o "$work/time" "$@" 2>/dev/null
    cat "$work/time" >>"$log"
}

for _ in 1 2 3; do
    measure "$work/ours" "$program/tunelark-cli" encode "$work/in.wav" "$work/ours.mp3"
    measure "$work/lame" lame --quiet -b 160 -q 5 -m s --nores "$work/in.wav" "$work/lame.mp3"
done

best() { sort -n "$1" | head -n 1; }
size() { wc -c <"$1" | tr -d ' '; }
ours=$(best "$work/ours")
theirs=$(best "$work/lame")
echo "input: $minutes min 44100 Hz stereo, $(size "$work/in.wav") bytes"
echo "$ours" | awk -v size="$(size "$work/ours.mp3")" \
    '{ printf "tunelark-cli encode:  %.2f s (best of 3), peak %d KiB, %d bytes\n", $1, $2, size }'
echo "$theirs" | awk -v size="$(size "$work/lame.mp3")" \
    '{ printf "lame -b 160 -q 5 -m s --nores:  %.2f s (best of 3), peak %d KiB, %d bytes\n", $1, $2, size }'
printf '%s %s\n' "$ours" "$theirs" | awk '{ printf "time ratio tunelark-cli/lame: %.3f\n", $1 / $3 }'
