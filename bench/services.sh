# Sourced by the bench scripts once source_dir is set: starts PulseAudio, Icecast and (without DISPLAY)
# Xvfb for the run, stops them when the script ends, and leaves their folder in $services.
# shellcheck source=../scripts/services/pulseaudio.sh
source "$source_dir/scripts/services/pulseaudio.sh"
# shellcheck source=../scripts/services/icecast.sh
source "$source_dir/scripts/services/icecast.sh"

services=$(mktemp -d)
cleanup() {
    stop_icecast "$services"
    stop_pulseaudio "$services"
    [[ -f "$services/xvfb.pid" ]] && kill "$(cat "$services/xvfb.pid")" 2>/dev/null || true
    rm -rf "$services"
}
trap cleanup EXIT
trap 'exit 1' INT TERM
start_pulseaudio "$services"
start_icecast "$services"
if [[ -z "${DISPLAY:-}" ]]; then
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$services/display" 2>/dev/null &
    echo $! >"$services/xvfb.pid"
    for _ in $(seq 100); do [[ -s "$services/display" ]] && break; sleep 0.1; done
    export DISPLAY=":$(cat "$services/display")"
fi
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$services/pulseaudio/runtime"
