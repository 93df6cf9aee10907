#!/usr/bin/env bash
# The main job: builds the native programs and runs a declaration on the shipped example module.
set -euo pipefail
cd "$(dirname "$0")/.."
VELMORA_NATIVE_ONLY=1 bash scripts/setup.sh
cmake --preset native >/dev/null
cmake --build --preset native --target velmora-declare >/dev/null
exec build/native/sim/apps/velmora-declare "$@"
