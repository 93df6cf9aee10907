#!/usr/bin/env bash
# Makes sure the headless prefix exists and its server runs detached:
#   wine-prefix.sh PREFIX          create the prefix when needed, start the server
#   wine-prefix.sh PREFIX --stop   stop the prefix's server
# A prefix counts as ready only once the marker file is written, so an interrupted creation is
# started over. Concurrent callers are serialised by a lock next to the prefix.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=wine-env.sh
source "$here/wine-env.sh" "${1:-}"
marker="$WINEPREFIX/.velmora-ready"

if [[ "${2:-}" == --stop ]]; then
  if [[ -f "$marker" ]]; then
    wineserver -k 2>/dev/null || true
  fi
  exit 0
fi

mkdir -p "$(dirname "$WINEPREFIX")"
# The lock is held only while the prefix is made, and no Wine process inherits it: the server and
# services outlive this script and would otherwise keep every later caller waiting.
(
  flock 9
  if [[ ! -f "$marker" ]]; then
    rm -rf "$WINEPREFIX"
    wineboot -i </dev/null >/dev/null 2>&1 9>&-
    # Without a display only message-only windows work; the null driver gives real windows.
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f </dev/null >/dev/null 2>&1 9>&-
    wineserver -k 9>&- 2>/dev/null || true
    wineserver -w 9>&- 2>/dev/null || true
    touch "$marker"
  fi
) 9>"$WINEPREFIX.lock"

# A detached server and services, so that no Wine background process holds the caller's pipes. A
# server left running by an earlier run (a test program started by hand, say) may hold a terminal's
# pipes and refuses a second start, so it is stopped first.
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
wineserver -p </dev/null >/dev/null 2>&1
wine wineboot </dev/null >/dev/null 2>&1
