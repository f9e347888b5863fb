#!/usr/bin/env bash
# Resident memory of the main window over a random session of every control
# (2,000 actions by default) on a 1920 x 1080 screen, in canvas images over
# the memory after start-up, and what each kind of action added.
#
#   bash bench/session.sh [actions] [seed]
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset default >/dev/null
cmake --build --preset default --target tintaro_session_bench tintaro_content >/dev/null
./build/bench/tintaro_session_bench "${1:-2000}" "${2:-1}" 2>/dev/null
