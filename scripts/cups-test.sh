#!/usr/bin/env bash
# Prints the settings listing through Brenvox's own printing code on a real CUPS queue and checks
# what arrives: a private cupsd (its own configuration, spool and socket in a temporary folder,
# so no system printer set-up is touched) gets a cups-pdf queue as its default printer, the
# probe program prints to the default printer as "Drukuj" does, and the PDF that cups-pdf writes
# must have the number of pages the program paginated and carry the listing's text.
#
# Usage: cups-test.sh <print-probe-binary>
# Exit codes: 0 passed, 1 failed, 77 skipped (cupsd cannot run in this environment).
set -uo pipefail

SKIP=77
probe=${1:?usage: cups-test.sh <print-probe-binary>}

fail() { echo "FAIL: $*" >&2; exit 1; }
skip() { echo "SKIP: $*" >&2; exit "$SKIP"; }

[ -x "$probe" ] || fail "probe program not found: $probe"
[ -x /usr/sbin/cupsd ] || skip "cupsd is not installed here, so it cannot start (scripts/deps.sh installs cups)"
for tool in lpadmin lpstat pdfinfo pdftotext; do
  command -v "$tool" >/dev/null 2>&1 || fail "$tool is not installed (scripts/deps.sh installs it)"
done
[ -x /usr/lib/cups/backend/cups-pdf ] || fail "the cups-pdf backend is not installed (printer-driver-cups-pdf)"

work=$(mktemp -d /tmp/brenvox-cups.XXXXXX) || fail "no temporary folder"
chmod 0755 "$work"
mkdir -p "$work"/{spool,cache,state,log,tmp}
# Filters run as the unprivileged print user and need the temporary folder.
chmod 1777 "$work/tmp"
cupsd_pid=""
cleanup() {
  if [ -n "$cupsd_pid" ] && kill -0 "$cupsd_pid" 2>/dev/null; then
    kill "$cupsd_pid" 2>/dev/null
    wait "$cupsd_pid" 2>/dev/null
  fi
  rm -rf "$work"
}
trap cleanup EXIT

cat >"$work/cupsd.conf" <<CONF
Listen $work/cups.sock
LogLevel info
WebInterface No
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess default
  JobPrivateValues default
  SubscriptionPrivateAccess default
  SubscriptionPrivateValues default
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat >"$work/cups-files.conf" <<CONF
SystemGroup root
ServerRoot $work
RequestRoot $work/spool
CacheDir $work/cache
StateDir $work/state
TempDir $work/tmp
AccessLog $work/log/access_log
ErrorLog $work/log/error_log
PageLog $work/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
CONF

/usr/sbin/cupsd -f -c "$work/cupsd.conf" -s "$work/cups-files.conf" >"$work/log/cupsd.out" 2>&1 &
cupsd_pid=$!
export CUPS_SERVER="$work/cups.sock"

up=0
for _ in $(seq 1 100); do
  if ! kill -0 "$cupsd_pid" 2>/dev/null; then
    cat "$work/log/cupsd.out" "$work/log/error_log" 2>/dev/null >&2
    cupsd_pid=""
    skip "cupsd could not start in this environment"
  fi
  if lpstat -r >/dev/null 2>&1; then up=1; break; fi
  sleep 0.2
done
[ "$up" = 1 ] || skip "cupsd did not come up within 20 s"
echo "cupsd running (pid $cupsd_pid), socket $CUPS_SERVER"

# A freshly started cupsd may still be setting itself up when it first answers (on a busy machine
# a request then meets a closed connection): administrative requests are tried a few times.
retry() {
  local i
  for i in 1 2 3 4 5 6 7 8 9 10; do
    "$@" && return 0
    sleep 0.5
  done
  return 1
}

# The cups-pdf driver: as lpinfo lists it, else the file the package installs.
model=$(lpinfo -m 2>/dev/null | awk '/CUPS-PDF_opt|CUPS-PDF/ {print $1; exit}')
queue=BrenvoxPDF
if [ -n "$model" ]; then
  retry lpadmin -p "$queue" -E -v cups-pdf:/ -m "$model" 2>"$work/lpadmin.err" || model=""
