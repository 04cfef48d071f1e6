#!/usr/bin/env bash
# Runs the Windows build under Wine next to the Linux build and fails on the first difference:
# the settings commands must give byte-identical files and output, and program / compare / read
# through a Wine COM port (a link in the prefix's dosdevices/ to the simulator's pseudo-terminal)
# must end with the same memory, output and exit code as the Linux build on the same simulator.
# Usage: scripts/test-windows.sh [LINUX_BUILD [WINDOWS_BUILD]]   (defaults: build, build-win)
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
lin=$(realpath -m "${1:-$root/build}")
win=$(realpath -m "${2:-$root/build-win}")
cli_lin=$lin/cli/brenvox-cli
sim=$lin/sim/brenvox-modsim
cli_win=$win/cli/brenvox-cli.exe
for f in "$cli_lin" "$sim" "$cli_win"; do
    [ -x "$f" ] || [ -f "$f" ] || { echo "missing: $f (build it first)" >&2; exit 2; }
done
command -v wine >/dev/null || { echo "wine not found (scripts/deps.sh installs it)" >&2; exit 2; }

work=$win/test-windows
rm -rf "$work"
mkdir -p "$work"
cd "$work" || exit 2

export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Both builds compare their Polish lines: the Linux one is pinned to the C locale (Polish), the
# Windows one, which asks Wine for the display language (English for the C locale), by --lang pl
# on every run.
export LANG=C.UTF-8
unset LC_ALL LC_MESSAGES LANGUAGE
# The programs are 64-bit: a WINEARCH=win32 from the user's own set-up would make prefixes that
# cannot run them.
export WINEARCH=win64
export WINEPREFIX=$work/prefix
failures=0
sims=()
cleanup() {
    for p in "${sims[@]}"; do kill "$p" 2>/dev/null; done
    wineserver -k 2>/dev/null
}
trap cleanup EXIT

Fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
Pass() { echo "ok   $*"; }
NowMs() { echo $(($(date +%s%N) / 1000000)); }

# A fresh prefix per run; the server stays up for the whole run so each program starts quickly.
t0=$(NowMs)
# The server is kept up for the whole run, with its own log: started by a test's program it would
# write into that program's stderr (it reports its objects when a pseudo-terminal it holds hangs
# up, i.e. whenever a simulator ends).
wineboot -i >/dev/null 2>&1
wineserver -w
wineserver -p >"$work/wineserver.log" 2>&1
echo "Wine prefix ready in $(($(NowMs) - t0)) ms"

# Runs the same command with both builds in their own folders (lin/, win/), records stdout,
# stderr and the exit code, then compares those and every file the command wrote.
RunBoth() {
    local name=$1
    shift
    mkdir -p "lin/$name" "win/$name"
    cp -r inputs/. "lin/$name/"
    cp -r inputs/. "win/$name/"
    (cd "lin/$name" && "$cli_lin" "$@" >stdout 2>stderr; echo $? >rc)
    (cd "win/$name" && timeout 120 wine "$cli_win" --lang pl "$@" >stdout 2>stderr; echo $? >rc)
    if diff -r "lin/$name" "win/$name" >"$name.diff" 2>&1; then
        Pass "$name (exit $(cat "lin/$name/rc"))"
    else
        Fail "$name differs between the builds:"
        head -n 20 "$name.diff"
    fi
}

echo "== settings commands"
mkdir -p inputs
"$cli_lin" new inputs/default.brx
# Polish letters in a text and another number: the JSON carries them as UTF-8.
"$cli_lin" export inputs/default.brx |
    sed 's/"Wejście 1 - Blokada"/"Żółw gęś ĄĆĘŁŃÓŚŹŻ"/; s/"MODPIN": *"8361"/"MODPIN": "1234"/' >inputs/polish.json
"$cli_lin" encode inputs/default.brx --version 1.1 -o inputs/default-11.bin
"$cli_lin" encode inputs/default.brx --version 1.0 -o inputs/default-10.bin
printf '{"MODPIN": "12x"}' >inputs/bad.json

