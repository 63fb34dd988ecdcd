#!/usr/bin/env bash
# Builds everything and runs every test: the native tests (with sanitizers)
# and the Windows tests under Wine in the build tree's throwaway prefix.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
"$repo/scripts/build.sh" all
"$repo/scripts/wine-prefix.sh" start
trap '"$repo/scripts/wine-prefix.sh" stop' EXIT

status=0
echo "== native tests"
ctest --test-dir "$repo/build/native" --output-on-failure -j "$(nproc)" || status=1
echo "== Windows tests under Wine"
# The Wine tests share one registry, so ctest runs them one at a time.
ctest --test-dir "$repo/build/windows" --output-on-failure --timeout 120 || status=1
exit $status
