#!/usr/bin/env bash
# A private PulseAudio daemon for a test run, apart from any user session: its own HOME and runtime
# folder, one null sink "nullsink" as the default output, anonymous access over its own socket.
# Source this file, then:
#   start_pulseaudio DIR   starts it with its files under DIR/pulseaudio; exports PULSE_SERVER and
#                          TUNELARK_TEST_PULSE_MONITOR (the source that records what plays)
#   stop_pulseaudio DIR    stops the daemon started with the same DIR
# DIR must not contain blanks. Both return non-zero with a message on stderr when they fail.

# Runs a command in the daemon's private environment.
_pulseaudio_run() {
    local dir=$1/pulseaudio
    shift
    HOME="$dir/home" XDG_RUNTIME_DIR="$dir/runtime" XDG_CONFIG_HOME="$dir/home/.config" "$@"
}

start_pulseaudio() {
    local dir=$1/pulseaudio
    if [[ "$dir" =~ [[:space:]] ]]; then
        # PULSE_SERVER is a blank-separated list of servers, so its socket path cannot hold blanks.
        echo "start_pulseaudio: the folder must not contain blanks: $1" >&2
        return 1
    fi
    mkdir -p -m 700 "$dir" "$dir/home" "$dir/runtime" || return 1
    _pulseaudio_run "$1" pulseaudio --daemonize=yes --system=false --exit-idle-time=-1 -n \
        --disallow-exit --use-pid-file=yes --log-target=file:"$dir/pulseaudio.log" \
        --load="module-native-protocol-unix auth-anonymous=1" \
        --load="module-null-sink sink_name=nullsink" --load="module-always-sink" || {
        echo "start_pulseaudio: the daemon did not start (see $dir/pulseaudio.log)" >&2
        return 1
    }
    export PULSE_SERVER="unix:$dir/runtime/pulse/native"
    export TUNELARK_TEST_PULSE_MONITOR=nullsink.monitor
    local attempt
    for attempt in $(seq 50); do
        pactl info >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "start_pulseaudio: the daemon does not answer on $PULSE_SERVER" >&2
    stop_pulseaudio "$1"
    return 1
}

stop_pulseaudio() {
    # The daemon finds its own pid file in its private runtime folder; no other daemon is touched.
    _pulseaudio_run "$1" pulseaudio --kill 2>/dev/null || true
    unset PULSE_SERVER TUNELARK_TEST_PULSE_MONITOR
    return 0
}
