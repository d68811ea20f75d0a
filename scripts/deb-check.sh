#!/usr/bin/env bash
# Checks the Debian packages scripts/deb.sh made: scripts/deb-check.sh [DIST_DIR] (default dist).
# Their contents; then an install on this machine (as root, or through sudo) and what it gives:
# `quorlin --version`, `man -w quorlin`, a completion answered by bash, a C program built through
# pkg-config against the library, `import quorlin` in Debian's Python; then a purge, after which
# the machine's files and packages must be as they were. Packages of these names already
# installed are left alone: the check refuses to run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dist=$(realpath "${1:-$root/dist}")
version=$(bash "$root/scripts/rc-value.sh" ProductVersion)
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
packages=(quorlin libquorlin-dev python3-quorlin)
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
failed=0
fail() { failed=$((failed + 1)); echo "deb-check: FAILED $*"; }
work=$(mktemp -d)
installed=false
cleanup() {
    if $installed; then
        "${sudo_cmd[@]}" apt-get purge -y -qq -o DPkg::Lock::Timeout=600 "${packages[@]}" >/dev/null 2>&1 || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

for package in "${packages[@]}"; do
    if dpkg-query -W -f '${db:Status-Status}' "$package" 2>/dev/null | grep -qv '^not-installed$'; then
        echo "deb-check: $package is installed on this machine already; remove it first" >&2
        exit 1
    fi
done

# --- Contents: every file each package must hold, all owned by root.
declare -A expected=(
    [quorlin]="./usr/bin/quorlin ./usr/lib/$multiarch/libquorlin.so.1
        ./usr/share/man/man1/quorlin.1.gz ./usr/share/bash-completion/completions/quorlin
        ./usr/share/doc/quorlin/copyright ./usr/share/doc/quorlin/changelog.gz"
    [libquorlin-dev]="./usr/include/quorlin.h ./usr/lib/$multiarch/libquorlin.a
        ./usr/lib/$multiarch/libquorlin.so ./usr/lib/$multiarch/pkgconfig/quorlin.pc
        ./usr/share/doc/libquorlin-dev/copyright"
    [python3-quorlin]="./usr/lib/python3/dist-packages/quorlin/__init__.py
        ./usr/share/doc/python3-quorlin/copyright"
)
debs=()
for package in "${packages[@]}"; do
    deb=$dist/${package}_${version}_amd64.deb
    if [ ! -f "$deb" ]; then
        fail "$deb is missing"
        continue
    fi
    debs+=("$deb")
    listing=$(dpkg-deb -c "$deb")
    for path in ${expected[$package]}; do
        grep -q " $path\( -> .*\)\?$" <<<"$listing" || fail "$package lacks $path"
    done
    if awk '$2 != "root/root"' <<<"$listing" | grep -q .; then
        fail "$package holds files not owned by root"
    fi
done
python_deb=$dist/python3-quorlin_${version}_amd64.deb
if [ -f "$python_deb" ] && ! grep -q '/quorlin/_quorlin.*\.so$' <<<"$(dpkg-deb -c "$python_deb")"; then
    fail "python3-quorlin lacks its extension module"
fi
if [ "$failed" -ne 0 ]; then exit 1; fi

# --- The machine before: its files where packages put them, and its packages.
snapshot() {
    find /usr /etc /opt /var/lib/dpkg/info -xdev 2>/dev/null | LC_ALL=C sort >"$work/files.$1"
    dpkg-query -W -f '${Package} ${Version} ${db:Status-Status}\n' | LC_ALL=C sort >"$work/packages.$1"
}
snapshot before

installed=true
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends -o DPkg::Lock::Timeout=600 \
    "${debs[@]}" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "the install"; exit 1; }

# --- What the install gives.
[ "$(/usr/bin/quorlin --version)" = "quorlin $version" ] || fail "quorlin --version: $(/usr/bin/quorlin --version)"
[ "$(/usr/bin/quorlin oconv D4- 21527)" = "12-08-2026" ] || fail "quorlin oconv D4- 21527"
[ "$(man -w quorlin)" = /usr/share/man/man1/quorlin.1.gz ] || fail "man -w quorlin: $(man -w quorlin 2>&1)"
man quorlin 2>/dev/null | grep -q 'CONVERSION CODES' || fail "man quorlin shows no conversion codes"
bash "$root/tests/cli/completion-check.sh" installed || fail "completion"
cat >"$work/version.c" <<'C'
#include <quorlin.h>
#include <stdio.h>
int main(void) { return puts(quorlin_version()) < 0; }
C
# shellcheck disable=SC2046
if cc -o "$work/version" "$work/version.c" $(pkg-config --cflags --libs quorlin); then
    [ "$("$work/version")" = "$version" ] || fail "the C program linked to libquorlin: $("$work/version")"
    libraries=$(ldd "$work/version")
    grep -Eq "libquorlin\.so\.1 => (/usr)?/lib/$multiarch/libquorlin\.so\.1 " <<<"$libraries" ||
        fail "the C program does not load the installed libquorlin.so.1: $libraries"
else
    fail "a C program built through pkg-config"
fi
(cd "$work" && /usr/bin/python3 -c 'import sys, quorlin; sys.exit(quorlin.oconv("D4-", "21527") != "12-08-2026")') ||
    fail "import quorlin and convert in /usr/bin/python3"

# --- The purge: the machine as it was.
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq -o DPkg::Lock::Timeout=600 "${packages[@]}" \
    >"$work/purge.log" 2>&1 || { cat "$work/purge.log"; fail "the purge"; }
installed=false
snapshot after
diff "$work/files.before" "$work/files.after" >"$work/files.diff" || fail "files left behind or removed: $(head -20 "$work/files.diff")"
diff "$work/packages.before" "$work/packages.after" >"$work/packages.diff" || fail "packages changed: $(cat "$work/packages.diff")"

if [ "$failed" -ne 0 ]; then exit 1; fi
echo "deb-check: ${#debs[@]} packages: contents, install, program, manual page, completion, library, module, purge"
