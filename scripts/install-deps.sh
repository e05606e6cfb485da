#!/usr/bin/env bash
# Installs from Debian's packages whatever the build (and, with --tests, the test run; with --fuzz, the
# fuzz build of scripts/fuzz.sh) needs and is missing. Runs apt-get only when something is missing; uses sudo when not root.
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config ccache qt6-base-dev qt6-qpa-plugins libmp3lame-dev libbenchmark-dev
    libvlc-dev vlc-plugin-base vlc-plugin-video-output libvlc-bin libpulse-dev libssl3 ca-certificates
    dpkg-dev file)
if [[ "${1:-}" == "--tests" ]]; then
    packages+=(xvfb xauth xdotool x11-utils trayer lame pulseaudio pulseaudio-utils ffmpeg icecast2 dbus
        libglib2.0-bin playerctl openssl desktop-file-utils appstream groff-base)
elif [[ "${1:-}" == "--fuzz" ]]; then
    packages+=(clang libclang-rt-14-dev)
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
