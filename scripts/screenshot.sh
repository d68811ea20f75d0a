#!/usr/bin/env bash
# Refreshes docs/screenshot.png, the README's picture of the main window: runs the built program
# on a private virtual display at the design density (120 dpi) and saves its window.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/display-lib.sh

prefix=$PWD/build/wine/shot
qc_program_in_prefix screenshot "$prefix"
exe=$QC_EXE
trap 'qc_stop_xvfb' EXIT
qc_start_xvfb
qc_screenshot_program "$exe" "$prefix" docs/screenshot.png
echo "screenshot: wrote $PWD/docs/screenshot.png"
