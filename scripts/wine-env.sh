# Sourced with the prefix directory as its argument: the environment of a headless 32-bit Wine.
# shellcheck shell=bash
if [[ $# -lt 1 || -z "$1" ]]; then
  echo "wine-env.sh: prefix directory missing" >&2
  return 2 2>/dev/null || exit 2
fi
export WINEPREFIX
WINEPREFIX="$(realpath -m "$1")"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
