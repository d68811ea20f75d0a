#!/usr/bin/env bash
# The set-up's copy of the apt sources without the suites whose index failed: both source formats,
# a suite dropped from a stanza that keeps others, a stanza left with none dropped, and the
# machine's own files left as they were.
set -euo pipefail
script=$(cd "$(dirname "$0")/../.." && pwd)/scripts/apt-sources-without.sh
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/etc/sources.list.d"
cat >"$tmp/etc/sources.list.d/debian.sources" <<'SRC'
Types: deb
URIs: http://deb.debian.org/debian/
Suites: bookworm bookworm-updates
Components: main

Types: deb
URIs: http://deb.debian.org/debian-security
Suites: bookworm-security
Components: main
SRC
cat >"$tmp/etc/sources.list" <<'SRC'
deb [arch=amd64 signed-by=/k.gpg] http://deb.debian.org/debian-security bookworm-security main
deb http://deb.debian.org/debian bookworm main
SRC
cp -r "$tmp/etc" "$tmp/before"

printf '%s\n' 'http://deb.debian.org/debian-security bookworm-security' \
  'http://deb.debian.org/debian bookworm-updates' |
  bash "$script" "$tmp/etc" "$tmp/out"

failures=0
expect() {  # expect FILE PATTERN present|absent
  if grep -q -- "$2" "$tmp/out/$1"; then found=present; else found=absent; fi
  if [ "$found" != "$3" ]; then
    echo "FAIL: $1: '$2' is $found, expected $3"
    failures=$((failures + 1))
  fi
}
expect debian.sources '^Suites: bookworm$' present
expect debian.sources 'bookworm-updates' absent
expect debian.sources 'debian-security' absent
expect debian.sources '^Components: main' present
expect main.list 'bookworm-security' absent
expect main.list '^deb http://deb.debian.org/debian bookworm main$' present
if ! diff -r "$tmp/before" "$tmp/etc" >/dev/null; then
  echo "FAIL: the original sources changed"
  failures=$((failures + 1))
fi
echo "$((7 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
