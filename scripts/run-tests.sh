#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the whole suite under a private X server,
# then the core's unit tests once more built with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${BUILD_DIR:-$source_dir/build}
asan_dir=${ASAN_BUILD_DIR:-$source_dir/build-asan}

bash "$source_dir/scripts/install-deps.sh" --tests
BUILD_DIR=$build_dir bash "$source_dir/scripts/build.sh"
BUILD_DIR=$asan_dir bash "$source_dir/scripts/build.sh" -DTUNELARK_SANITIZE=ON -DTUNELARK_GUI=OFF

# Services live under /tmp: the sound server's socket path may not hold blanks.
services=$(mktemp -d /tmp/tunelark-tests.XXXXXX)
source "$source_dir/scripts/services/pulseaudio.sh"
source "$source_dir/scripts/services/icecast.sh"
cleanup() {
    stop_icecast "$services" || true
    stop_pulseaudio "$services" || true
    for pid in "$services"/*.pid; do
        [[ -f "$pid" ]] && kill "$(cat "$pid")" 2>/dev/null || true
    done
    rm -rf "$services"
}
trap cleanup EXIT
# Without this, a terminated run skips the EXIT trap and leaves the daemons behind.
trap 'exit 1' INT TERM
mkdir -m 700 "$services/runtime"
export XDG_RUNTIME_DIR="$services/runtime"

# A private X server: window masks and real pointer events need one; no window manager is needed.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$services/display" 2>"$services/xvfb.log" &
echo $! >"$services/xvfb.pid"
for _ in $(seq 100); do [[ -s "$services/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(cat "$services/display")"
export QT_QPA_PLATFORM=xcb
# A real notification area for the tray tests.
trayer --edge top --align right --widthtype pixel --width 200 --heighttype pixel --height 32 \
    >"$services/trayer.log" 2>&1 &
echo $! >"$services/trayer.pid"
for _ in $(seq 50); do xdotool search --class trayer >/dev/null 2>&1 && break; sleep 0.1; done

# A private session bus for the desktop's media controls.
dbus-daemon --session --address="unix:path=$services/session-bus" --fork --print-pid=3 --nopidfile \
    3>"$services/dbus.pid"
export DBUS_SESSION_BUS_ADDRESS="unix:path=$services/session-bus"

# A sound server whose null sink's monitor hears what plays, and a radio server fed a tone.
start_pulseaudio "$services"
start_icecast "$services"

status=0
ctest --test-dir "$build_dir" --output-on-failure -j 2 || status=$?
echo "== Core unit tests with AddressSanitizer + UndefinedBehaviorSanitizer =="
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$asan_dir" --output-on-failure -j 2 || status=$?
exit $status
