#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the small Qt for Windows that Pallastro's Windows build links
# against, from Debian's own qt6-base source package, and prints its prefix.
# It is cached outside the work tree, keyed by the Qt source version, the
# configure options, the toolchain file and the compiler, so each machine
# builds it once (about half an hour on two cores), from nothing but
# Debian's archive as the machine's apt reaches it.
#
#   build-qt.sh            build if needed, print the prefix
#   build-qt.sh --source   print the folder of the Qt source package (.dsc
#                          and tarballs), fetching it if it is not there
#   build-qt.sh --options  print the configure options
#   PALLASTRO_CACHE=/some/folder build-qt.sh ...   cache somewhere else
set -eu

case ${1:-} in
    "" | --source | --options) mode=${1:---prefix} ;;
    *) echo "usage: build-qt.sh [--source | --options]" >&2; exit 2 ;;
esac
here=$(cd "$(dirname "$0")" && pwd)
toolchain="$here/mingw64.toolchain.cmake"
cache=${PALLASTRO_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/pallastro}
log() { echo "build-qt: $*" >&2; }

# Only what the program and its tests use: Core, Gui, Widgets, Print
# Support, Network (for its local sockets; no TLS) and Test with the
# windows, offscreen and minimal platforms and the jpeg, gif and ico image
# readers. Debian's +dfsg source has no wintab, so tablet events go;
# the windows platform plugin does not link in 6.4 without direct2d, so only
# its 1.1 variant is turned off.
options="
-DBUILD_SHARED_LIBS=ON
-DCMAKE_BUILD_TYPE=Release
-DQT_BUILD_EXAMPLES=OFF
-DQT_BUILD_TESTS=OFF
-DQT_BUILD_BENCHMARKS=OFF
-DQT_BUILD_TOOLS_WHEN_CROSSCOMPILING=OFF
-DQT_QMAKE_TARGET_MKSPEC=win32-g++
-DFEATURE_dbus=OFF
-DFEATURE_sql=OFF
-DFEATURE_network=ON
-DFEATURE_openssl=OFF
-DFEATURE_concurrent=OFF
-DFEATURE_xml=OFF
-DFEATURE_printsupport=ON
-DINPUT_opengl=no
-DFEATURE_opengl=OFF
-DFEATURE_vulkan=OFF
-DFEATURE_icu=OFF
-DFEATURE_zstd=OFF
-DFEATURE_brotli=OFF
-DFEATURE_tabletevent=OFF
-DFEATURE_direct2d1_1=OFF
-DFEATURE_system_zlib=OFF
-DFEATURE_system_jpeg=OFF
-DFEATURE_system_png=OFF
-DFEATURE_system_freetype=OFF
-DFEATURE_system_harfbuzz=OFF
-DFEATURE_system_pcre2=OFF
-DFEATURE_system_doubleconversion=OFF
-DFEATURE_jpeg=ON
-DFEATURE_gif=ON
-DFEATURE_png=ON
-DFEATURE_freetype=ON
-DFEATURE_harfbuzz=ON
"

# The licence notice of the Windows packages names them.
if [ "$mode" = --options ]; then
    printf '%s\n' "$options" | sed '/^$/d'
    exit 0
fi
mkdir -p "$cache"
cache=$(cd "$cache" && pwd)

# A private apt set-up that knows only the source side of the machine's own
# Debian entries; the machine's apt sources are never touched.
apt="$cache/apt"
mkdir -p "$apt/sources.list.d" "$apt/lists/partial"
for f in /etc/apt/sources.list.d/*.sources; do
    if grep -qs debian "$f"; then sed 's/^Types:.*/Types: deb-src/' "$f"; fi
done > "$apt/sources.list.d/debian-src.sources"
if [ ! -s "$apt/sources.list.d/debian-src.sources" ] && [ -f /etc/apt/sources.list ]; then
    grep -E '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' > "$apt/sources.list.d/debian-src.list"
    rm -f "$apt/sources.list.d/debian-src.sources"
fi
set -- -o Dir::Etc::sourcelist=/dev/null -o Dir::Etc::sourceparts="$apt/sources.list.d" \
       -o Dir::State::Lists="$apt/lists" -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache=
