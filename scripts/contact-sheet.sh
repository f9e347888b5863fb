#!/usr/bin/env bash
# Builds the default content and the contact-sheet tool, then draws every
# logo and drawing into docs/contact-sheet.png.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default --target tintaro_content tintaro_contact_sheet
mkdir -p docs
./build/artwork/tintaro_contact_sheet build/app docs/contact-sheet.png
echo "wrote docs/contact-sheet.png"
