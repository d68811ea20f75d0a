#!/usr/bin/env bash
# Which Wine the Windows programs run under on this machine: 32 when it can run 32-bit programs
# (the 32-bit Wine loader starts), 64 when it cannot (some kernels leave 32-bit support out).
# Run, it prints 32 or 64. Sourced, it exports QC_WINE_BITS and, for 64, puts scripts/wine64
# first on PATH, so that `wine` means 64-bit Wine for the caller and what it starts.
if [ -z "${QC_WINE_BITS:-}" ]; then
    if /usr/lib/wine/wine --version >/dev/null 2>&1; then QC_WINE_BITS=32; else QC_WINE_BITS=64; fi
fi
export QC_WINE_BITS
if [ "$QC_WINE_BITS" = 64 ]; then
    qc_wine64_bin=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine64
    case ":$PATH:" in
        *":$qc_wine64_bin:"*) ;;
        *) export PATH="$qc_wine64_bin:$PATH" ;;
    esac
fi
if [ "${BASH_SOURCE[0]}" = "$0" ]; then echo "$QC_WINE_BITS"; fi
