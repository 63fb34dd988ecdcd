#!/usr/bin/env bash
# Runs a Windows program of the build tree on a virtual X display and saves a
# picture of the screen once its windows have settled.
#   screenshot.sh OUT.png PROGRAM.exe [ARGUMENTS...]
# Set NX_SETTLE (seconds, default 4) for slower windows.
set -euo pipefail
out=$(realpath -m "$1")
shift
export NX_PREFIX_KIND=run
. "$(dirname "$0")/wine-env.sh"
"$NX_REPO/scripts/wine-prefix.sh" start >/dev/null

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $program $xvfb 2>/dev/null || true; wait 2>/dev/null || true' EXIT
sleep 1
DISPLAY=$display "$NX_REPO/scripts/wine-run" "$@" >/dev/null 2>&1 &
program=$!
sleep "${NX_SETTLE:-4}"
DISPLAY=$display import -window root "$out"
echo "screenshot: $out"
