#!/usr/bin/env bash
# Saves a picture of every page of Brenvox and of a few messages, in Polish and in English, taken
# on a virtual X display.
#   scripts/screenshots.sh [BUILD_DIR] [OUT_DIR]
# brenvox-screenshots builds the program's windows, grabs them once start-up has run and quits;
# this script only provides the display and bounds the wait.
set -euo pipefail

BUILD=${1:-build}
OUT=${2:-$BUILD/screenshots}
EXE="$BUILD/tools/screenshots/brenvox-screenshots"
[ -x "$EXE" ] || { echo "no $EXE: build first (make build)" >&2; exit 1; }
mkdir -p "$OUT"
OUT=$(cd "$OUT" && pwd)

# Our own X server on a free display number, ended by its PID.
DISPLAY_NUM=""
for n in $(seq 90 120); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then DISPLAY_NUM=$n; break; fi
done
[ -n "$DISPLAY_NUM" ] || { echo "no free X display" >&2; exit 1; }
Xvfb ":$DISPLAY_NUM" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
XVFB_PID=$!
trap 'kill "$XVFB_PID" 2>/dev/null || true' EXIT
for _ in $(seq 1 100); do
  [ -e "/tmp/.X11-unix/X$DISPLAY_NUM" ] && break
  sleep 0.1
done

# Every window in both languages: OUT/pl (the program's own, pixel for pixel as before any
# translation) and OUT/en.
for lang in pl en; do
  mkdir -p "$OUT/$lang"
  DISPLAY=":$DISPLAY_NUM" QT_QPA_PLATFORM=xcb timeout 120 "$EXE" --lang "$lang" "$OUT/$lang"
  ls -1 "$OUT/$lang"/*.png
done
