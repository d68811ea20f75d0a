#!/usr/bin/env bash
# Builds the Debian packages, offline: scripts/deb.sh [BUILD_DIR] [OUT_DIR] (defaults build/deb
# and dist). Configures a release build with Debian's hardening flags, installs it into a staging
# root and splits that into OUT_DIR/quorlin_VERSION_amd64.deb (the program, libquorlin.so.1, the
# manual page, bash completion), libquorlin-dev_VERSION_amd64.deb (header, static library,
# pkg-config file, the .so link) and python3-quorlin_VERSION_amd64.deb (the Python module).
# VERSION, the publisher and the copyright come from the program's version information; the
# maintainer is DEB_MAINTAINER when set, else the publisher. The Python module is built for
# Debian's own /usr/bin/python3.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build/deb}")
out_dir=$(realpath -m "${2:-$root/dist}")
rc_value() { bash "$root/scripts/rc-value.sh" "$1"; }
version=$(rc_value ProductVersion)
product=$(rc_value ProductName)
publisher=$(rc_value CompanyName)
copyright=$(rc_value LegalCopyright)
maintainer=${DEB_MAINTAINER:-"$publisher <packages@${publisher,,}.invalid>"}
# The packages' dates (changelog, manual page) are those of the last commit, so a build of the
# same tree makes the same files.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct 2>/dev/null || date +%s)}
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)

# Debian's flags: hardening (stack protector, fortified sources, read-only relocations, bind
# now), file paths relative to the tree (the folder they are asked in), debug information
# stripped below.
cd "$root"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
flags() { dpkg-buildflags --get "$1"; }
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_C_FLAGS="$(flags CFLAGS) $(flags CPPFLAGS)" \
    -DCMAKE_CXX_FLAGS="$(flags CXXFLAGS) $(flags CPPFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)" -DCMAKE_SHARED_LINKER_FLAGS="$(flags LDFLAGS)" \
    -DCMAKE_MODULE_LINKER_FLAGS="$(flags LDFLAGS)" -DQC_PYTHON=ON \
    -DPython_EXECUTABLE=/usr/bin/python3 >/dev/null
# Only what is installed; the tests are not built here.
cmake --build "$build" -j "${JOBS:-2}" --target quorlin manual quorlin_shared quorlin_static \
    quorlin_python quorlin_python_files

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
stage=$work/stage
DESTDIR=$stage cmake --install "$build" >/dev/null

# The source tree dpkg-shlibdeps and dpkg-gencontrol read: debian/control, debian/changelog and
# one root per package, debian/PACKAGE.
deb=$work/debian
mkdir -p "$deb"
fill() {
    sed -e "s|@VERSION@|$version|g" -e "s|@MAINTAINER@|$maintainer|g" -e "s|@PRODUCT@|$product|g" \
        -e "s|@COPYRIGHT@|${copyright#Copyright (C) }|g" \
        -e "s|@DATE@|$(date -R -u -d "@$SOURCE_DATE_EPOCH")|g" "$1"
}
fill "$root/packaging/debian/control" >"$deb/control"
fill "$root/packaging/debian/changelog.in" >"$deb/changelog"

# Each staged file goes to one package, by its path.
package_of() {
    case $1 in
    usr/lib/python3/*) echo python3-quorlin ;;
    usr/include/* | usr/lib/"$multiarch"/libquorlin.a | usr/lib/"$multiarch"/libquorlin.so | \
        usr/lib/"$multiarch"/pkgconfig/*) echo libquorlin-dev ;;
    *) echo quorlin ;;
    esac
}
(cd "$stage" && find . ! -type d -printf '%P\n') | while IFS= read -r file; do
    package=$(package_of "$file")
    mkdir -p "$deb/$package/$(dirname "$file")"
    mv "$stage/$file" "$deb/$package/$file"
done
packages=(quorlin libquorlin-dev python3-quorlin)
for package in "${packages[@]}"; do
    if [ ! -d "$deb/$package" ]; then
        echo "deb: the build installed nothing for $package" >&2
        exit 1
    fi
done

for package in "${packages[@]}"; do
    pkg=$deb/$package
    # Binaries without debug information or notes, as Debian ships them.
    find "$pkg" -type f \( -name '*.so*' -o -path '*/bin/*' \) -exec \
        strip --strip-unneeded --remove-section=.comment --remove-section=.note {} +
    find "$pkg" -type f -name '*.a' -exec strip --strip-debug --remove-section=.comment \
        --remove-section=.note --enable-deterministic-archives {} +
    find "$pkg" -type f -path '*/man/*' -exec gzip -9n {} +
    find "$pkg" -type d -name __pycache__ -prune -exec rm -rf {} +
    doc=$pkg/usr/share/doc/$package
    mkdir -p "$doc"
    fill "$root/packaging/debian/copyright.in" >"$doc/copyright"
    gzip -9n <"$deb/changelog" >"$doc/changelog.gz"
    mkdir -p "$pkg/DEBIAN"
    for script in postinst prerm; do
        if [ -f "$root/packaging/debian/$package.$script" ]; then
            install -m 0755 "$root/packaging/debian/$package.$script" "$pkg/DEBIAN/$script"
        fi
    done
done

# The shared library: its shlibs line and symbols for what links it, and ldconfig run when it
# comes or goes.
echo "libquorlin 1 quorlin (>= $version)" >"$deb/quorlin/DEBIAN/shlibs"
echo "activate-noawait ldconfig" >"$deb/quorlin/DEBIAN/triggers"
(cd "$work" && dpkg-gensymbols -q -pquorlin -Pdebian/quorlin)
sed -i '1a\* Build-Depends-Package: libquorlin-dev' "$deb/quorlin/DEBIAN/symbols"

mkdir -p "$out_dir"
cd "$work"
for package in "${packages[@]}"; do
    pkg=debian/$package
    objects=$(find "$pkg" -type f \( -name '*.so*' -o -path '*/bin/*' \) ! -name '*.a' -printf '%p ')
    if [ -n "$objects" ]; then
        # shellcheck disable=SC2086
        dpkg-shlibdeps -T"debian/$package.substvars" $objects
    fi
    echo "misc:Depends=" >>"debian/$package.substvars"
    dpkg-gencontrol -p"$package" -P"$pkg" -T"debian/$package.substvars"
    (cd "$pkg" && find . -type f ! -path './DEBIAN/*' -printf '%P\0' | LC_ALL=C sort -z |
        xargs -0r md5sum >DEBIAN/md5sums)
    find "$pkg" -type d -exec chmod 0755 {} +
    find "$pkg" -type f ! -path '*/DEBIAN/*' -exec chmod 0644 {} +
    find "$pkg" \( -path '*/bin/*' -o -path '*/DEBIAN/post*' -o -path '*/DEBIAN/pre*' \) \
        -type f -exec chmod 0755 {} +
    file=$out_dir/${package}_${version}_amd64.deb
    dpkg-deb --root-owner-group -Zxz --build "$pkg" "$file" >/dev/null
    echo "deb: $file"
done
