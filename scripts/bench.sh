#!/usr/bin/env bash
# Builds the benchmark programs and runs them under Wine; they print figures.
#   bench.sh [files for the temporary-files scan, default 200000]
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
"$repo/scripts/build.sh" windows >/dev/null
"$repo/scripts/wine-prefix.sh" start
. "$repo/scripts/wine-env.sh"
"$repo/scripts/wine-run" "$NX_BUILD/windows/bench/nx_bench_tempfiles.exe" "${1:-200000}"
