#!/usr/bin/env bash
# The downloads of PROGRAM_DIR, checked: scripts/install-check.sh PROGRAM_DIR WORK_DIR. It packages
# the program, checks the portable zip's files, and takes the installer through its whole life in a
# fresh copy of a Wine prefix: it installs silently, checks that exactly the expected files, shortcut
# and uninstall entry appeared, starts the program from the shortcut's target and ends it,
# uninstalls with the entry's quiet command and checks that the prefix is as it was; then once more
# with a file of the user's own in the folder, which must stay.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/display-lib.sh"
program_dir=$(realpath "${1:?usage: install-check.sh PROGRAM_DIR WORK_DIR}")
work=$(realpath -m "${2:?usage: install-check.sh PROGRAM_DIR WORK_DIR}")
prefix=$work/prefix
log=$work/wine.log
started=$SECONDS

fail() {
    echo "install-check: $*" >&2
    exit 1
}
cleanup() {
    local status=$?
    WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
    qc_stop_xvfb
    if [ "$status" -eq 0 ]; then rm -rf "$work"; else echo "install-check: see $log and $prefix" >&2; fi
}

# The companion quorlin.exe goes through the installer and uninstaller once the build has it; until
# then a stand-in takes its place here, so that its part of the packaging is checked already.
rm -rf "$work"
mkdir -p "$work/program"
cp "$program_dir/QuorlinConversion.exe" "$work/program/"
if [ -f "$program_dir/quorlin.exe" ]; then
    cp "$program_dir/quorlin.exe" "$work/program/"
else
    cp "$program_dir/QuorlinConversion.exe" "$work/program/quorlin.exe"
fi
bash "$root/scripts/dist.sh" "$work/program" "$work/dist" >/dev/null
product=$(bash "$root/scripts/rc-value.sh" ProductName)
version=$(bash "$root/scripts/rc-value.sh" ProductVersion)
publisher=$(bash "$root/scripts/rc-value.sh" CompanyName)
setup=$work/dist/QuorlinConversion-$version-setup.exe
zip=$work/dist/QuorlinConversion-$version.zip

# The zip holds the files as built and a README.txt in Windows text that names the version and,
# as the zip has it, the command-line companion.
diff <(printf '%s\n' QuorlinConversion.exe README.txt quorlin.exe) <(unzip -Z1 "$zip") >&2 ||
    fail "the zip holds other files than expected"
for f in QuorlinConversion.exe quorlin.exe; do
    unzip -p "$zip" "$f" | cmp -s - "$work/program/$f" || fail "$f in the zip is not the built one"
done
readme=$(unzip -p "$zip" README.txt)
if grep -qv $'\r$' <<<"$readme"; then fail "README.txt has lines without CRLF"; fi
grep -q "^Quorlin Conversion $version"$'\r$' <<<"$readme" || fail "README.txt does not name $version"
grep -q 'quorlin --help' <<<"$readme" || fail "README.txt does not tell of quorlin.exe"

# The installer is a 32-bit program: a machine that cannot run those checks the zip only.
if [ "$QC_WINE_BITS" = 64 ]; then
    echo "install-check: the zip checked; this machine cannot run 32-bit programs, so the" \
        "installer's install, start and uninstall are skipped"
    exit 77
fi

template=$root/build/wine/install
bash "$root/scripts/wine-prefix.sh" "$template" 120
cp -a "$template" "$prefix"
qc_wine_env
# Wine's menu builder would copy every Start-menu shortcut into the Unix desktop's menus.
export WINEPREFIX=$prefix WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
trap cleanup EXIT

