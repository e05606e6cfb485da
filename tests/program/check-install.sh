#!/usr/bin/env bash
# `cmake --install` lays out the same program folder as the build stages.
set -euo pipefail
build=$1
staged=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix/chosen prefix" >/dev/null
diff <(cd "$staged" && find . -type f | sort) <(cd "$prefix/chosen prefix/Tunelark" && find . -type f | sort)
test -x "$prefix/chosen prefix/Tunelark/Tunelark"
echo "installed program folder matches the staged one"
