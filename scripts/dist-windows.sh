#!/usr/bin/env bash
# Packs the Windows build: dist/brenvox-<version>-win64.zip (the portable folder: both programs,
# the Qt libraries and plug-ins they load, the Polish Qt translation, the MinGW runtime, Nastawy\,
# System\ and a short text on use) and dist/brenvox-<version>-setup.exe (an NSIS installer).
# Usage: scripts/dist-windows.sh [WINDOWS_BUILD [QT_PREFIX]]   (defaults: build-win, the cache)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build-win}")
qt=${2:-$(bash "$root/scripts/qt-mingw.sh")}
version=$(sed -n 's/^project(Brenvox VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
for f in "$build/gui/Brenvox.exe" "$build/cli/brenvox-cli.exe" "$qt/bin/Qt6Core.dll"; do
    [ -f "$f" ] || { echo "missing: $f (run make windows first)" >&2; exit 2; }
done

name=brenvox-$version-win64
stage=$build/dist/$name
rm -rf "$stage"
mkdir -p "$stage/platforms" "$stage/styles" "$stage/translations" "$stage/Nastawy" "$stage/System"
cp "$build/gui/Brenvox.exe" "$build/cli/brenvox-cli.exe" "$stage/"
for m in Core Gui Widgets PrintSupport; do cp "$qt/bin/Qt6$m.dll" "$stage/"; done
cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
# The native look; without it Qt falls back to its Fusion style.
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
cp "$qt/translations/qtbase_pl.qm" "$stage/translations/"
# Qt's libraries are built against the shared MinGW runtime, so it travels with them.
gccdir=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
for dll in libstdc++-6.dll libgcc_s_seh-1.dll; do cp "$gccdir/$dll" "$stage/"; done
cp /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$stage/"
# The cached libraries carry symbols (the MinGW runtime its debug information): a user needs none.
x86_64-w64-mingw32-strip --strip-unneeded "$stage"/*.exe "$stage"/*.dll "$stage"/*/*.dll
# Notepad of older Windows wants CRLF line ends.
sed 's/$/\r/' "$root/scripts/windows/CZYTAJ.txt" >"$stage/CZYTAJ.txt"

mkdir -p "$root/dist"
zip_out=$root/dist/$name.zip
setup_out=$root/dist/brenvox-$version-setup.exe
rm -f "$zip_out" "$setup_out"
(cd "$build/dist" && zip -qrX "$zip_out" "$name")
makensis -V2 -DVERSION="$version" -DSRCDIR="$stage" -DOUTFILE="$setup_out" \
    "$root/scripts/windows/brenvox.nsi"
ls -l "$zip_out" "$setup_out"
