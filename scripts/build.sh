#!/usr/bin/env bash
# Configures and builds both configurations: build/windows (mingw-w64, every
# program and test) and build/native (OS-free code with sanitizers).
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
"$repo/scripts/bootstrap.sh"
jobs=$(nproc)
configure() {  # folder, extra arguments
  [ -f "$repo/build/$1/build.ninja" ] || cmake -S "$repo" -B "$repo/build/$1" -G Ninja "${@:2}" >/dev/null
}
configure windows -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release
configure native -DCMAKE_BUILD_TYPE=Debug
case "${1:-all}" in
  windows|all) ninja -C "$repo/build/windows" -j "$jobs" ;;&
  native|all) ninja -C "$repo/build/native" -j "$jobs" ;;
esac
