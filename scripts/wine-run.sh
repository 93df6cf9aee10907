#!/usr/bin/env bash
# Runs a Windows program in the headless prefix: wine-run.sh PREFIX PROGRAM [ARGS...]
# The prefix is created on first use.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
prefix="${1:?usage: wine-run.sh PREFIX PROGRAM [ARGS...]}"
shift
if [[ ! -f "$prefix/.velmora-ready" ]]; then
  bash "$here/wine-prefix.sh" "$prefix"
fi
# shellcheck source=wine-env.sh
source "$here/wine-env.sh" "$prefix"
exec wine "$@"
