#!/usr/bin/env bash
# The installed programs as a normal user uses them. CI runs as root, which may write anywhere, so the
# test makes a user of its own and runs tst_installed_for_user as that user on an installation the user
# cannot change, with the user's own sound server: Stations and tunelark-cli add stations the player
# lists, a skin in the user's skin folder loads, a recording lands in the music folder, and nothing is
# written under the prefix.
set -euo pipefail
build=$1
test_program=$2
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/services/pulseaudio.sh"
[[ $(id -u) -eq 0 ]] || { echo "making a user for the test needs root" >&2; exit 1; }

user=tunelark-test-$$
# The sound server's socket path may not hold blanks.
work=$(mktemp -d /tmp/tunelark-user.XXXXXX)
home=$work/home
as_user() {
    runuser -u "$user" -- env -i PATH=/usr/bin:/bin HOME="$home" DISPLAY="$DISPLAY" \
        XDG_RUNTIME_DIR="$home/runtime" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
        XDG_CACHE_HOME="$home/.cache" XDG_MUSIC_DIR="$home/Music" "$@"
}
cleanup() {
    as_user bash -c "$(declare -f _pulseaudio_run stop_pulseaudio); stop_pulseaudio '$home'" || true
    for _ in $(seq 50); do userdel "$user" 2>/dev/null && break; sleep 0.1; done
    rm -rf "$work"
}
trap cleanup EXIT
useradd --no-create-home --home-dir "$home" --shell /usr/sbin/nologin --user-group "$user"
chmod 755 "$work"
install -d -o "$user" -g "$user" -m 700 "$home" "$home/runtime"

cmake --install "$build" --prefix "$work/usr" >/dev/null
install -m 755 "$test_program" "$work/tst_installed_for_user"
snapshot() { (cd "$work/usr" && find . -printf '%p %s %T@ %m %u\n' | sort); }
before=$(snapshot)

as_user bash -c "$(declare -f _pulseaudio_run start_pulseaudio stop_pulseaudio); start_pulseaudio '$home'"
as_user PULSE_SERVER="unix:$home/pulseaudio/runtime/pulse/native" TUNELARK_INSTALLED_PREFIX="$work/usr" \
    TUNELARK_TEST_ICECAST_URL="${TUNELARK_TEST_ICECAST_URL:-}" TUNELARK_NEWS_URL=http://127.0.0.1:9/ \
    QT_QPA_PLATFORM=xcb "$work/tst_installed_for_user"

diff <(echo "$before") <(snapshot) || { echo "the run wrote under the prefix" >&2; exit 1; }
[[ "$(stat -c %U "$home/.local/share/Tunelark/Player.dll")" == "$user" ]]
echo "as a normal user: stations added, a skin of the user's own, a recording in the music folder"