# apt's download user cannot write into a root-owned cache folder.
[ "$(id -u)" != 0 ] || set -- "$@" -o APT::Sandbox::User=root
if [ -z "$(ls "$apt/lists" | grep -v partial || true)" ] || [ -n "${PALLASTRO_APT_REFRESH:-}" ]; then
    log "reading the source package lists"
    apt-get "$@" -qq update >&2
fi
version=$(apt-cache "$@" showsrc qt6-base 2>/dev/null | sed -n 's/^Version: //p' | sort -V | tail -n 1)
[ -n "$version" ] || { log "no qt6-base source package known to apt"; exit 1; }

# The source package as fetched, kept for as long as the Qt built from it:
# the Windows packages are shipped with it beside them. keep_source FOLDER
# copies the .dsc in FOLDER and the files it lists there, unless they are
# there already. The source has a lock of its own, so that it is fetched in
# a minute even while a Qt build holds the build lock.
source_dir="$cache/source/qt6-base_$version"
keep_source() {
    [ ! -f "$source_dir/.complete" ] || return 0
    dsc=$(find "$1" -maxdepth 1 -name 'qt6-base_*.dsc' | head -n 1)
    [ -n "$dsc" ] || { log "no .dsc in $1"; return 1; }
    rm -rf "$source_dir.new"
    mkdir -p "$source_dir.new"
    for f in "$dsc" $(sed -n '/^Files:/,/^[^ ]/s/^ [0-9a-f]\{32\} [0-9]* //p' "$dsc"); do
        cp -p "$1/${f##*/}" "$source_dir.new/"
    done
    touch "$source_dir.new/.complete"
    rm -rf "$source_dir"
    mv "$source_dir.new" "$source_dir"
}
if [ "$mode" = --source ]; then
    exec 8>"$cache/.source.lock"
    flock 8
    if [ ! -f "$source_dir/.complete" ]; then
        fetch="$cache/source/fetch-$$"
        rm -rf "$fetch"
        mkdir -p "$fetch"
        log "fetching the qt6-base $version source package"
        ( cd "$fetch" && apt-get "$@" -qq source --download-only "qt6-base=$version" >&2 )
        keep_source "$fetch"
        rm -rf "$fetch"
    fi
    echo "$source_dir"
    exit 0
fi

# The DLLs must not depend on where or when they were built: every path the
# compiler would write into them is mapped to one that is the same on every
# machine, and every date is that of the Qt source release.
reproducible_flags="-ffile-prefix-map=@WORK@=/usr/src/qt6-base-win64"

key=$( { echo "$version"; echo "$options"; echo "$reproducible_flags"; cat "$toolchain"; x86_64-w64-mingw32-g++-posix --version | head -n 1; } \
       | sha256sum | cut -c1-12)
prefix="$cache/qt-$version-win64-$key"
# One build at a time per cache; a second caller waits and then finds it.
[ -f "$prefix/.complete" ] || { exec 9>"$cache/.build-qt.lock"; flock 9; }
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

work="$cache/work-$key"
rm -rf "$work" "$prefix"
mkdir -p "$work"
log "Qt $version for Windows is built once for this machine; this takes about half an hour"
( cd "$work" && apt-get "$@" -qq source "qt6-base=$version" >&2 )
src=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
[ -f "$src/CMakeLists.txt" ] || { log "the source package did not unpack"; exit 1; }
( exec 8>"$cache/.source.lock"; flock 8; keep_source "$work" )

SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$src/debian/changelog" -STimestamp)
export SOURCE_DATE_EPOCH
flags=$(printf '%s' "$reproducible_flags" | sed "s|@WORK@|$work|g")
# step LOG COMMAND...: runs COMMAND into LOG, and shows the end of LOG if it fails.
step() { log_file=$1; shift; "$@" >"$log_file" 2>&1 || { tail -n 40 "$log_file" >&2; exit 1; }; }
# shellcheck disable=SC2086
step "$work/configure.log" cmake -S "$src" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    "-DCMAKE_C_FLAGS=$flags" "-DCMAKE_CXX_FLAGS=$flags" $options
step "$work/build.log" cmake --build "$work/build" --parallel "${JOBS:-$(nproc 2>/dev/null || echo 2)}"
step "$work/install.log" cmake --install "$work/build"

echo "$version" > "$prefix/.complete"
rm -rf "$work"
log "Qt for Windows is in $prefix"
echo "$prefix"
