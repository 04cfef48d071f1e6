#!/bin/sh
# Cross-compiles brenvox_core and brenvox-cli for 64-bit Windows with MinGW-w64, so that the
# Windows serial port code is built on every change. Usage: scripts/cross-windows.sh [BUILD_DIR]
# (default: build-win). The GUI is off; the simulator and the tests are off on Windows anyway.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build-win}")  # absolute: the CMake package dirs below must not depend on the caller's folder
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

cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DBRENVOX_WERROR=ON \
    -DBRENVOX_GUI=OFF \
    -Dnlohmann_json_DIR="$prefix/share/cmake/nlohmann_json" \
    $cli11_args
cmake --build "$build" --target brenvox_core brenvox-cli
echo "Built: $build/cli/brenvox-cli.exe"
