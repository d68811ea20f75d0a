#!/usr/bin/env bash
# Prints one value of the program's version information: scripts/rc-value.sh NAME
# (ProductName, ProductVersion, CompanyName, LegalCopyright, ...). The resource file is the one
# place these are written; packaging reads them from there.
set -euo pipefail
name=${1:?usage: rc-value.sh NAME}
rc=$(cd "$(dirname "$0")/.." && pwd)/src/app/res/QuorlinConversion.rc
mapfile -t values < <(tr -d '\r' <"$rc" |
    sed -n "s/^[[:space:]]*VALUE \"$name\", \"\\([^\"]*\\)\"[[:space:]]*\$/\\1/p")
if [ "${#values[@]}" -ne 1 ] || [ -z "${values[0]}" ]; then
    echo "rc-value: $rc has no single value \"$name\"" >&2
    exit 1
fi
printf '%s\n' "${values[0]}"