# What the user can see of the prefix, one line per file or folder (but the user's Temp folder, the
# system's scratch space) and per registry key and value of the user's hive, without Wine's time
# stamps. Wine writes the hive out when its server stops.
snapshot() {
    wineserver -w
    (cd "$prefix" && find drive_c -path 'drive_c/users/*/Temp' -prune -o -printf 'file %p\n')
    awk '/^\[/ { key = $0; sub(/ [0-9]+$/, "", key); print "key " key; next }
         /^(#|;|WINE REGISTRY|$)/ { next }
         { print "reg " key " " $0 }' "$prefix/user.reg"
}
# Registry text of a Windows path or a string value, as the hive file writes it.
reg_text() {
    local s=${1//\\/\\\\}
    printf '%s' "${s//\"/\\\"}"
}
# The Unix file of a path on the prefix's drive C:.
unix_path() {
    local rest=${1#[Cc]:\\}
    printf '%s/drive_c/%s' "$prefix" "${rest//\\//}"
}
shell_folder() {
    local line
    line=$(grep -F "reg [Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Explorer\\\\Shell Folders] \"$1\"=" "$before")
    line=${line#*\"=\"}
    line=${line%\"}
    printf '%s' "${line//\\\\/\\}"
}
# Prints what the second snapshot has that the first has not (+) and the other way round (-).
changes() { { diff <(sort "$1") <(sort "$2") || true; } | sed -n 's/^> /+ /p; s/^< /- /p'; }

before=$work/before.txt
snapshot >"$before"
programs_folder=$(shell_folder "Local AppData")\\Programs
install_dir=$programs_folder\\$product
shortcut=$(shell_folder Programs)\\$product.lnk
programs_list='Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall'
entry="[$programs_list\\\\QuorlinConversion]"
drive_c_line() { local p; p=$(unix_path "$1"); printf 'file %s\n' "${p#"$prefix/"}"; }

created_folder=$programs_folder # the install creates it when it is not there yet
if grep -qxF "$(drive_c_line "$programs_folder")" "$before"; then created_folder=; fi

# The install writes the program's files, the shortcut and the uninstall entry, nothing else.
wine "$setup" /S 2>>"$log" || fail "the silent install failed with status $?"
after=$work/after-install.txt
snapshot >"$after"
{
    [ -z "$created_folder" ] || drive_c_line "$created_folder"
    for f in "" QuorlinConversion.exe README.txt quorlin.exe uninstall.exe; do
        drive_c_line "$install_dir${f:+\\$f}"
    done
    drive_c_line "$shortcut"
    # The hive file names a key that holds only keys where it names those.
    if ! grep -qF -e "key [$programs_list]" -e "key [$programs_list\\\\" "$before"; then
        echo "reg $entry \"CreatedProgramsList\"=\"1\""
    fi
    [ -z "$created_folder" ] || echo "reg $entry \"CreatedFolder\"=\"$(reg_text "$created_folder")\""
    echo "key $entry"
    echo "reg $entry \"DisplayName\"=\"$(reg_text "$product")\""
    echo "reg $entry \"Publisher\"=\"$(reg_text "$publisher")\""
    echo "reg $entry \"DisplayVersion\"=\"$version\""
    echo "reg $entry \"DisplayIcon\"=\"$(reg_text "$install_dir\\QuorlinConversion.exe,0")\""
    echo "reg $entry \"InstallLocation\"=\"$(reg_text "$install_dir")\""
    echo "reg $entry \"UninstallString\"=\"$(reg_text "\"$install_dir\\uninstall.exe\"")\""
    echo "reg $entry \"QuietUninstallString\"=\"$(reg_text "\"$install_dir\\uninstall.exe\" /S")\""
    echo "reg $entry \"NoModify\"=dword:00000001"
    echo "reg $entry \"NoRepair\"=dword:00000001"
} | sed 's/^/+ /' | sort >"$work/expected.txt"
changes "$before" "$after" | { grep -vF "+ reg $entry \"EstimatedSize\"=" || true; } >"$work/actual.txt"
diff -u "$work/expected.txt" "$work/actual.txt" >&2 || fail "the install changed other things than expected"
if grep -qi quorlin "$prefix/system.reg"; then fail "the install wrote to the machine's registry"; fi

# EstimatedSize is in KiB: the installed files' size, give or take the rounding.
size_kib=$(($(grep -F "reg $entry \"EstimatedSize\"=dword:" "$after" | sed 's/.*dword:/0x/')))
bytes=$(du -cb "$(unix_path "$install_dir")"/* | tail -n 1 | cut -f 1)
[ $(((size_kib * 1024 - bytes) / 2048)) -eq 0 ] || fail "EstimatedSize is $size_kib KiB for $bytes bytes"

# The shortcut leads to the installed program, which is the built one and opens its window.
target=$(/usr/bin/python3 "$root/scripts/lnk-target.py" "$(unix_path "$shortcut")")
[ "$target" = "$install_dir\\QuorlinConversion.exe" ] || fail "the shortcut leads to $target"
cmp -s "$(unix_path "$target")" "$program_dir/QuorlinConversion.exe" ||
    fail "the installed program is not the built one"
qc_start_xvfb
wine "$target" >>"$log" 2>&1 &
program_pid=$!
qc_wait_window "Quorlin Conversions" 30 >/dev/null || fail "the main window did not appear"
wine taskkill /im QuorlinConversion.exe >>"$log" 2>&1 # sends the window WM_CLOSE, as its close box
for _ in $(seq 1 50); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.2
done
if kill -0 "$program_pid" 2>/dev/null; then fail "the program did not end when its window was closed"; fi
wait "$program_pid" || fail "the program ended with status $?"

# The entry's quiet uninstall command (as checked above) leaves the prefix as it was before.
uninstall() {
    wine "$install_dir\\uninstall.exe" /S 2>>"$log" || fail "the silent uninstall failed with status $?"
}
uninstall
changes "$before" <(snapshot) >"$work/actual.txt"
[ ! -s "$work/actual.txt" ] || { cat "$work/actual.txt" >&2; fail "the uninstall left a change behind"; }

# A file of the user's own in the program's folder stays, and so do the folders that hold it.
wine "$setup" /S 2>>"$log" || fail "the second silent install failed with status $?"
echo "mine" >"$(unix_path "$install_dir")/notes.txt"
uninstall
{
    [ -z "$created_folder" ] || drive_c_line "$created_folder"
    drive_c_line "$install_dir"
    drive_c_line "$install_dir\\notes.txt"
} | sed 's/^/+ /' | sort >"$work/expected.txt"
changes "$before" <(snapshot) >"$work/actual.txt"
diff -u "$work/expected.txt" "$work/actual.txt" >&2 || fail "the uninstall took or left other things than the user's file and its folders"

echo "install-check: installed, started, ended and uninstalled in $((SECONDS - started)) s"
