#!/usr/bin/env bash
# Takes the pictures of the dialogs shown in the README: runs the dialog
# driver of the tests in a Wine desktop on a virtual display and keeps the
# window with a little of the desktop around it in docs/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh

size=1000x640
work=$PWD/build-win32/screenshots
rm -rf "$work" && mkdir -p "$work/raw"
SCREENSHOTS=$work/raw WINE_DESKTOP=$size scripts/wine-run.sh --prefix "$PWD/build-win32/wineprefix" --display -- \
  tests/ui/drive_dialog.sh "$PWD/build-win32/tests/ui/ui_driver.exe" "$PWD/build-win32/plugin/Linefix.8bf" "$work/run"

mkdir -p docs
for name in photo one-point marked marked-zoomed-in about; do
  # The desktop around the window is cut down to a narrow border.
  convert "$work/raw/$name.png" -crop "$size+0+0" +repage "$work/$name.png"
  background=$(convert "$work/$name.png" -format '%[pixel:p{0,0}]' info:)
  convert "$work/$name.png" -trim +repage -bordercolor "$background" -border 12 "docs/$name.png"
  echo "docs/$name.png"
done
