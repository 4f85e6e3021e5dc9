#!/usr/bin/env bash
# Takes the documentation's pictures of the main window and its dialogs from the real
# window under virtual X displays, into docs/screenshots/ (or the folder given):
#   - the window as it opens and each dialog, on a 1280x1024 screen;
#   - the window maximised on a 1920x1080 screen, on each page (openbox maximises it);
#   - the window on a 3840x2160 screen at twice the scale (QT_SCALE_FACTOR=2), on each page;
#   - the window and its dialogs once more in German, into OUT_FOLDER/de/.
#
#   scripts/screenshots.sh [OUT_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh

OUT=${1:-docs/screenshots}
BUILD=build/dev
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" -j "$(nproc)" --target take_screenshots stbsim
shots=$BUILD/take_screenshots

export QT_QPA_PLATFORM=xcb
xvfb-run -a -s "-screen 0 1280x1024x24" "$shots" "$OUT" dialogs
# The window manager runs for as long as the shots take.
xvfb-run -a -s "-screen 0 1920x1080x24" bash -c '
  openbox & wm=$!
  trap "kill $wm" EXIT
  sleep 1
  "$0" "$1" maximised' "$shots" "$OUT"
QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 3840x2160x24" "$shots" "$OUT" scale2
LANGUAGE=de LANG=de_DE.UTF-8 xvfb-run -a -s "-screen 0 1280x1024x24" "$shots" "$OUT/de" dialogs
LANGUAGE=de LANG=de_DE.UTF-8 QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 3840x2160x24" "$shots" "$OUT/de" scale2
