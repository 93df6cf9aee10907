#!/usr/bin/env bash
# Builds everything and runs every test: the native suite, then the Windows suite under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

cmake --preset native >/dev/null
cmake --build --preset native
# The native suite holds the regression run of every fuzz target over its seed corpus
# (fuzz.<target>, seconds in all); fuzz/run.sh fuzzes for long.
ctest --preset native

if [[ -f cmake/mingw-i686.cmake ]]; then
  cmake --preset cross >/dev/null
  cmake --build --preset cross
  ctest --preset cross
fi
