#!/usr/bin/env bash
# Runs the end-to-end scenarios: scripts/e2e.sh PROGRAM.exe e2e_driver.exe [GTEST_FILTER]
# One private virtual display for the whole run; each scenario runs the driver in its own copy
# of a ready Wine prefix, so no scenario sees what another left behind. Suites named *At96Dpi run
# at 96 dpi, all others at 120; suites named DayFirst* run under the United Kingdom setting.
# Screenshots go to build/e2e-artifacts/, the driver's output of each scenario beside them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/display-lib.sh"

exe=$(realpath "${1:?usage: e2e.sh PROGRAM.exe e2e_driver.exe [GTEST_FILTER]}")
driver=$(realpath "${2:?usage: e2e.sh PROGRAM.exe e2e_driver.exe [GTEST_FILTER]}")
filter=${3:-*}
for f in "$exe" "$driver"; do
    if [ ! -f "$f" ]; then
        echo "e2e: $f is missing; build the win32 build first" >&2
        exit 1
    fi
done

wine_root=$root/build/wine
artifacts=$root/build/e2e-artifacts
rm -rf "$artifacts" "$wine_root/e2e-runs"
mkdir -p "$artifacts" "$wine_root/e2e-runs"

# Windows names of Unix paths: Wine's drive Z: is the Unix root.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

bash "$root/scripts/wine-prefix.sh" "$wine_root/e2e-120" 120
bash "$root/scripts/wine-prefix.sh" "$wine_root/e2e-96" 96

qc_wine_env
current_prefix=
cleanup() {
    if [ -n "$current_prefix" ]; then
        WINEPREFIX=$current_prefix wineserver -k 2>/dev/null || true
    fi
    qc_stop_xvfb
}
trap cleanup EXIT
qc_start_xvfb

# The scenarios, one gtest name per line (suite.test), from the driver itself.
list_log=$artifacts/list.txt
current_prefix=$wine_root/e2e-runs/list
cp -a "$wine_root/e2e-120" "$current_prefix"
WINEPREFIX=$current_prefix wine "$driver" --gtest_list_tests "--gtest_filter=$filter" \
    >"$list_log" 2>&1 </dev/null || true
WINEPREFIX=$current_prefix wineserver -k 2>/dev/null || true
rm -rf "$current_prefix"
current_prefix=
mapfile -t scenarios < <(awk '
    /^[^ ]/ { suite = $1; next }
    /^  [^ ]/ { print suite $1 }' "$list_log" | tr -d '\r')
if [ "${#scenarios[@]}" -eq 0 ]; then
    echo "e2e: the driver listed no scenarios:" >&2
    cat "$list_log" >&2
    exit 1
fi

passed=0
failed=()
started=$SECONDS
for i in "${!scenarios[@]}"; do
    name=${scenarios[$i]}
    suite=${name%%.*}
    dpi=120
    lang=en_US.UTF-8
    case "$suite" in *At96Dpi*) dpi=96 ;; esac
    case "$suite" in DayFirst*) lang=en_GB.UTF-8 ;; esac

    current_prefix=$wine_root/e2e-runs/$i
    cp -a "$wine_root/e2e-$dpi" "$current_prefix"
    log=$artifacts/${name//\//_}.log
    (
        export WINEPREFIX=$current_prefix
        { export LANG=$lang LC_ALL=$lang; } 2>/dev/null
        if [ "$lang" != en_US.UTF-8 ]; then
            # Wine rewrites the regional settings when the locale changes; set them under it.
            wine reg add 'HKCU\Control Panel\International' /v sShortDate /d dd/MM/yyyy /f
            wine reg add 'HKCU\Control Panel\International' /v sDate /d / /f
        fi >/dev/null 2>&1 </dev/null
        QC_E2E_EXE=$(windows_path "$exe") QC_E2E_ARTIFACTS=$(windows_path "$artifacts") \
            wine "$driver" "--gtest_filter=$name" --gtest_color=no >"$log" 2>&1 </dev/null
    ) && result=0 || result=$?
    WINEPREFIX=$current_prefix wineserver -k 2>/dev/null || true
    rm -rf "$current_prefix"
    current_prefix=

    if [ "$result" -eq 0 ] && grep -q '^\[  PASSED  \]' "$log"; then
        passed=$((passed + 1))
        printf 'e2e: ok     %s\n' "$name"
    else
        failed+=("$name")
        printf 'e2e: FAILED %s\n' "$name"
        grep -E 'Failure|error:|Expected|Which is|actual|shows|: [A-Z]' "$log" | grep -v '^\[' |
            sed 's/^/        /' | head -n 30 || true
    fi
done

# PNG copies of the screenshots for easy viewing.
for bmp in "$artifacts"/*.bmp; do
    [ -e "$bmp" ] || continue
    convert "$bmp" "${bmp%.bmp}.png" 2>/dev/null && rm -f "$bmp"
done

echo "e2e: ${passed} passed, ${#failed[@]} failed, $((SECONDS - started)) s;" \
    "screenshots and logs in $artifacts"
[ "${#failed[@]}" -eq 0 ]
