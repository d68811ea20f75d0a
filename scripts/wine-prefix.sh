#!/usr/bin/env bash
# Makes a private Wine prefix ready for the program and its tests, once:
#   scripts/wine-prefix.sh DIR [DPI]
# The prefix is 32-bit, or 64-bit on a machine that cannot run 32-bit programs (wine-bits.sh).
# No window manager is expected (Managed=N avoids Wine's wait for one on every hide/destroy),
# the screen density is DPI (default 120), and the locale is pinned to en_US.
set -euo pipefail
dir=$(realpath -m "${1:?usage: wine-prefix.sh DIR [DPI]}")  # Wine needs an absolute prefix path
dpi=${2:-120}
source "$(dirname "$0")/wine-bits.sh"
ready=$dir/.qc-ready-$dpi
if [ "$QC_WINE_BITS" = 64 ]; then ready=$dir/.qc-ready-win64-$dpi; fi
if [ -f "$ready" ]; then exit 0; fi
rm -rf "$dir"
mkdir -p "$(dirname "$dir")"
# The locale goes to Wine only (it need not exist in the C library).
in_prefix() {
  env WINEPREFIX="$dir" WINEARCH=win$QC_WINE_BITS WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
      LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 "$@"
}
in_prefix wine wineboot -i >/dev/null 2>&1
in_prefix wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
in_prefix wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
in_prefix wineserver -w
# Wine's own fonts (MS Sans Serif, the caption-button glyphs) are not found in their package folder
# by this Wine; in the prefix's font folder they are.
if [ -d /usr/share/wine/fonts ]; then
  cp -n /usr/share/wine/fonts/* "$dir/drive_c/windows/Fonts/" 2>/dev/null || true
fi
touch "$ready"
