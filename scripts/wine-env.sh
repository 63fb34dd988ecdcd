# Sourced by every script that runs a Windows program. The prefix, its home
# and XDG folders live inside the build tree so nothing reaches the real home.
nx_repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export NX_REPO=$nx_repo
export NX_BUILD=${NX_BUILD:-$nx_repo/build}
export NX_WINE=$NX_BUILD/wine
# "test": null display driver for in-process window tests; "run": X display.
export NX_PREFIX_KIND=${NX_PREFIX_KIND:-test}
export WINEPREFIX=$NX_WINE/prefix-$NX_PREFIX_KIND
export HOME=$NX_WINE/home
export XDG_DATA_HOME=$HOME/.local/share
export XDG_CONFIG_HOME=$HOME/.config
export XDG_CACHE_HOME=$HOME/.cache
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset WINELOADER WINESERVER
