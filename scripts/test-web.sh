#!/usr/bin/env bash
# The browser tests: the site in Debian's chromium, headless, with the module simulated behind a
# stand-in Web Serial port (tests/web/README.md). Usage: test-web.sh BUILD_DIR
# Exits 77 (a skipped test for ctest) when chromium or node is missing; scripts/deps.sh installs both.
set -euo pipefail

build=$(cd "${1:?usage: test-web.sh BUILD_DIR}" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)

for tool in node python3 "${BRENVOX_CHROMIUM:-/usr/bin/chromium}"; do
  if ! command -v "$tool" >/dev/null; then
    echo "test-web: $tool is missing (scripts/deps.sh installs it); skipped"
    exit 77
  fi
done
for program in sim/brenvox-modsim cli/brenvox-cli; do
  if [ ! -x "$build/$program" ]; then
    echo "test-web: $build/$program is missing: build it first" >&2
    exit 1
  fi
done

export BRENVOX_BUILD="$build"
cd "$root"
# A make that started this one (make test) hands its flags down; the site builds as by hand.
unset MAKEFLAGS MFLAGS MAKELEVEL
# The site as `make web` builds it (again, if anything changed).
make --no-print-directory web WEB="${BRENVOX_WEB_BUILD:-build-web}"
export BRENVOX_SITE="$root/${BRENVOX_WEB_BUILD:-build-web}/site"
# The programs' Polish texts are what the scenarios compare.
export LC_ALL=C.UTF-8 LANGUAGE=
exec node --test tests/web/site.test.mjs
