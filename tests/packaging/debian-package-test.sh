#!/usr/bin/env bash
# The Debian package, made by CPack from the finished build (nothing is rebuilt): named
# tunelark_VERSION_amd64.deb, its dependencies found by dpkg-shlibdeps plus the packages libVLC loads
# for playback, the installed layout under /usr with stripped programs, and the player starting from the
# unpacked tree.
set -euo pipefail
build=$1
source "$(dirname "${BASH_SOURCE[0]}")/installed-files.sh"
make_work_folder

version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
cpack --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log" >&2
    exit 1
}
deb="$work/package/tunelark_${version}_amd64.deb"
[[ -f "$deb" ]] || { echo "no $deb; made: $(ls "$work/package")" >&2; exit 1; }

depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
for package in libvlc5 vlc-plugin-base vlc-plugin-video-output libvlc-bin qt6-qpa-plugins libqt6widgets6 \
    libqt6network6 libqt6dbus6 libpulse0 libmp3lame0; do
    grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || { echo "Depends lacks $package" >&2; exit 1; }
done
[[ "$(dpkg-deb --field "$deb" Package Architecture Version)" == *"Version: $version"* ]]

dpkg-deb -x "$deb" "$work/root"
check_installed_files "$work/root/usr"
file "$work/root/usr/lib/tunelark/Tunelark" | grep -q ", stripped"
strays=$(find "$work/root" -name CMakeFiles -o -name '*.cmake' -o -name '*.ninja')
[[ -z "$strays" ]] || { echo "build files in the package: $strays" >&2; exit 1; }

mkdir "$work/elsewhere"
cd "$work/elsewhere"
private_program_environment "$work/session"
unset QT_QPA_PLATFORM
shows_window "$work/root/usr/bin/tunelark"
echo "package $(basename "$deb"): dependencies, layout, and the player starts from it"
