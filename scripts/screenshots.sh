#!/usr/bin/env bash
# Part of scripts/run.sh --screenshots: plays docs/scenarios/screenshots.txt under Xvfb with the
# X11 driver and a Japanese locale, and turns the pictures into PNG files in docs/screenshots/.
#   screenshots.sh BIN_DIR     (WINEPREFIX set by the caller, the add-in registered)
set -euo pipefail
bin=$1
wine reg delete 'HKCU\Software\Wine\Drivers' /v Graphics /f >/dev/null 2>&1 || true
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wineserver -k 2>/dev/null || true
mkdir -p build/demo/shots docs/screenshots
rm -f build/demo/shots/*.bmp
LC_ALL=ja_JP.UTF-8 xvfb-run -a -s '-screen 0 1024x768x24' sh -c \
  "wine '$bin/velsetup-driver.exe' --screenshot build/demo/shots/frmVelsetup.bmp 'Z:$bin/Velsetup.exe'; \
   wine '$bin/vbide-sim.exe' --scenario docs/scenarios/screenshots.txt; wineserver -k"
for picture in build/demo/shots/*.bmp; do
  name=$(basename "${picture%.bmp}")
  python3 scripts/bmp2png.py "$picture" "docs/screenshots/$name.png"
  echo "docs/screenshots/$name.png"
done
