#!/usr/bin/env bash
# Song titles against the local Icecast server: the median time from a title change through its admin
# interface until the media player control reports it (10 changes), and the control's CPU use while
# playing with a new title every 10 seconds against playing with none (SECONDS each). Starts its own
# PulseAudio, Icecast and (without DISPLAY) Xvfb, and stops them.
# Usage: title-latency.sh [build folder] [seconds]   (defaults: build, 60)
set -euo pipefail

source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$source_dir/build}
seconds=${2:-60}
# shellcheck source=services.sh
source "$source_dir/bench/services.sh"
"$build/bench/title-latency" 10 "$seconds"
