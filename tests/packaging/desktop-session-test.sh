#!/usr/bin/env bash
# Both programs as a desktop starts them: --help and --version answered without a display; under a
# Wayland session (simulated by its variables, an X server present) they choose X11 and show their
# windows, unless the user named a platform.
set -euo pipefail
program_dir=$1
source "$(dirname "${BASH_SOURCE[0]}")/program-session.sh"
make_work_folder
private_program_environment "$work"

for program in Tunelark Stations; do
    timeout 10 "$program_dir/$program" --help | grep -q "^Usage: $program \[OPTION\]"
    env -u DISPLAY timeout 10 "$program_dir/$program" -h | grep -q -- "--version  Show the version"
    [[ "$(timeout 10 "$program_dir/$program" --version)" =~ ^$program\ [0-9]+\.[0-9]+ ]]

    unset QT_QPA_PLATFORM
    XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=wayland-test shows_window "$program_dir/$program" --unknown-option
    ran_on_x11
    # The user's own choice stands: here a platform this machine does not have.
    if XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=wayland-test QT_QPA_PLATFORM=wayland \
        timeout 30 "$program_dir/$program" >/dev/null 2>"$work/errors"; then
        echo "$program started on a platform it does not have" >&2
        exit 1
    fi
    grep -q 'platform plugin "wayland"' "$work/errors"
    echo "$program: --help, --version, X11 under Wayland, the user's platform kept"
done
