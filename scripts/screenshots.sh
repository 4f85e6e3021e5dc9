#!/usr/bin/env bash
# Takes the documentation's pictures of the main window and its dialogs from the real
# window under a virtual X display, into docs/screenshots/ (or the folder given).
#
#   scripts/screenshots.sh [OUT_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh

OUT=${1:-docs/screenshots}
BUILD=build/dev
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" -j "$(nproc)" --target take_screenshots stbsim
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" "$BUILD/take_screenshots" "$OUT"
