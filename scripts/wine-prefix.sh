#!/usr/bin/env bash
# Makes a private 32-bit Wine prefix ready for the program and its tests, once:
#   scripts/wine-prefix.sh DIR [DPI]
# No window manager is expected (Managed=N avoids Wine's wait for one on every hide/destroy),
# the screen density is DPI (default 120), and the locale is pinned to en_US.
set -euo pipefail
dir=$(realpath -m "${1:?usage: wine-prefix.sh DIR [DPI]}")  # Wine needs an absolute prefix path
dpi=${2:-120}
if [ -f "$dir/.qc-ready-$dpi" ]; then exit 0; fi
rm -rf "$dir"
mkdir -p "$(dirname "$dir")"
# The locale goes to Wine only (it need not exist in the C library).
in_prefix() {
  env WINEPREFIX="$dir" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
      LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 "$@"
}
in_prefix wineboot -i >/dev/null 2>&1
in_prefix wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
in_prefix wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
in_prefix wineserver -w
# Wine's own fonts (MS Sans Serif, the caption-button glyphs) are not found in their package folder
# by this Wine; in the prefix's font folder they are.
if [ -d /usr/share/wine/fonts ]; then
  cp -n /usr/share/wine/fonts/* "$dir/drive_c/windows/Fonts/" 2>/dev/null || true
fi
touch "$dir/.qc-ready-$dpi"
