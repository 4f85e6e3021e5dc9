#!/usr/bin/env bash
# Takes the documentation's pictures of the main window and its dialogs from the real
# window under virtual X displays, into docs/screenshots/ (or the folder given):
#   - the window as it opens and each dialog, on a 1280x1024 screen;
#   - the window maximised on a 1920x1080 screen, on each page (openbox maximises it);
#   - the window on a 1920x1080 screen at twice the scale (QT_SCALE_FACTOR=2, so 960x540
#     to the window), on each page;
#   - all of it once more in German, into OUT_FOLDER/de/.
# BUILD names the build folder to use (default build/dev).
#
#   scripts/screenshots.sh [OUT_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh

OUT=${1:-docs/screenshots}
BUILD=${BUILD:-build/dev}
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" -j "$(nproc)" --target take_screenshots stbsim
shots=$BUILD/take_screenshots

export QT_QPA_PLATFORM=xcb
for lang in en de; do
  out=$OUT
  env=()
  if [ "$lang" = de ]; then
    out=$OUT/de
    env=(LANGUAGE=de LANG=de_DE.UTF-8)
  fi
  env "${env[@]}" xvfb-run -a -s "-screen 0 1280x1024x24" "$shots" "$out" dialogs
  # The window manager runs for as long as the shots take.
  env "${env[@]}" xvfb-run -a -s "-screen 0 1920x1080x24" bash -c '
    openbox & wm=$!
    trap "kill $wm" EXIT
    sleep 1
    "$0" "$1" maximised' "$shots" "$out"
  env "${env[@]}" QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 1920x1080x24" "$shots" "$out" scale2
done
