#!/usr/bin/env bash
# Packages the win32 build for Windows users: scripts/dist.sh [PROGRAM_DIR] [OUT_DIR]
# (defaults build/win32 and dist). Writes OUT_DIR/QuorlinConversion-VERSION-setup.exe (NSIS, per
# user) and OUT_DIR/QuorlinConversion-VERSION.zip (portable): the program, README.txt and, once
# the build has it, the command-line companion quorlin.exe. Name, version, publisher and
# copyright come from the program's version information.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program_dir=$(realpath "${1:-$root/build/win32}")
out_dir=$(realpath -m "${2:-$root/dist}")

if [ ! -f "$program_dir/QuorlinConversion.exe" ]; then
    echo "dist: $program_dir/QuorlinConversion.exe is missing; build it with 'make win32'" >&2
    exit 1
fi
rc_value() { bash "$root/scripts/rc-value.sh" "$1"; }
product=$(rc_value ProductName)
version=$(rc_value ProductVersion)
publisher=$(rc_value CompanyName)
copyright=$(rc_value LegalCopyright)
# The installer's own version information takes only four numbers.
if ! [[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+\.[0-9]+$ ]]; then
    echo "dist: ProductVersion \"$version\" is not four numbers" >&2
    exit 1
fi

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
files=(QuorlinConversion.exe README.txt)
cp "$program_dir/QuorlinConversion.exe" "$stage/"
has_cli=false
if [ -f "$program_dir/quorlin.exe" ]; then
    has_cli=true
    files+=(quorlin.exe)
    cp "$program_dir/quorlin.exe" "$stage/"
fi
# Windows users read it in Notepad: CRLF line ends; the command-line part only when it ships.
readme_filter='/^@CLI@$/d; /^@END_CLI@$/d'
if ! $has_cli; then readme_filter='/^@CLI@$/,/^@END_CLI@$/d'; fi
sed_text() { printf '%s' "$1" | sed 's/[\/&]/\\&/g'; }
sed -e "$readme_filter" -e "s/@VERSION@/$(sed_text "$version")/g" \
    -e "s/@COPYRIGHT@/$(sed_text "$copyright")/g" \
    -e 's/$/\r/' "$root/packaging/README.txt" >"$stage/README.txt"

mkdir -p "$out_dir"
zip_file=$out_dir/QuorlinConversion-$version.zip
setup_file=$out_dir/QuorlinConversion-$version-setup.exe
rm -f "$zip_file" "$setup_file"
(cd "$stage" && zip -q -X -9 "$zip_file" "${files[@]}")
makensis -V2 -NOCD "-DPRODUCT=$product" "-DVERSION=$version" "-DPUBLISHER=$publisher" \
    "-DCOPYRIGHT=$copyright" "-DSTAGE=$stage" "-DICON=$root/src/app/res/QuorlinConversion.ico" \
    "-DOUTFILE=$setup_file" "$root/packaging/QuorlinConversion.nsi"
echo "dist: $setup_file"
echo "dist: $zip_file (${files[*]})"
