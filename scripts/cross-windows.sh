#!/usr/bin/env bash
# Cross-compiles brenvox_core and brenvox-cli for 64-bit Windows with MinGW-w64, so that the
# Windows serial port code is built on every change; given Qt for MinGW (scripts/qt-mingw.sh) also
# Brenvox.exe and the Qt Test programs of tests/gui.
# Usage: scripts/cross-windows.sh [BUILD_DIR [QT_PREFIX]]   (default: build-win, no GUI)
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build-win}")  # absolute: the CMake package dirs below must not depend on the caller's folder
qt=${2:-}
prefix="$build/cross-prefix"

command -v x86_64-w64-mingw32-g++ >/dev/null || {
    echo "x86_64-w64-mingw32-g++ not found (Debian package g++-mingw-w64-x86-64)" >&2
    exit 2
}

# Only the two header-only libraries, not /usr/include as a whole: host system headers must
# never shadow the MinGW ones.
mkdir -p "$prefix/include" "$prefix/share/cmake/nlohmann_json" "$prefix/share/cmake/CLI11"
ln -sfn /usr/include/CLI "$prefix/include/CLI"
ln -sfn /usr/include/nlohmann "$prefix/include/nlohmann"
# The package files locate their headers relative to themselves, so they are copied, not linked.
cp /usr/share/cmake/nlohmann_json/*.cmake "$prefix/share/cmake/nlohmann_json/"
cli11_args=""
if [ -f /usr/share/cmake/CLI11/CLI11Config.cmake ]; then
    cp /usr/share/cmake/CLI11/*.cmake "$prefix/share/cmake/CLI11/"
    cli11_args="-DCLI11_DIR=$prefix/share/cmake/CLI11"
fi

gui_args=(-DBRENVOX_GUI=OFF)
targets=(brenvox_core brenvox-cli)
if [ -n "$qt" ]; then
    gui_args=(-DBRENVOX_GUI=ON -DBRENVOX_WINDOWS_GUI_TESTS=ON -DBRENVOX_QT_MINGW="$qt"
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
    targets=(all)
elif grep -q '^BRENVOX_QT_MINGW:[A-Z]*=.' "$build/CMakeCache.txt" 2>/dev/null; then
    gui_args=()  # a build made with Qt stays one; only the command-line targets are built here
fi

cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DBRENVOX_WERROR=ON \
    "${gui_args[@]}" \
    -Dnlohmann_json_DIR="$prefix/share/cmake/nlohmann_json" \
    $cli11_args
cmake --build "$build" --target "${targets[@]}"
echo "Built: $build/cli/brenvox-cli.exe"
if [ -n "$qt" ]; then echo "Built: $build/gui/Brenvox.exe"; fi
