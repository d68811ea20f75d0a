#!/usr/bin/env bash
# Fuzzes the text rules with libFuzzer (clang) for SECONDS (default 60):
#   scripts/fuzz.sh [SECONDS]
# Not part of `make test`: a fuzzing run is open-ended; run it after changing a text rule.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
out=build/fuzz
mkdir -p "$out/corpus"
sources=$(find src/convert src/toolkit -maxdepth 1 -name '*.cpp')
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -Isrc \
    tests/fuzz/TextConversionFuzz.cpp $sources -o "$out/text_conversion_fuzz"
"$out/text_conversion_fuzz" -max_total_time="$seconds" -max_len=4096 "$out/corpus"
