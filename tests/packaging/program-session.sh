#!/usr/bin/env bash
# Shared by the packaging tests (source it): a private environment for the programs, and starting one
# until its window shows on the test command's X server ($DISPLAY).

# Makes the test's scratch folder, $work, removed when the test ends.
make_work_folder() {
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
}

# Points the programs' folders under DIR and keeps them off the network and from blocking on a message
# box (each box is logged to DIR/boxes and answered).
private_program_environment() {
    local dir=$1
    mkdir -p -m 700 "$dir/runtime"
    export XDG_RUNTIME_DIR="$dir/runtime" XDG_CONFIG_HOME="$dir/config" XDG_DATA_HOME="$dir/data"
    export XDG_CACHE_HOME="$dir/cache" XDG_MUSIC_DIR="$dir/music"
    export TUNELARK_MESSAGE_LOG="$dir/boxes" TUNELARK_NEWS_URL=http://127.0.0.1:9/
}

# Runs COMMAND... until a visible window of its process shows (at most 30 s), then asks it to end with
# SIGTERM, as a logout does. Its standard error lands in $program_errors. Fails when no window showed or
# the program was still running 10 s after the request.
shows_window() {
    program_errors="$work/program-errors"
    "$@" >/dev/null 2>"$program_errors" &
    local pid=$! status=0
    timeout 30 xdotool search --sync --onlyvisible --pid "$pid" >/dev/null || status=$?
    kill "$pid" 2>/dev/null || true
    if ! timeout 10 tail --pid="$pid" -f /dev/null; then
        echo "still running 10 s after SIGTERM: $*" >&2
        kill -KILL "$pid" 2>/dev/null || true
        status=1
    fi
    wait "$pid" 2>/dev/null || true
    if [[ $status -ne 0 ]]; then
        echo "no window, or no end, from: $* (its errors follow)" >&2
        cat "$program_errors" >&2
        return 1
    fi
}

# Under a Wayland session the window must have come through XWayland: Qt names the Wayland platform
# plugin only when it tried to use it.
ran_on_x11() {
    if grep -q 'platform plugin "wayland"' "$program_errors"; then
        echo "the program tried the Wayland platform:" >&2
        cat "$program_errors" >&2
        return 1
    fi
}
