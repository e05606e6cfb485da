#!/usr/bin/env bash
# Installs what is missing, builds, stages the program folder and starts the player.
set -euo pipefail
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$source_dir/scripts/install-deps.sh"
bash "$source_dir/scripts/build.sh"
exec "${BUILD_DIR:-$source_dir/build}/program/Tunelark"
