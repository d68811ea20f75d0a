#!/usr/bin/env bash
# Opens the program under Wine in the project's own prefix (build/wine/run, 120 dpi).
# With $DISPLAY set it opens on that display and returns when the program ends. Without one it
# starts a private virtual display, waits for the main window, saves build/screenshot.png and
# stops everything it started.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/display-lib.sh

prefix=$PWD/build/wine/run
qc_program_in_prefix run "$prefix"
exe=$QC_EXE

if [ -n "${DISPLAY:-}" ]; then
    echo "run: opening $exe on display $DISPLAY"
    wine "$exe"
    wineserver -w
    exit 0
fi

trap 'qc_stop_xvfb' EXIT
qc_start_xvfb
echo "run: no \$DISPLAY; running on a private virtual display $DISPLAY"
qc_screenshot_program "$exe" "$prefix" build/screenshot.png
echo "run: the window as it opened is in $PWD/build/screenshot.png"
