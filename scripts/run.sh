#!/usr/bin/env bash
# Builds everything and starts Neatrix under Wine. With a display it opens
# there; without one it runs on a virtual display and saves a screenshot.
#   run.sh [--language English|Swedish] [--screenshot FILE.png] [Neatrix arguments...]
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
language=""
shot=""
while [ $# -gt 0 ]; do
  case "$1" in
    --language) language=$2; shift 2 ;;
    --screenshot) shot=$2; shift 2 ;;
    *) break ;;
  esac
done
"$repo/scripts/build.sh" windows
export NX_PREFIX_KIND=run
. "$repo/scripts/wine-env.sh"
"$repo/scripts/wine-prefix.sh" start >/dev/null
if [ -n "$language" ]; then
  wine reg add 'HKCU\Software\Neatrix\Settings' /v Language /d "$language" /f >/dev/null 2>&1
fi
program=$repo/build/windows/bin/Neatrix.exe
if [ -z "$shot" ] && [ -n "${DISPLAY:-}" ]; then
  exec "$repo/scripts/wine-run" "$program" "$@"
fi
[ -n "$shot" ] || shot=$repo/build/screenshots/neatrix-${language:-default}.png
mkdir -p "$(dirname "$shot")"
"$repo/scripts/screenshot.sh" "$shot" "$program" "$@"
