#!/usr/bin/env bash
# Builds the Windows program and its tests for 64-bit Windows in build/win64 (or $1), from the
# same sources as the 32-bit build: what a machine that cannot run 32-bit programs runs under
# wine64. Further arguments name the targets to build (default: all).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/win64}
shift || true
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --no-warn-unused-cli -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "${JOBS:-2}" "${targets[@]}"