fi
if [ -z "$model" ]; then
  ppd=$(ls /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd /usr/share/ppd/cups-pdf/*.ppd 2>/dev/null | head -n1)
  [ -n "$ppd" ] || fail "no cups-pdf driver found"
  retry lpadmin -p "$queue" -E -v cups-pdf:/ -P "$ppd" 2>"$work/lpadmin.err" || { cat "$work/lpadmin.err" >&2; fail "lpadmin could not add the queue"; }
fi
retry lpadmin -d "$queue" || fail "could not make $queue the default printer"
[ "$(lpstat -d | sed 's/.*: //')" = "$queue" ] || fail "lpstat does not report $queue as the default"

# Where cups-pdf puts its files: its Out setting or the anonymous folder; look in both for files
# newer than this marker. cups-pdf fills in ${HOME} and ${USER} from the password database for
# the job's user (whoever runs this), not from our environment, where HOME may be moved or unset.
user=$(id -un)
home=$(getent passwd "$user" | cut -d: -f6)
outdirs=()
out=$(awk '$1 == "Out" {print $2}' /etc/cups/cups-pdf.conf 2>/dev/null | tail -n1)
out=${out//\$\{USER\}/$user}
[ -n "$out" ] && outdirs+=("${out//\$\{HOME\}/$home}")
anon=$(awk '$1 == "AnonDirName" {print $2}' /etc/cups/cups-pdf.conf 2>/dev/null | tail -n1)
outdirs+=("${anon:-/var/spool/cups-pdf/ANONYMOUS}")
[ -n "$home" ] && outdirs+=("$home/PDF")
touch "$work/marker"
sleep 1  # file times have a one-second grain on some file systems

probe_out=$(QT_QPA_PLATFORM=offscreen "$probe" 2>"$work/probe.err") || { cat "$work/probe.err" >&2; fail "the probe could not print: $probe_out"; }
echo "probe: $probe_out"
pages=$(sed -n 's/^pages=\([0-9]*\).*/\1/p' <<<"$probe_out")
printer=$(sed -n 's/.*printer=\([^ ]*\).*/\1/p' <<<"$probe_out")
[ -n "$pages" ] || fail "the probe reported no page count"
[ "$printer" = "$queue" ] || fail "the probe printed on '$printer', not on the default printer $queue"

pdf=""
for _ in $(seq 1 300); do
  pdf=$(find "${outdirs[@]}" -maxdepth 1 -name '*.pdf' -newer "$work/marker" 2>/dev/null | head -n1)
  if [ -n "$pdf" ] && ! lpstat -o "$queue" 2>/dev/null | grep -q .; then break; fi
  sleep 0.2
done
[ -n "$pdf" ] || { tail -n 30 "$work/log/error_log" >&2; fail "no PDF arrived from cups-pdf in 60 s"; }
# cups-pdf may still be writing when the queue is already empty (its post-processing runs after
# the job): read the file only once pdfinfo can and its size has stopped changing.
got="" last_size=-1
for _ in $(seq 1 100); do
  size=$(stat -c %s "$pdf" 2>/dev/null || echo -1)
  got=$(pdfinfo "$pdf" 2>/dev/null | awk '/^Pages:/ {print $2}')
  if [ -n "$got" ] && [ "$size" = "$last_size" ]; then break; fi
  last_size=$size
  sleep 0.3
done
pdftotext -layout "$pdf" "$work/out.txt" || fail "pdftotext could not read $pdf"
[ -n "${BRENVOX_KEEP_PDF:-}" ] && cp "$pdf" "$BRENVOX_KEEP_PDF"; [ -n "${BRENVOX_KEEP_PDF:-}" ] && cp "$work/log/error_log" "$BRENVOX_KEEP_PDF.log"
rm -f "$pdf"
echo "PDF from cups-pdf: $got page(s); the program paginated $pages"
[ "$got" = "$pages" ] || fail "the PDF has $got pages, the program paginated $pages"
[ "$pages" -ge 2 ] || fail "the listing should need at least two pages (got $pages)"
# The print filters turn the text into outline glyphs without a usable character map, so the
# letters cannot be read back; the lines can: each page must hold as many text lines as the
# program drew on it.
lines=$(sed -n 's/.* lines=\([0-9,]*\).*/\1/p' <<<"$probe_out")
got_lines=$(awk 'BEGIN { RS = "\f" } NR > 0 { n = 0; split($0, l, "\n"); for (i in l) if (l[i] ~ /[^ \t]/) n++; if (NR > 1) printf ","; printf "%d", n }' "$work/out.txt")
got_lines=${got_lines%,0}
echo "text lines per page: $got_lines; drawn by the program: $lines"
[ "$got_lines" = "$lines" ] || fail "the pages carry $got_lines text lines, the program drew $lines"
echo "PASS"