RunBoth new new out.brx
RunBoth import import polish.json -o polish.brx
RunBoth import-bad import bad.json -o bad.brx
RunBoth export export default.brx
RunBoth show show default.brx
RunBoth validate validate default.brx
RunBoth encode-10 encode default.brx --version 1.0 -o image.bin
RunBoth encode-11 encode default.brx --version 1.1 -o image.bin
RunBoth encode-hex encode default.brx --version 1.1 --hex
RunBoth decode-10 decode default-10.bin --version 1.0 -o decoded.brx
RunBoth decode-11 decode default-11.bin --version 1.1 -o decoded.brx
RunBoth print print default.brx --date 08-12-2026
RunBoth missing-file show nosuch.brx
# The imported file with Polish letters, shown, printed and compared with the defaults.
"$cli_lin" import inputs/polish.json -o inputs/polish.brx
RunBoth show-polish show polish.brx
RunBoth print-polish print polish.brx --date 08-12-2026 --name "Łódź"
cp inputs/polish.brx "inputs/Łódź.brx"
RunBoth polish-name validate "Łódź.brx"
# Written under the name given, not under its UTF-8 bytes taken one by one.
RunBoth polish-new new "Żółw.brx"
RunBoth diff diff default.brx polish.brx
grep -q 'Żółw gęś' lin/show-polish/stdout || Fail "the Polish text did not reach the settings file"

echo "== transfers through a Wine COM port"
# Starts the simulator with the given options; sets simpid and simdev.
StartSim() {
    local out=$1
    shift
    "$sim" "$@" >"$out.sim" 2>"$out.simerr" &
    simpid=$!
    sims+=("$simpid")
    for _ in $(seq 50); do
        simdev=$(head -n1 "$out.sim" 2>/dev/null)
        [ -n "$simdev" ] && return 0
        sleep 0.1
    done
    Fail "the simulator did not start ($out)"
    return 1
}
StopSim() {
    kill "$simpid" 2>/dev/null
    wait "$simpid" 2>/dev/null
}

# Runs one transfer with each build against its own simulator started with SIMOPTS, then
# compares output, exit code, files and the simulator's memory. The Windows build reaches the
# simulator as COM<port> whatever the port type. Sets lin_ms and win_ms.
# Usage: Transfer NAME "SIMOPTS" PORT TYPE CLI-ARGS...
Transfer() {
    local name=$1 simopts=$2 port=$3 type=$4
    shift 4
    local side
    for side in lin win; do
        local dir=$side/$name
        mkdir -p "$dir"
        cp -r inputs/. "$dir/"
        # shellcheck disable=SC2086
        StartSim "$dir/x" $simopts --dump "$PWD/$dir/x.memory" || return
        local t=$(NowMs)
        if [ "$side" = lin ]; then
            (cd "$dir" && timeout 120 "$cli_lin" "$@" --device "$simdev" >stdout 2>stderr; echo $? >rc)
            lin_ms=$(($(NowMs) - t))
        else
            ln -sfn "$simdev" "$WINEPREFIX/dosdevices/com$port"
            (cd "$dir" && timeout 120 wine "$cli_win" --lang pl "$@" --port "$port" --type "$type" >stdout 2>stderr; echo $? >rc)
            win_ms=$(($(NowMs) - t))
            rm -f "$WINEPREFIX/dosdevices/com$port"
        fi
        StopSim
        rm -f "$dir/x.sim" "$dir/x.simerr"
    done
    if [ "$(cat "win/$name/rc")" = 124 ]; then
        Fail "$name hung under Wine"
    elif diff -r "lin/$name" "win/$name" >"$name.diff" 2>&1; then
        Pass "$name (exit $(cat "lin/$name/rc"); Linux $lin_ms ms, Windows $win_ms ms)"
    else
        Fail "$name differs between the builds:"
        head -n 20 "$name.diff"
    fi
}

"$cli_lin" encode inputs/polish.brx --version 1.1 -o inputs/polish-11.bin
times=()
for pt in "COM 8" "USB 3" "IrDA 5"; do
    set -- $pt
    Transfer "program-$1" "" "$2" "$1" program polish.brx
    times+=("program-$1 $lin_ms $win_ms")
done
Transfer compare-equal "--memory $work/inputs/polish-11.bin" 8 COM compare polish.brx
times+=("compare $lin_ms $win_ms")
Transfer compare-differ "--memory $work/inputs/default-11.bin" 8 COM compare polish.brx
Transfer read "--memory $work/inputs/polish-11.bin" 8 COM read -o read.brx --image read.bin --pin 1234
times+=("read $lin_ms $win_ms")
Transfer read-type-10 "--memory $work/inputs/default-10.bin --firmware 1.0" 4 USB read -o read.brx --pin 8361

