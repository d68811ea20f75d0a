#!/usr/bin/env bash
# Start-up benchmark: the program against a minimal window program (one class, one window, one
# message loop), each timed from process start until its finished window is up (a visible
# top-level window and the process idle), in a fresh Wine prefix on a private virtual display,
# alternating, ROUNDS rounds (default 15). Prints each median, the ratio, and the program file's
# size and imported DLLs.   scripts/bench-startup.sh [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/display-lib.sh
rounds=${1:-15}

bash scripts/setup.sh >/dev/null
cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win32 -j 2 --target QuorlinConversion minimal_window startup_timer >/dev/null
program=build/win32/QuorlinConversion.exe
minimal=build/win32/bench/minimal_window.exe
timer=build/win32/bench/startup_timer.exe

prefix=$PWD/build/wine/bench-startup
rm -rf "$prefix"
bash scripts/wine-prefix.sh "$prefix" 120
qc_wine_env
export WINEPREFIX=$prefix
trap 'wineserver -k 2>/dev/null || true; qc_stop_xvfb' EXIT
qc_start_xvfb
wineserver -p 2>/dev/null </dev/null >/dev/null
wine "$timer" "$minimal" >/dev/null 2>&1 </dev/null || true  # Wine's own services start here

declare -a times_minimal times_program
time_once() { wine "$timer" "$1" 2>/dev/null </dev/null | tr -d '\r'; }
for round in $(seq 1 "$rounds"); do
    times_minimal+=("$(time_once "$minimal")")
    times_program+=("$(time_once "$program")")
done

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
m_minimal=$(median "${times_minimal[@]}")
m_program=$(median "${times_program[@]}")
echo "start-up to a finished window, median of $rounds rounds, alternating:"
printf '  minimal window program  %8.1f ms   (%s)\n' "$m_minimal" "${times_minimal[*]}"
printf '  QuorlinConversion.exe   %8.1f ms   (%s)\n' "$m_program" "${times_program[*]}"
awk -v p="$m_program" -v m="$m_minimal" 'BEGIN { printf "  ratio                   %8.2f   (goal: 1.5 or below)\n", p / m }'
size=$(stat -c %s "$program")
printf 'QuorlinConversion.exe: %d bytes (%d KB; goal: 400 KB or below), imports: %s\n' \
    "$size" $(((size + 1023) / 1024)) \
    "$(i686-w64-mingw32-objdump -p "$program" | awk '/DLL Name/ { printf "%s ", $3 }')"
