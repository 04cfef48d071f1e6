#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, when they are missing.
# Safe to run again: it only calls apt-get when something is absent.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libcli11-dev nlohmann-json3-dev
  qt6-base-dev qt6-base-dev-tools libfontconfig-dev qt6-serialport-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-translations-l10n libxcb1-dev
  libgl-dev fonts-dejavu-core fonts-urw-base35
  xvfb xauth x11-apps x11-utils xdotool imagemagick poppler-utils
  chromium nodejs
  cups cups-client cups-bsd printer-driver-cups-pdf
  clang libclang-rt-14-dev libfuzzer-14-dev
  g++-mingw-w64-x86-64 g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
  wine wine64 fonts-wine nsis zip
  python3 valgrind clang-format ccache
  librsvg2-bin dpkg-dev fakeroot lintian desktop-file-utils appstream
  emscripten
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
