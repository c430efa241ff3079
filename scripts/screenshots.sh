#!/usr/bin/env bash
# Takes the pictures of the windows shown in the README: runs the window
# drivers of the tests (the plug-in's dialog, the self-extractor's windows,
# and its windows for a Russian user) in a Wine desktop on a virtual
# display, so that frames and title bars show, and keeps each window with a
# little of the desktop around it in docs/.
#   screenshots.sh [linefix|sfx|sfx64]...   (linefix and sfx when none is named)
# sfx64: the 64-bit self-extractor's ready window, compared with the 32-bit
# one's picture in docs/.
set -euo pipefail
cd "$(dirname "$0")/.."
source tests/support/wine_steps.sh
bash scripts/setup.sh
bash scripts/build.sh

size=1000x640
work=$PWD/build-win32/screenshots
sfxbuild=$PWD/build/tools/sfxbuild/sfxbuild
languages=$PWD/sfx/startup/lang

# A prefix of the pictures' own for the programs of BITS bits, copied from
# the tests' one, in which Wine shows every program in a desktop window of
# that size: Wine then draws the windows' frames and title bars itself, with
# the buttons of the title bars from Wine's own Marlett font in its fonts
# folder. (Wine's own Tahoma stays out: it draws its glyphs narrower than it
# measures them, so that centred texts lean left and underlines run on.)
pictures_prefix() {
  local build=$PWD/build-win$1 option=""
  [ "$1" = 64 ] && option=--win64
  prefix=$build/wineprefix-pictures
  wine_options=(--prefix "$prefix" $option)
  scripts/wine-run.sh "${wine_options[@]}" --copy-of "$build/wineprefix" -- true
  cp /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/"
  user_key "$prefix" 'Software\Wine\Explorer' '"Desktop"="Default"'
  user_key "$prefix" 'Software\Wine\Explorer\Desktops' "\"Default\"=\"$size\""
}

# shoot NAME COMMAND...: runs the command with the drivers' pictures going
# to a folder of NAME.
shoot() {
  local name=$1
  shift
  rm -rf "$work/$name" && mkdir -p "$work/$name"
  SCREENSHOTS=$work/$name/raw scripts/wine-run.sh "${wine_options[@]}" --display -- "$@" \
    >"$work/$name/log.txt" 2>&1 || echo "screenshots: $name did not pass its checks, see $work/$name/log.txt" >&2
}

# The self-extractor's main window driven through its states, by the window
# test's driver of the build of BITS bits with self-extractors of that bitness.
shoot_window() {
  local tests=$PWD/build-win$1/tests builder=$sfxbuild
  [ "$1" = 64 ] && builder=$PWD/build-win64/sfxbuild-x64
  shoot "window$1" "$PWD/tests/sfxui/drive_window.sh" "$builder" "$tests/sfxui/sfx_window_driver.exe" \
    "$tests/sfxexe/run_recorder.exe" "$PWD/build-win$1/test-archives" "$languages/English.txt" "$work/window$1/run"
}

# keep NAME SHOT FILE: the picture with the desktop around the window cut
# down to a narrow border.
keep() {
  local raw=$work/$1/raw/$2.png cropped=$work/$1/$2.png background
  [ -e "$raw" ] || { echo "screenshots: $2 was not taken, see $work/$1/log.txt" >&2; return 1; }
  convert "$raw" -crop "$size+0+0" +repage "$cropped"
  background=$(convert "$cropped" -format '%[pixel:p{0,0}]' info:)
  convert "$cropped" -trim +repage -bordercolor "$background" -border 12 "$3"
  echo "$3"
}

mkdir -p docs
tests=$PWD/build-win32/tests
for part in ${@:-linefix sfx}; do
  case "$part" in
    linefix)
      pictures_prefix 32
      shoot dialog "$PWD/tests/ui/drive_dialog.sh" "$tests/ui/ui_driver.exe" "$PWD/build-win32/plugin/Linefix.8bf" "$work/dialog/run"
      for shot in photo one-point marked three-pieces marked-zoomed-in about; do keep dialog "$shot" "docs/$shot.png"; done
      ;;
    sfx)
      pictures_prefix 32
      shoot_window 32
      shoot password "$PWD/tests/sfxui/drive_password.sh" "$sfxbuild" "$tests/sfxui/sfx_password_driver.exe" \
        "$languages/English.txt" "$PWD/scripts/wine-run.sh" "$work/password/run"
      shoot language "$PWD/tests/sfxui/drive_language.sh" "$sfxbuild" "$tests/sfxui/sfx_language_driver.exe" \
        "$languages" "$PWD/scripts/wine-run.sh" "$work/language/run"
      for shot in ready question extracting browser; do keep window32 "$shot" "docs/sfx-$shot.png"; done
      keep password password docs/sfx-password.png
      keep language default-96 docs/sfx-ready-ru.png
      ;;
    sfx64)
      pictures_prefix 64
      shoot_window 64
      keep window64 ready "$work/sfx64-ready.png"
      echo "pixels that differ from docs/sfx-ready.png:" \
        "$(compare -metric AE "$work/sfx64-ready.png" docs/sfx-ready.png null: 2>&1 || true)"
      ;;
    *) echo "usage: screenshots.sh [linefix|sfx|sfx64]..." >&2; exit 2 ;;
  esac
done
