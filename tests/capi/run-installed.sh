#!/usr/bin/env bash
# Installs the build into a scratch prefix, checks the shared library's name and exports, builds
# quorlin-program.c against the installed header and libraries through pkg-config, and runs it.
#   run-installed.sh BUILD_DIR CC [EXTRA_CFLAGS]
set -euo pipefail
build=$1
cc=$2
extra=${3:-}
here=$(cd "$(dirname "$0")" && pwd)
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
pc=$(find "$prefix" -name quorlin.pc)
[ -n "$pc" ] || { echo "no quorlin.pc installed"; exit 1; }
export PKG_CONFIG_PATH=$(dirname "$pc")
libdir=$(pkg-config --variable=libdir quorlin)
[ -x "$prefix/bin/quorlin" ] || { echo "no quorlin program installed"; exit 1; }
[ -f "$(pkg-config --variable=includedir quorlin)/quorlin.h" ] || { echo "no quorlin.h"; exit 1; }

soname=$(readelf -d "$libdir/libquorlin.so" | sed -n 's/.*Library soname: \[\(.*\)\]/\1/p')
[ "$soname" = libquorlin.so.1 ] || { echo "soname is '$soname'"; exit 1; }
others=$(nm -D --defined-only "$libdir/libquorlin.so" | awk '$2 ~ /[TDBRWVi]/ && $3 !~ /^quorlin_/')
[ -z "$others" ] || { echo "symbols exported beyond quorlin_*:"; echo "$others" | head; exit 1; }

# shellcheck disable=SC2046,SC2086
"$cc" -std=c99 -Wall -Wextra -Werror -pedantic $extra $(pkg-config --cflags quorlin) \
    "$here/quorlin-program.c" -o "$prefix/program-shared" $(pkg-config --libs quorlin) \
    -Wl,-rpath,"$libdir"
# shellcheck disable=SC2046,SC2086
"$cc" -std=c99 -Wall -Wextra -Werror -pedantic $extra $(pkg-config --cflags quorlin) \
    "$here/quorlin-program.c" -o "$prefix/program-static" "$libdir/libquorlin.a" \
    $(pkg-config --static --libs-only-l quorlin | sed 's/-lquorlin//')
if readelf -d "$prefix/program-static" | grep -q libquorlin; then
    echo "the static program needs libquorlin.so"; exit 1
fi
"$prefix/program-shared"
"$prefix/program-static"
