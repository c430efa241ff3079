#!/usr/bin/env bash
# The self-extractor in its user's language, under Wine: one built with the
# default languages (English, then Russian) shows Russian to a Russian user
# and English to an English one, and one that carries only the Russian text
# shows it in Cyrillic to an English user, whose system code page is not
# the text's; at 96 and at 144 DPI every text fits its control. The archive's
# names are encrypted, so the password window shows first. Each run is
# checked by the language driver. With SCREENSHOTS set to a folder, takes
# the Russian user's windows into it.
#   drive_language.sh SFXBUILD DRIVER LANGUAGES WINE_RUN WORK
# LANGUAGES: the folder of the language texts. Runs inside wine-run.sh,
# whose prefix it leaves alone: the driver runs in the prefix for encrypted
# archives (see without_aes).
set -euo pipefail
source "$(dirname "$0")/../support/wine_steps.sh"
password=secret

if [ "${1:-}" = --drive ]; then
  # Inside that prefix, with its own display.
  driver=$2 languages=$3 work=$4
  start_screenshots
  # run LOCALE NAME LANGUAGE DPIS [SHOTS]: NAME.exe started under LOCALE at
  # each of DPIS shows LANGUAGE.
  run() {
    check "$2.exe under $1 at $4 DPI shows $(basename "$3")" \
      env LANG="$1" LC_ALL="$1" wine "$driver" "$(win "$work")" "$2" "$(win "$3")" "$password" "$4" "${@:5}"
  }
  run ru_RU.UTF-8 default "$languages/Russian.txt" 96,144 "${shots[@]}"
  run en_US.UTF-8 default "$languages/English.txt" 96,144
  run en_US.UTF-8 russian "$languages/Russian.txt" 96
  report
  exit
fi

sfxbuild=$1 driver=$2 languages=$3 wine_run=$4 work=$5
rm -rf "$work" && mkdir -p "$work/out" && cd "$work"
work=$PWD

mkdir files && echo "text" >files/a.txt
(cd files && 7zz a -bso0 -bsp0 -p"$password" -mhe=on ../a.7z a.txt)
"$sfxbuild" a.7z default.exe
"$sfxbuild" --language "$languages/Russian.txt" a.7z russian.exe

without_aes "$wine_run" --display -- "$0" --drive "$driver" "$languages" "$work"