echo "== faults"
Transfer silent "--silent" 8 COM program polish.brx
Transfer dropped "--drop-every 7" 8 COM program polish.brx
Transfer corrupted "--corrupt-every 5" 8 COM program polish.brx
Transfer stuck "--stuck-block 0x0100" 8 COM program polish.brx

# The simulator is killed (SIGKILL) once ten blocks have been written: the transfer must end
# with the same outcome on both builds, and must end at all.
WaitForWrites() {
    local trace=$1 n=$2
    for _ in $(seq 600); do
        [ "$(grep -c ' rx 03 ' "$trace" 2>/dev/null)" -ge "$n" ] && return 0
        sleep 0.05
    done
    return 1
}
for side in lin win; do
    dir=$side/killed
    mkdir -p "$dir"
    StartSim "$dir/x" --trace "$PWD/$dir/x.trace" || continue
    if [ "$side" = lin ]; then
        (cd "$dir" && timeout 120 "$cli_lin" program ../../inputs/polish.brx --device "$simdev" >stdout 2>stderr; echo $? >rc) &
    else
        ln -sfn "$simdev" "$WINEPREFIX/dosdevices/com8"
        (cd "$dir" && timeout 120 wine "$cli_win" --lang pl program ../../inputs/polish.brx --port 8 >stdout 2>stderr; echo $? >rc) &
    fi
    runner=$!
    WaitForWrites "$dir/x.trace" 10 || Fail "killed ($side): no writes seen"
    kill -9 "$simpid"
    wait "$simpid" 2>/dev/null
    wait "$runner"
    rm -f "$dir"/x.*
done
if [ "$(cat win/killed/rc)" = 124 ]; then
    Fail "killed: the Windows build hung after the simulator was killed"
elif diff -r lin/killed win/killed >killed.diff 2>&1; then
    Pass "killed during the write phase (exit $(cat lin/killed/rc): $(tail -n1 lin/killed/stdout))"
else
    Fail "killed: the builds differ:"
    head -n 20 killed.diff
fi

