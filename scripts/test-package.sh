#!/usr/bin/env bash
# Builds the Debian package from a build tree, checks it, unpacks it into a scratch root and runs
# the unpacked programs from there, read-only and without a "Nastawy" folder beside them, as an
# installed copy runs: they must work and must keep their files in the user's folders.
#   scripts/test-package.sh [BUILD_DIR]
set -euo pipefail
BUILD=${1:-build}
cd "$(dirname "$0")/.."
START=$SECONDS
BUILD_ABS=$(cd "$BUILD" && pwd)

rm -f dist/brenvox_*.deb
cmake --build "$BUILD" --target package tst_installed_layout
deb=$(ls "$PWD"/dist/brenvox_*.deb)
[ "$(echo "$deb" | wc -l)" -eq 1 ] || { echo "expected one package in dist/, found: $deb"; exit 1; }

root=$(mktemp -d)
trap 'chmod -R u+w "$root"; rm -rf "$root"' EXIT
pkg=$root/pkg
dpkg -x "$deb" "$pkg"
bin=$pkg/usr/bin
fail() { echo "test-package: $*" >&2; exit 1; }

for f in usr/bin/Brenvox usr/bin/brenvox-cli usr/bin/brenvox-modsim \
         usr/share/applications/org.brenvox.Brenvox.desktop \
         usr/share/metainfo/org.brenvox.Brenvox.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/brenvox.svg usr/share/icons/hicolor/48x48/apps/brenvox.png \
         usr/share/man/man1/Brenvox.1.gz usr/share/man/man1/brenvox-cli.1.gz usr/share/man/man1/brenvox-modsim.1.gz \
         usr/share/doc/brenvox/copyright usr/share/doc/brenvox/changelog.Debian.gz; do
  [ -e "$pkg/$f" ] || fail "missing $f"
done
[ -z "$(find "$pkg" -name Nastawy -o -name System)" ] || fail "the package holds a settings or System folder"

version=$("$bin/brenvox-cli" --version)
[ "$(dpkg-deb -f "$deb" Version)" = "${version#brenvox-cli }-1" ] || fail "package version differs from $version"
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 libc6 qt6-qpa-plugins; do
  [[ $depends == *"$d"* ]] || fail "Depends lacks $d: $depends"
done

desktop-file-validate "$pkg/usr/share/applications/org.brenvox.Brenvox.desktop"
appstreamcli validate --no-net --pedantic "$pkg/usr/share/metainfo/org.brenvox.Brenvox.metainfo.xml"
lintian --fail-on error --tag-display-limit 0 "$deb"

# From here on nothing may change below the unpacked root.
chmod -R a-w "$pkg"
before=$(cd "$pkg" && find . -printf '%p %s %T@\n' | sort)
export HOME=$root/home
unset XDG_DATA_HOME XDG_CONFIG_HOME
mkdir -p "$root/work"
cd "$root/work"

"$bin/brenvox-modsim" --version | grep -qx "brenvox-modsim ${version#brenvox-cli }" || fail "modsim --version"
"$bin/Brenvox" --version | grep -qx "Brenvox ${version#brenvox-cli }" || fail "Brenvox --version"
"$bin/brenvox-cli" new klient
[ "$(stat -c %a klient)" = 600 ] || fail "a new settings file is not private"
"$bin/brenvox-cli" show klient | grep -q '^SMSC=' || fail "show printed no settings"
# The translations travel inside the programs: the installed CLI speaks English when asked.
[ "$("$bin/brenvox-cli" --lang en show no-such-file 2>&1)" = "The file could not be opened! (no-such-file)
The file no-such-file does not exist." ] || fail "the installed brenvox-cli has no English"

# The program itself starts from the unpacked root: its Qt plugins and libraries resolve, and it
# is still running after its start-up routine (a missing plugin or library ends it at once). It
# is then ended by its own process id.
QT_QPA_PLATFORM=offscreen "$bin/Brenvox" > "$root/brenvox.log" 2>&1 &
gui_pid=$!
sleep 3
kill -0 "$gui_pid" 2>/dev/null || { cat "$root/brenvox.log" >&2; fail "Brenvox did not start"; }
kill "$gui_pid"
wait "$gui_pid" 2>/dev/null || true
# The same windows with the unpacked bin folder as program folder: a port change lands in
# ~/.config/brenvox/Conf, settings in ~/.local/share/brenvox/Nastawy, nothing beside the program.
BRENVOX_INSTALLED_BIN=$bin QT_QPA_PLATFORM=offscreen \
  XDG_DATA_HOME=$HOME/.local/share XDG_CONFIG_HOME=$HOME/.config \
  "$BUILD_ABS/tests/gui/tst_installed_layout" -silent

after=$(cd "$pkg" && find . -printf '%p %s %T@\n' | sort)
[ "$before" = "$after" ] || fail "something was written below the unpacked package"
echo "test-package: $(basename "$deb") ($(stat -c %s "$deb") bytes) passed in $((SECONDS - START)) s"
