#!/usr/bin/env bash
# Makes the throwaway Wine prefixes of the build tree (once) and starts a
# persistent wineserver for them. Usage: wine-prefix.sh start|stop
set -euo pipefail
. "$(dirname "$0")/wine-env.sh"

template=$NX_WINE/template

make_template() {
  rm -rf "$template.tmp"
  mkdir -p "$HOME" "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME"
  WINEPREFIX=$template.tmp wineboot -i >/dev/null 2>&1
  WINEPREFIX=$template.tmp wineserver -w
  # Shell folders come as symlinks into $HOME; make them real folders.
  find "$template.tmp/drive_c/users" -maxdepth 2 -type l | while read -r link; do
    rm "$link"; mkdir -p "$link"
  done
  # No Z: to reach the host's root. N: is the build tree, where programs and
  # tests live; T:, U: and V: are fixture drives.
  rm -f "$template.tmp/dosdevices/z:"
  ln -s "$NX_BUILD" "$template.tmp/dosdevices/n:"
  for d in t u v; do
    ln -s "$NX_WINE/drives/$d" "$template.tmp/dosdevices/$d:"
  done
  mv "$template.tmp" "$template"
}

make_prefix() {  # kind, graphics driver or ""
  local prefix=$NX_WINE/prefix-$1
  [ -f "$prefix/.nx-ready" ] && return
  rm -rf "$prefix"
  cp -a "$template" "$prefix"
  if [ -n "$2" ]; then
    WINEPREFIX=$prefix wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "$2" /f >/dev/null 2>&1
    WINEPREFIX=$prefix wineserver -w
  fi
  touch "$prefix/.nx-ready"
}

case "${1:-start}" in
  start)
    mkdir -p "$NX_WINE/drives/t" "$NX_WINE/drives/u" "$NX_WINE/drives/v"
    # Standing fixtures Windows code cannot make under Wine: folder links,
    # which Wine shows as reparse points. The second one may be emptied away
    # by a test, so it is made again on every start.
    mkdir -p "$NX_WINE/drives/v/linked/Target" "$NX_WINE/drives/v/emptying/Keep" "$NX_WINE/drives/v/emptying/Tree"
    : > "$NX_WINE/drives/v/linked/Target/in.txt"
    ln -sfn Target "$NX_WINE/drives/v/linked/link"
    echo keep > "$NX_WINE/drives/v/emptying/Keep/kept.txt"
    ln -sfn ../Keep "$NX_WINE/drives/v/emptying/Tree/link"
    [ -d "$template" ] || make_template
    make_prefix test null
    make_prefix run ""
    # W: holds the benchmarks' large trees, away from the tests' drives.
    mkdir -p "$NX_WINE/drives/w"
    for kind in test run; do
      ln -sfn "$NX_WINE/drives/w" "$NX_WINE/prefix-$kind/dosdevices/w:"
    done
    # A persistent server, warmed up detached so that no later capture pipe is
    # inherited by Wine's background processes.
    wineserver -p </dev/null >/dev/null 2>&1 || true  # already up
    setsid wine cmd /c exit 0 </dev/null >/dev/null 2>&1 || true
    ;;
  stop)
    wineserver -k 2>/dev/null || true
    ;;
esac
