#!/usr/bin/env bash
# The main job, the demo: builds the Windows deliverables and the simulated IDE, registers
# Velmora.dll as a COM server, enters the add-in into the IDE's add-in list by pressing
# Velsetup's button, then starts the simulated IDE on the example project and plays a session
# that makes each kind of declaration, printing the modules before and after.
#
#   bash scripts/run.sh                 headless
#   bash scripts/run.sh --screenshots   under Xvfb with Japanese fonts; PNG screenshots in docs/
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

screenshots=0
[[ "${1:-}" == --screenshots ]] && screenshots=1

echo "== Building Velmora.dll, Velsetup.exe and vbide-sim.exe"
cmake --preset cross >/dev/null
cmake --build --preset cross --target Velmora Velsetup vbide-sim velsetup-driver >/dev/null
bin="$PWD/build/cross/bin"

prefix=build/demo/wine
[[ $screenshots == 1 ]] && prefix=build/demo/wine-x11
bash scripts/wine-prefix.sh "$prefix"
# shellcheck source=wine-env.sh
source scripts/wine-env.sh "$prefix"
trap 'wineserver -k 2>/dev/null || true' EXIT

cp examples/demo/Velmora.ini "$bin/Velmora.ini" # the settings, beside the library
rm -f "$WINEPREFIX/drive_c/windows/VBADDIN.INI"

echo "== regsvr32 Velmora.dll"
wine regsvr32 /s "Z:$bin/Velmora.dll"
echo "== Velsetup.exe: 登録"
wine "$bin/velsetup-driver.exe" "Z:$bin/Velsetup.exe"
echo "VBADDIN.INI: $(tr -d '\r' <"$WINEPREFIX/drive_c/windows/VBADDIN.INI" | tr '\n' ' ')"

echo "== vbide-sim.exe: docs/scenarios/demo.txt"
scenario=docs/scenarios/demo.txt
if [[ $screenshots == 1 ]]; then
  exec bash scripts/screenshots.sh "$bin"
fi
status=0
wine "$bin/vbide-sim.exe" --scenario "$scenario" || status=$?
wine regsvr32 /s /u "Z:$bin/Velmora.dll" || true
exit $status
