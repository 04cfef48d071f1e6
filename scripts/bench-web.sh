#!/usr/bin/env bash
# The browser's figures (bench/web_bench.mjs): Programuj through the serial stand-in beside the
# desktop engine, the page ready to edit, the bytes downloaded, the longest main-thread task of a
# transfer. Measurements, never a pass or fail. Usage: bench-web.sh BUILD_DIR [RUNS]
set -euo pipefail

build=$(cd "${1:?usage: bench-web.sh BUILD_DIR [RUNS]}" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
# A make that started this one (make test) hands its flags down; the site builds as by hand.
unset MAKEFLAGS MFLAGS MAKELEVEL
if [ ! -f web/CMakeLists.txt ]; then
  echo "bench-web: no web/ in this tree: nothing to measure"
  exit 0
fi
make --no-print-directory web WEB="${BRENVOX_WEB_BUILD:-build-web}"
cmake --build "$build" --target brenvox_link_bench brenvox-modsim
BRENVOX_BUILD="$build" BRENVOX_SITE="$root/${BRENVOX_WEB_BUILD:-build-web}/site" LC_ALL=C.UTF-8 LANGUAGE= \
  node bench/web_bench.mjs "${2:-5}"
