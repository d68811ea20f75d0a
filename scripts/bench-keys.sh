#!/usr/bin/env bash
# Instant keys: every panel operation over a view, natively (Google Benchmark, median of nine
# repetitions each; goal under 1 microsecond), then the real program under Wine, from a key press
# to the last text its handler writes (median over 1,000 keys in each panel).
#   scripts/bench-keys.sh
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh >/dev/null
bash scripts/apt-install.sh libbenchmark-dev

echo "== panel operations, natively (optimised, no sanitizers)"
cmake -S . -B build/bench-native -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/bench-native -j 2 --target panel_benchmark >/dev/null
build/bench-native/panel_benchmark --benchmark_format=console 2>/dev/null |
    awk '/_median/ { sub(/_median/, "", $1); printf "  %-22s %8s %s\n", $1, $2, $3 }'

echo "== key press to the last text written, under Wine"
cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win32 -j 2 --target QuorlinConversion e2e_driver >/dev/null
bash scripts/e2e.sh build/win32/QuorlinConversion.exe build/win32/e2e_driver.exe '*Benchmark*' \
    >/dev/null || true
grep -h "key latency" build/e2e-artifacts/*Benchmark*.log | tr -d '\r' | sed 's/^/  /'
