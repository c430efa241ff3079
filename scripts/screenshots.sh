#!/usr/bin/env bash
# Takes the pictures of the windows shown in the README: runs the window
# drivers of the tests (the plug-in's dialog, the self-extractor's windows,
# and its windows for a Russian user) in a Wine desktop on a virtual
# display, so that frames and title bars show, and keeps each window with a
# little of the desktop around it in docs/.
#   screenshots.sh [linefix|sfx]...   (both when none is named)
set -euo pipefail
cd "$(dirname "$0")/.."
source tests/support/wine_steps.sh
bash scripts/setup.sh
bash scripts/build.sh

size=1000x640
work=$PWD/build-win32/screenshots
# A prefix of the pictures' own, copied from the tests' one, in which Wine
# shows every program in a desktop window of that size: Wine then draws the
# windows' frames and title bars itself, with the buttons of the title bars
# from Wine's own Marlett font in its fonts folder. (Wine's own Tahoma stays
# out: it draws its glyphs narrower than it measures them, so that centred
# texts lean left and underlines run on.)
prefix=$PWD/build-win32/wineprefix-pictures
scripts/wine-run.sh --prefix "$prefix" --copy-of "$PWD/build-win32/wineprefix" -- true
cp /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/"
user_key "$prefix" 'Software\Wine\Explorer' '"Desktop"="Default"'
user_key "$prefix" 'Software\Wine\Explorer\Desktops' "\"Default\"=\"$size\""
tests=$PWD/build-win32/tests
sfxbuild=$PWD/build/tools/sfxbuild/sfxbuild
languages=$PWD/sfx/startup/lang

# shoot NAME COMMAND...: runs the command with the drivers' pictures going
# to a folder of NAME.
shoot() {
  local name=$1
  shift
  rm -rf "$work/$name" && mkdir -p "$work/$name"
  SCREENSHOTS=$work/$name/raw scripts/wine-run.sh --prefix "$prefix" --display -- "$@" \
    >"$work/$name/log.txt" 2>&1 || echo "screenshots: $name did not pass its checks, see $work/$name/log.txt" >&2
}

# keep NAME SHOT PICTURE: the desktop around the window is cut down to a
# narrow border.
keep() {
  local raw=$work/$1/raw/$2.png cropped=$work/$1/$2.png background
  [ -e "$raw" ] || { echo "screenshots: $2 was not taken, see $work/$1/log.txt" >&2; return 1; }
  convert "$raw" -crop "$size+0+0" +repage "$cropped"
  background=$(convert "$cropped" -format '%[pixel:p{0,0}]' info:)
  convert "$cropped" -trim +repage -bordercolor "$background" -border 12 "docs/$3.png"
  echo "docs/$3.png"
}

mkdir -p docs
for part in ${@:-linefix sfx}; do
  case "$part" in
    linefix)
      shoot dialog "$PWD/tests/ui/drive_dialog.sh" "$tests/ui/ui_driver.exe" "$PWD/build-win32/plugin/Linefix.8bf" "$work/dialog/run"
      for shot in photo one-point marked marked-zoomed-in about; do keep dialog "$shot" "$shot"; done
      ;;
    sfx)
      shoot window "$PWD/tests/sfxui/drive_window.sh" "$sfxbuild" "$tests/sfxui/sfx_window_driver.exe" \
        "$tests/sfxexe/run_recorder.exe" "$PWD/build-win32/test-archives" "$languages/English.txt" "$work/window/run"
      shoot password "$PWD/tests/sfxui/drive_password.sh" "$sfxbuild" "$tests/sfxui/sfx_password_driver.exe" \
        "$languages/English.txt" "$PWD/scripts/wine-run.sh" "$work/password/run"
      shoot language "$PWD/tests/sfxui/drive_language.sh" "$sfxbuild" "$tests/sfxui/sfx_language_driver.exe" \
        "$languages" "$PWD/scripts/wine-run.sh" "$work/language/run"
      for shot in ready question extracting browser; do keep window "$shot" "sfx-$shot"; done
      keep password password sfx-password
      keep language default-96 sfx-ready-ru
      ;;
    *) echo "usage: screenshots.sh [linefix|sfx]..." >&2; exit 2 ;;
  esac
done