echo "== a port that will not open says why"
# No COM3 in the prefix, and a file that is no port: the port line, then the cause.
for case in "--port 3|^Port COM3 nie istnieje\\." "--device C:\\windows\\win.ini|nie jest portem szeregowym\\.$"; do
    args=${case%%|*} want=${case#*|}
    # shellcheck disable=SC2086
    out=$(timeout 60 wine "$cli_win" --lang pl program inputs/polish.brx $args 2>&1)
    rc=$?
    if [ $rc = 1 ] && echo "$out" | grep -q '^Błąd - problem z portem transmisji!$' && echo "$out" | grep -q "$want"; then
        Pass "port error with its cause ($args): $(echo "$out" | tail -n1)"
    else
        Fail "port error ($args): exit $rc: $out"
    fi
done

echo "== a port held by one program"
# A slow simulator keeps the first program on COM8 for seconds; a second program asking for the
# same port meanwhile must be refused and leave the first one's transfer intact.
dir=win/busy
mkdir -p "$dir"
StartSim "$dir/x" --reply-delay-ms 40 --trace "$PWD/$dir/x.trace" --dump "$PWD/$dir/x.memory"
ln -sfn "$simdev" "$WINEPREFIX/dosdevices/com8"
(cd "$dir" && timeout 120 wine "$cli_win" --lang pl program ../../inputs/polish.brx --port 8 >first.out 2>&1; echo $? >first.rc) &
runner=$!
WaitForWrites "$dir/x.trace" 1 || Fail "busy: the first program did not start writing"
(cd "$dir" && timeout 60 wine "$cli_win" --lang pl compare ../../inputs/polish.brx --port 8 >second.out 2>&1; echo $? >second.rc)
# Only while the first still runs does the second's outcome tell anything.
first_alive=0
kill -0 "$runner" 2>/dev/null && first_alive=1
wait "$runner"
StopSim
if [ "$first_alive" = 0 ]; then
    echo "not judged: busy port (the first program ended before the second one did)"
elif [ "$(cat "$dir/first.rc")" != 0 ]; then
    Fail "busy: the first program failed: $(tail -n1 "$dir/first.out")"
elif [ "$(cat "$dir/second.rc")" = 0 ] || grep -q 'Odczyt wersji' "$dir/second.out"; then
    Fail "busy: the second program was let onto the port: $(cat "$dir/second.out")"
elif ! grep -q '^Port COM8 jest zajęty przez inny program' "$dir/second.out"; then
    Fail "busy: the second program did not say the port is held: $(cat "$dir/second.out")"
elif ! cmp -s "$dir/x.memory" inputs/polish-11.bin; then
    Fail "busy: the module's memory is not the programmed image"
else
    Pass "busy port refused to a second program (exit $(cat "$dir/second.rc"): $(grep -v '^$' "$dir/second.out" | tail -n1))"
fi

echo "== finding the module among the ports the system lists"
# Ports mapped as Wine maps them (HKLM\Software\Wine\Ports, read when the server starts): Wine
# then makes the prefix's dosdevices links and lists the ports where Windows lists them, past COM8
# too. The module answers on COM12, a silent device sits on COM13; nothing may be written.
# COM12 is also in the system's device list as a USB adapter (the keys the setup API reads, as a
# driver's installation leaves them): `ports` names it as the device manager does.
dir=win/finder
mkdir -p "$dir"
StartSim "$dir/module" --firmware 1.0 --type 2 --trace "$PWD/$dir/module.trace" && module_pid=$simpid module_dev=$simdev
StartSim "$dir/silent" --silent && silent_pid=$simpid silent_dev=$simdev
wine reg add 'HKLM\Software\Wine\Ports' /v COM12 /d "$module_dev" /f >/dev/null 2>&1
wine reg add 'HKLM\Software\Wine\Ports' /v COM13 /d "$silent_dev" /f >/dev/null 2>&1
adapter='HKLM\System\CurrentControlSet\Enum\USB\VID_1A86&PID_7523\5&2a4b2b4&0&2'
wine reg add "$adapter" /v ClassGUID /d '{4D36E978-E325-11CE-BFC1-08002BE10318}' /f >/dev/null 2>&1
wine reg add "$adapter" /v FriendlyName /d 'USB-SERIAL CH340 (COM12)' /f >/dev/null 2>&1
wine reg add "$adapter" /v Mfg /d 'wch.cn' /f >/dev/null 2>&1
wine reg add "$adapter" /v HardwareID /t REG_MULTI_SZ /d 'USB\VID_1A86&PID_7523&REV_0264' /f >/dev/null 2>&1
wine reg add "$adapter\Device Parameters" /v PortName /d COM12 /f >/dev/null 2>&1
wineserver -k
wineserver -w
wineserver -p >>"$work/wineserver.log" 2>&1
(cd "$dir" && timeout 60 wine "$cli_win" --lang pl ports >list.out 2>&1; echo $? >list.rc)
(cd "$dir" && timeout 120 wine "$cli_win" --lang pl ports --probe >probe.out 2>&1; echo $? >probe.rc)
kill "$module_pid" "$silent_pid" 2>/dev/null
wait "$module_pid" "$silent_pid" 2>/dev/null
if ! grep -qx 'COM12  USB-SERIAL CH340 (COM12), wch.cn, USB 1a86:7523' "$dir/list.out" ||
    ! grep -qx 'COM13' "$dir/list.out"; then
    Fail "finder: ports does not list COM12 by its name and COM13: $(tr '\n' ' ' <"$dir/list.out")"
elif [ "$(cat "$dir/probe.rc")" != 0 ] || ! grep -qx 'COM12: moduł V1.0, typ 2 (Nokia5110)' "$dir/probe.out" ||
    ! grep -qx 'COM13: brak odpowiedzi modułu' "$dir/probe.out"; then
    Fail "finder: ports --probe (exit $(cat "$dir/probe.rc")): $(tr '\n' ' ' <"$dir/probe.out")"
elif awk '$2 == "rx" && $0 !~ / rx (CA 53|06 FA)$/ { bad = 1 } END { exit !bad }' "$dir/module.trace"; then
    Fail "finder: the module was sent more than wake pairs and identify requests"
else
    Pass "ports --probe found the module on COM12 ($(grep -c . "$dir/probe.out") ports asked)"
fi

echo "== transfer times (information, not a check)"
for t in "${times[@]}"; do
    set -- $t
    awk -v n="$1" -v l="$2" -v w="$3" 'BEGIN { printf "  %-13s Linux %5d ms  Windows %5d ms  ratio %.2f\n", n, l, w, w / l }'
done

if [ "$failures" -ne 0 ]; then
    echo "test-windows: $failures failure(s)"
    exit 1
fi
echo "test-windows: all passed"
