#!/usr/bin/env bash
# Builds Qt for 64-bit Windows (MinGW-w64, POSIX threads) from Debian's own source of the Qt the
# Linux build uses, so both builds run the same Qt version. The result lives outside the
# repository, in ~/.cache/brenvox/qt6-mingw-<version>, and is built only when it is missing or of
# another version than the host Qt. Prints the install path, and nothing else, on stdout.
# Usage: scripts/qt-mingw.sh [--jobs N]   (environment: BRENVOX_CACHE overrides ~/.cache/brenvox)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
if [ "${1:-}" = "--jobs" ]; then jobs=$2; fi

# The user's home from the password database when HOME is unset (a bare CI or `env -i` shell).
home=${HOME:-$(getent passwd "$(id -u)" | cut -d: -f6)}
cache=${BRENVOX_CACHE:-$home/.cache/brenvox}
version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null | sed 's/[+~-].*//')
[ -n "$version" ] || { echo "qt6-base-dev is not installed: run scripts/deps.sh" >&2; exit 2; }
prefix="$cache/qt6-mingw-$version"
# The stamp is written last: an interrupted build leaves no stamp and is redone, never used.
stamp="$prefix/.brenvox-built"
# Files Qt reads at run time that the build does not make: Qt's Polish texts (the same version's
# compiled translation from the host's Qt; the files are the same on every platform), and fonts
# for the offscreen platform, which on Windows reads them from lib/fonts rather than asking
# the system: Wine's Tahoma (the program's font) and DejaVu (the substitute elsewhere).
AddRuntimeFiles() {
    mkdir -p "$prefix/translations" "$prefix/lib/fonts"
    cp -u /usr/share/qt6/translations/qtbase_pl.qm "$prefix/translations/" 2>/dev/null ||
        echo "no /usr/share/qt6/translations/qtbase_pl.qm (qt6-translations-l10n): Qt's texts stay English" >&2
    cp -u /usr/share/wine/fonts/tahoma*.ttf /usr/share/fonts/truetype/dejavu/DejaVuSans*.ttf \
        "$prefix/lib/fonts/" 2>/dev/null || echo "fonts-wine or fonts-dejavu-core missing" >&2
}
if [ -f "$stamp" ]; then
    AddRuntimeFiles
    echo "$prefix"
    exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
work="$cache/qt6-mingw-$version-work"
echo "Qt $version for MinGW is not built on this machine yet: building it once into $prefix" \
    "(about 25 minutes on 2 cores)" >&2
mkdir -p "$work"
cd "$work"

# The source package comes from the same archive as the machine's binary packages: a deb-src
# entry is added beside them (once) when apt knows no source for qt6-base.
src=$(ls -d qt6-base-"$version"*/ 2>/dev/null | head -n1 || true)
if [ -z "$src" ]; then
    if ! apt-get source --print-uris qt6-base >/dev/null 2>&1; then
        list=/etc/apt/sources.list.d/brenvox-deb-src.sources
        for f in /etc/apt/sources.list.d/debian.sources; do
            [ -f "$f" ] && sed -n 's/^Types: deb$/Types: deb-src/;p' "$f"
        done | $SUDO tee "$list" >/dev/null
        if [ ! -s "$list" ]; then
            # One-line format (/etc/apt/sources.list): the same entries as deb-src.
            grep -h '^deb ' /etc/apt/sources.list 2>/dev/null | grep -i debian | sed 's/^deb /deb-src /' |
                $SUDO tee /etc/apt/sources.list.d/brenvox-deb-src.list >/dev/null
            $SUDO rm -f "$list"
        fi
        $SUDO apt-get update -qq
    fi
    # The exact source version of the installed binary package, so headers and tools match.
    srcversion=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
    apt-get source --only-source "qt6-base=$srcversion" 2>&1 | tail -n 3 >&2
    src=$(ls -d qt6-base-"$version"*/ | head -n1)
fi
src=${src%/}

# With OpenGL off, one OpenGL-only helper of the windows platform plugin is still compiled; the
# patch guards it. (Debian's source leaves out the Windows tablet header: tablet events are off.)
if [ ! -f "$src/.brenvox-patched" ]; then
    patch -d "$src" -p1 < "$root/scripts/patches/qt6-base-mingw.patch" >&2
    touch "$src/.brenvox-patched"
fi

toolchain="$work/toolchain.cmake"
cat > "$toolchain" <<TC
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 $prefix)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
TC

launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

# Only what the program and its tests use: Core, Gui, Widgets, PrintSupport, Test and the
# windows/offscreen/minimal platform plugins, no JPEG (the program draws none). Direct2D stays on:
# with it off Gui leaves out the DirectWrite font engine that PrintSupport still calls, and
# Qt6PrintSupport.dll fails to link. Every third-party library is Qt's bundled copy, so
# nothing of the host's /usr enters the Windows build.
t0=$(date +%s)
cmake -S "$src" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    "${launcher[@]}" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
    -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF \
    -DFEATURE_xml=OFF -DFEATURE_opengl=OFF -DFEATURE_tabletevent=OFF \
    -DFEATURE_direct2d=ON -DFEATURE_jpeg=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF \
    -DFEATURE_system_jpeg=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF \
    -DFEATURE_system_doubleconversion=OFF -DFEATURE_zstd=OFF \
    > "$work/configure.log" 2>&1 || { tail -n 40 "$work/configure.log" >&2; exit 1; }
t1=$(date +%s)
echo "Qt for MinGW: configured in $((t1 - t0)) s" >&2
cmake --build "$work/build" -j "$jobs" > "$work/build.log" 2>&1 ||
    { tail -n 40 "$work/build.log" >&2; exit 1; }
t2=$(date +%s)
echo "Qt for MinGW: built in $((t2 - t1)) s" >&2
cmake --install "$work/build" > "$work/install.log" 2>&1
AddRuntimeFiles
touch "$stamp"
# The source and the build tree (1.5 GB) are not needed again: a rebuild fetches the source anew.
rm -rf "$work"
echo "$prefix"
