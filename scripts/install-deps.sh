#!/usr/bin/env bash
# Installs the Debian packages the project needs, but only when one of them is
# missing, so a ready machine pays nothing.
#   scripts/install-deps.sh --program   what building and running the program needs (make run)
#   scripts/install-deps.sh [PKG...]    that, what the tests, benchmarks, fuzzing and
#                                       screenshots need (make test), and the extra PKGs
set -euo pipefail

# Building and running the program: compiler, build tools, Qt, the GIF writer of
# the content generator. One line per program or content tool that needs more.
packages=(
  g++ cmake ninja-build make pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev libqt6svg6 qt6-image-formats-plugins
  libgif-dev
  # tintaro-import: cleaning line art, reading PDF worksheets
  libopencv-core-dev libopencv-imgproc-dev libpoppler-qt6-dev
)
# The tests, the benchmarks, the fuzzing and the screenshots besides.
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool imagemagick x11-utils
  dpkg-dev desktop-file-utils appstream man-db xdg-user-dirs icewm
)
if [ "${1:-}" = --program ]; then
  shift
else
  packages+=("${test_packages[@]}")
fi
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
