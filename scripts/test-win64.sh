#!/usr/bin/env bash
# The Windows suites on a machine that cannot run 32-bit programs: the same sources built for
# 64-bit Windows (scripts/build-win64.sh) and run under wine64 in a 64-bit prefix: the unit tests,
# the command-line cases, the end-to-end scenarios but the soak (scripts/e2e.sh) and the downloads'
# check as far as it goes (the installer is a 32-bit program, so installing and uninstalling are
# skipped).
#   scripts/test-win64.sh [BUILD_DIR]      (default build/win64)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/win64}
source scripts/wine-bits.sh
echo "test-win32: this machine cannot run 32-bit programs: the Windows suites run on a 64-bit" \
    "build of the same sources under wine64; skipped: the installer's install and uninstall" \
    "(the installer is 32-bit) and the end-to-end soak (Soak.*)"
bash scripts/build-win64.sh "$build"
bash scripts/wine-prefix.sh build/wine/unit
cd "$build"
ctest --output-on-failure
