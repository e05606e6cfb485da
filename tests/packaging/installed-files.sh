#!/usr/bin/env bash
# Shared by the packaging tests (source it): what an installation holds under its prefix, and
# program-session.sh.
source "$(dirname "${BASH_SOURCE[0]}")/program-session.sh"

# Fails, naming them, unless every file an installation lays out is under PREFIX: the program folder,
# the launchers, the desktop entries, the icons, the metainfo and the manual page.
check_installed_files() {
    local prefix=$1 missing=() file size
    local files=(lib/tunelark/Tunelark lib/tunelark/Stations lib/tunelark/tunelark-cli
        lib/tunelark/Tunelark.dll lib/tunelark/lame_enc.dll lib/tunelark/Process.dll lib/tunelark/Player.dll
        lib/tunelark/Skin.dll lib/tunelark/Encoder.dll "lib/tunelark/Skins/Harbour Night/Settings.ini"
        "lib/tunelark/Skins/Fern Valley/Main.bmp"
        bin/tunelark bin/tunelark-stations bin/tunelark-cli
        share/applications/org.example.tunelark.Tunelark.desktop
        share/applications/org.example.tunelark.Stations.desktop
        share/metainfo/org.example.tunelark.Tunelark.metainfo.xml
        share/icons/hicolor/scalable/apps/tunelark.svg share/man/man1/tunelark-cli.1.gz)
    for size in 16 22 24 32 48 64 128 256; do
        files+=("share/icons/hicolor/${size}x${size}/apps/tunelark.png")
    done
    for file in "${files[@]}"; do
        [[ -f "$prefix/$file" ]] || missing+=("$file")
    done
    for file in lib/tunelark/Tunelark lib/tunelark/Stations bin/tunelark bin/tunelark-stations bin/tunelark-cli; do
        [[ -x "$prefix/$file" ]] || missing+=("$file (not executable)")
    done
    if [[ ${#missing[@]} -gt 0 ]]; then
        printf 'missing under %s: %s\n' "$prefix" "${missing[*]}" >&2
        return 1
    fi
    # Each PNG is drawn at the size its folder names.
    for size in 16 22 24 32 48 64 128 256; do
        file "$prefix/share/icons/hicolor/${size}x${size}/apps/tunelark.png" | grep -q "$size x $size" || {
            echo "the ${size} px icon has another size" >&2
            return 1
        }
    done
}
