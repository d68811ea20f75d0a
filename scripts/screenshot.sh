#!/usr/bin/env bash
# Refreshes docs/screenshot.png, the README's picture of the main window: runs the built program
# on a private virtual display at the design density (120 dpi) and saves its window.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/display-lib.sh

exe=build/win32/QuorlinConversion.exe
prefix=$PWD/build/wine/shot
if [ ! -f "$exe" ]; then
    echo "screenshot: $exe is missing; build it with 'make win32'" >&2
    exit 1
fi
bash scripts/wine-prefix.sh "$prefix" 120
qc_wine_env
trap 'qc_stop_xvfb' EXIT
qc_start_xvfb
qc_screenshot_program "$exe" "$prefix" docs/screenshot.png
echo "screenshot: wrote $PWD/docs/screenshot.png"
