#!/usr/bin/env bash
# `cmake --install` lays out the same program folder as the build stages, as PREFIX/lib/tunelark; the
# staged folder holds the program's files only.
set -euo pipefail
build=$1
staged=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
strays=$(cd "$staged" && find . -name CMakeFiles -o -name '*.cmake' -o -name '*.ninja')
[[ -z "$strays" ]] || { echo "build files in the program folder: $strays"; exit 1; }
cmake --install "$build" --prefix "$prefix/chosen prefix" >/dev/null
diff <(cd "$staged" && find . -type f | sort) <(cd "$prefix/chosen prefix/lib/tunelark" && find . -type f | sort)
test -x "$prefix/chosen prefix/lib/tunelark/Tunelark"
echo "installed program folder matches the staged one"
