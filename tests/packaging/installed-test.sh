#!/usr/bin/env bash
# `cmake --install` into a temporary prefix, and with DESTDIR: every file in place, the desktop
# entries, metainfo and manual page valid, and the launchers starting the programs from another
# working folder, also under a Wayland session.
set -euo pipefail
build=$1
source "$(dirname "${BASH_SOURCE[0]}")/installed-files.sh"
make_work_folder
prefix="$work/a prefix/usr"

cmake --install "$build" --prefix "$prefix" >/dev/null
check_installed_files "$prefix"
DESTDIR="$work/staging" cmake --install "$build" --prefix /opt/tunelark >/dev/null
check_installed_files "$work/staging/opt/tunelark"

desktop-file-validate "$prefix"/share/applications/*.desktop
appstreamcli validate --no-net "$prefix/share/metainfo/org.example.tunelark.Tunelark.metainfo.xml"
# The manual page holds every group of the tool's help and formats without a warning.
page=$(zcat "$prefix/share/man/man1/tunelark-cli.1.gz")
for group in stations wav encode news skin rip; do
    grep -q "^\.SH \"$group\"" <<<"$page" || { echo "the manual page lacks the group $group" >&2; exit 1; }
done
warnings=$(groff -man -Tutf8 -ww -z <<<"$page" 2>&1)
[[ -z "$warnings" ]] || { echo "the manual page: $warnings" >&2; exit 1; }

mkdir "$work/elsewhere"
cd "$work/elsewhere"
private_program_environment "$work/session"
"$prefix/bin/tunelark-cli" stations list "$prefix/lib/tunelark/Player.dll" | grep -q "http"
"$prefix/bin/tunelark" --version | grep -q "^Tunelark "
unset QT_QPA_PLATFORM
for launcher in tunelark tunelark-stations; do
    shows_window "$prefix/bin/$launcher"
    XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=wayland-test shows_window "$prefix/bin/$launcher"
    ran_on_x11
    # Through a link to it, as a desktop's own launcher folder may hold one.
    ln -sf "$prefix/bin/$launcher" "$work/elsewhere/link-$launcher"
    shows_window "$work/elsewhere/link-$launcher"
done
echo "installed: every file in place, valid, and the launchers start the programs"
