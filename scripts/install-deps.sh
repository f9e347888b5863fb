#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need,
# but only when one of them is missing, so a ready machine pays nothing.
set -euo pipefail

packages=(
  g++ cmake ninja-build make pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-image-formats-plugins
  libqt6svg6 libgif-dev
  xvfb xauth xdotool imagemagick x11-utils poppler-utils
  icewm # a window manager for the end-to-end test of its close
)
# Extra packages a caller may ask for (the benchmark asks for OpenCV).
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
