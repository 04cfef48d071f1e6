#!/usr/bin/env bash
# The Windows build of the Qt program under Wine: the Qt Test programs of tests/gui on the
# offscreen platform, Brenvox.exe on a virtual X display with the windows platform plug-in (its
# caption must become "Kavrex V1.1"), and, when dist/ holds them, the portable zip and the
# installer, each in a fresh prefix with nothing else on the path.
# Usage: scripts/test-windows-gui.sh WINDOWS_BUILD QT_PREFIX [--screenshots DIR]
# (with --screenshots it only saves a picture of every page into DIR, for a person to look at)
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
win=$(realpath -m "$1")
qt=$(realpath -m "$2")
shots=""
if [ "${3:-}" = "--screenshots" ]; then shots=$(realpath -m "$4"); fi
version=$(sed -n 's/^project(Brenvox VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
work=$win/test-windows-gui
rm -rf "$work"
mkdir -p "$work"
cd "$work" || exit 2

export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine names files and writes text in the charset of the Unix locale it starts in: a LANG naming
# a locale this machine has not generated leaves it ASCII, and Polish file names cannot be made.
# The Windows programs' language comes from --lang (or Wine's display language), not from here.
export LANG=C.UTF-8
unset LC_ALL LC_MESSAGES LANGUAGE
# The programs are 64-bit: a WINEARCH=win32 from the user's own set-up would make prefixes that
# cannot run them.
export WINEARCH=win64
# Wine lists the machine's CUPS printers as Windows printers, asking CUPS from its Unix side,
# which reads the environment Wine was started with: a CUPS_SERVER that a Windows program sets
# for itself never gets there. So every Wine process of this run, the prefix's set-up included,
# is sent to a CUPS socket where nothing listens, and the programs under test see no printer,
# whatever this machine has set up.
export CUPS_SERVER=$work/no-cups.sock
failures=0
Fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
Pass() { echo "ok   $*"; }
prefixes=()
xvfb=""
cleanup() {
    for p in "${prefixes[@]}"; do WINEPREFIX=$p wineserver -k 2>/dev/null; done
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
}
trap cleanup EXIT

NewPrefix() {
    export WINEPREFIX=$work/$1
    prefixes+=("$WINEPREFIX")
    wineboot -i >/dev/null 2>&1
    wineserver -w
    wineserver -p >"$WINEPREFIX.server.log" 2>&1
}

# The build's programs find Qt and the MinGW runtime through WINEPATH; the packaged ones must not.
gccdir=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
buildpath="Z:$qt/bin;Z:$gccdir;Z:/usr/x86_64-w64-mingw32/lib"

RunQtTests() {
    echo "== Qt Test programs on the offscreen platform"
    NewPrefix prefix-tests
    for t in "$win"/tests/gui/tst_*.exe; do
        name=$(basename "$t" .exe)
        # Each test starts with the user's folders empty, as each has a HOME of its own on Linux: a
        # program folder without "Nastawy" keeps the port selection in %APPDATA%\Brenvox, where
        # one test's choice would be the next one's start-up port.
        rm -rf "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/Brenvox
        # Wine hands no QT_* variable to Windows programs, so the platform is an argument; Qt
        # finds its plug-ins beside its own DLLs. The log goes to a file: a Windows program's
        # redirected stdout is not always flushed when Wine ends it.
        WINEPATH=$buildpath timeout 600 wine "$t" -platform offscreen -o "Z:$work/$name.log,txt" \
            >"$name.out" 2>&1
        rc=$?
        # A skipped case prints its reason; the Windows run shows them so none goes unnoticed.
        grep -E '^SKIP' "$name.log" | sed "s/^/     $name: /"
        if [ $rc -eq 0 ]; then Pass "$name: $(grep -E '^Totals' "$name.log")"; else
            Fail "$name (exit $rc)"
            grep -E '^(FAIL|   Loc|QWARN)' "$name.log" | head -n 20
        fi
    done
}

# Our own X server on a free display number, ended by its PID.
for n in $(seq 130 160); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=:$n; break; fi
done
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
export DISPLAY=$display

# Starts a Brenvox.exe, waits for the caption, ends it. Usage: StartsWithCaption LABEL EXE [PATH]
StartsWithCaption() {
    local label=$1 exe=$2 path=${3:-}
    local t0=$(date +%s%N)
    WINEPATH=$path wine "$exe" --lang pl >"$label.log" 2>&1 &
    local pid=$! seen=0
    for _ in $(seq 600); do
        if xwininfo -root -tree 2>/dev/null | grep -q '"Kavrex V1.1"'; then seen=1; break; fi
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    local ms=$((($(date +%s%N) - t0) / 1000000))
    kill "$pid" 2>/dev/null
    wineserver -k 2>/dev/null
    wait "$pid" 2>/dev/null
    if [ $seen = 1 ]; then Pass "$label shows \"Kavrex V1.1\" after $ms ms"; else
        Fail "$label: no window \"Kavrex V1.1\" within 60 s"
        tail -n 5 "$label.log"
    fi
}

if [ -n "$shots" ]; then
    NewPrefix prefix-shots
    # Both languages, each in its own folder (Wine would give the C locale English).
    for lang in pl en; do
        mkdir -p "$shots/$lang"
        WINEPATH=$buildpath timeout 180 wine "$win/tools/screenshots/brenvox-screenshots.exe" --lang $lang \
            "Z:$shots/$lang" >shots-$lang.log 2>&1 || Fail "screenshots ($lang): $(tail -n 3 shots-$lang.log)"
        ls -1 "$shots/$lang"/*.png 2>/dev/null | sed 's/^/     /'
    done
    exit $((failures > 0))
fi

RunQtTests

echo "== Brenvox.exe with the windows platform plug-in"
NewPrefix prefix-gui
StartsWithCaption "build's Brenvox.exe" "$win/gui/Brenvox.exe" "$buildpath"

zip=$root/dist/brenvox-$version-win64.zip
setup=$root/dist/brenvox-$version-setup.exe
if [ -f "$zip" ] && [ -f "$setup" ]; then
    echo "== the portable zip"
    NewPrefix prefix-zip
    unzip -q "$zip" -d "$WINEPREFIX/drive_c/"
    dir="C:\\brenvox-$version-win64"
    (cd "$WINEPREFIX/drive_c/brenvox-$version-win64" &&
        WINEPATH="" wine brenvox-cli.exe new 'Nastawy\nowe.brx' >cli.out 2>&1 &&
        [ -s Nastawy/nowe.brx ]) && Pass "zip: brenvox-cli.exe writes Nastawy\\nowe.brx" ||
        Fail "zip: brenvox-cli.exe did not run from the unpacked folder"
    # The translations travel inside the programs: the zip's CLI speaks English when asked.
    # The file is missing on purpose, so the program exits 2: only its line is looked at.
    english=$(cd "$WINEPREFIX/drive_c/brenvox-$version-win64" &&
        WINEPATH="" wine brenvox-cli.exe --lang en show no-such-file 2>&1 | tr -d '\r')
    grep -qx 'The file could not be opened! (no-such-file)' <<<"$english" &&
        Pass "zip: brenvox-cli.exe speaks English with --lang en" ||
        Fail "zip: brenvox-cli.exe has no English: $english"
    StartsWithCaption "zip's Brenvox.exe" "$dir\\Brenvox.exe"

    echo "== the installer"
    NewPrefix prefix-setup
    if WINEPATH="" timeout 120 wine "$setup" /S && [ -f "$WINEPREFIX/drive_c/Program Files/Brenvox/Brenvox.exe" ] &&
        [ -f "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Brenvox.lnk" ]; then
        Pass "installer /S: Program Files\\Brenvox and a Start-menu entry"
        StartsWithCaption "installed Brenvox.exe" "C:\\Program Files\\Brenvox\\Brenvox.exe"
    else
        Fail "installer /S did not install the program"
    fi
else
    echo "     the zip and the installer are not checked: dist/ holds none (make dist-windows)"
fi

if [ "$failures" -ne 0 ]; then
    echo "test-windows-gui: $failures failure(s)"
    exit 1
fi
echo "test-windows-gui: all passed"
