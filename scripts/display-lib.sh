# Shared by run.sh, screenshot.sh and e2e.sh (sourced, not run): a private virtual X display
# and a screenshot of the program's main window. Everything started here is stopped by its PID.
# `wine` is 64-bit Wine where the machine cannot run 32-bit programs (wine-bits.sh).
source "$(dirname "${BASH_SOURCE[0]}")/wine-bits.sh"

# Starts Xvfb on the first free display number from 90 on; sets QC_XVFB_PID and DISPLAY.
qc_start_xvfb() {
    local n
    for n in $(seq 90 199); do
        if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
            Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
            QC_XVFB_PID=$!
            local i
            for i in $(seq 1 50); do
                if [ -e "/tmp/.X11-unix/X$n" ]; then
                    export DISPLAY=":$n"
                    return 0
                fi
                if ! kill -0 "$QC_XVFB_PID" 2>/dev/null; then
                    break # lost the race for this number to someone else; try the next
                fi
                sleep 0.1
            done
            kill "$QC_XVFB_PID" 2>/dev/null || true
            wait "$QC_XVFB_PID" 2>/dev/null || true
            QC_XVFB_PID=
        fi
    done
    echo "no free X display number for Xvfb" >&2
    return 1
}

qc_stop_xvfb() {
    if [ -n "${QC_XVFB_PID:-}" ]; then
        kill "$QC_XVFB_PID" 2>/dev/null || true
        wait "$QC_XVFB_PID" 2>/dev/null || true
        QC_XVFB_PID=
    fi
}

# Waits up to $2 seconds for a visible X window whose name is exactly $1; prints its X id.
qc_wait_window() {
    local name=$1 seconds=${2:-30} i id
    for i in $(seq 1 $((seconds * 5))); do
        id=$(xdotool search --onlyvisible --name "^${name}\$" 2>/dev/null | head -n 1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.2
    done
    return 1
}

# Saves the part of the screen that X window $1 covers (with a small margin) as PNG file $2.
qc_shoot_window() {
    local id=$1 out=$2 x y w h X Y WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$id" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
    x=$((X > 8 ? X - 8 : 0)) y=$((Y > 8 ? Y - 8 : 0)) w=$((WIDTH + 16)) h=$((HEIGHT + 16))
    mkdir -p "$(dirname "$out")"
    xwd -root -silent | convert xwd:- -crop "${w}x${h}+${x}+${y}" +repage "png:$out"
}

# Starts the program under Wine on the current display with prefix $2, waits for its main window,
# saves a screenshot of it as $3 and stops the prefix's processes again. $1 is the program file.
qc_screenshot_program() {
    local exe=$1 prefix=$2 out=$3 pid id status=0
    WINEPREFIX=$prefix wine "$exe" >/dev/null 2>&1 &
    pid=$!
    if id=$(qc_wait_window "Quorlin Conversions" 60); then
        sleep 1 # let the controls finish painting
        qc_shoot_window "$id" "$out"
    else
        echo "the main window \"Quorlin Conversions\" did not appear" >&2
        status=1
    fi
    WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    return "$status"
}

# The environment every Wine run of the program gets: quiet, no Mono/Gecko prompts, pinned locale.
# (bash warns when the locale is not generated on the machine; Wine does not need it generated.)
qc_wine_env() {
    export WINEARCH=win$QC_WINE_BITS WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    { export LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8; } 2>/dev/null
}

# The built program and a ready prefix for it at 120 dpi: $1 names the caller in messages, $2 is
# the prefix. Sets QC_EXE and exports WINEPREFIX with the Wine environment.
qc_program_in_prefix() {
    QC_EXE=build/win32/QuorlinConversion.exe
    if [ "$QC_WINE_BITS" = 64 ]; then
        echo "$1: this machine cannot run 32-bit programs: it runs the 64-bit build under wine64"
        QC_EXE=build/win64/QuorlinConversion.exe
        bash scripts/build-win64.sh build/win64 QuorlinConversion >/dev/null
    fi
    if [ ! -f "$QC_EXE" ]; then
        echo "$1: $QC_EXE is missing; build it with 'make win32'" >&2
        exit 1
    fi
    bash scripts/wine-prefix.sh "$2" 120
    qc_wine_env
    export WINEPREFIX=$2
}
