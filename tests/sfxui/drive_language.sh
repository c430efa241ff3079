#!/usr/bin/env bash
# The self-extractor in its user's language, under Wine: one built with the
# default languages (English, then Russian) shows Russian to a Russian user
# and English to an English one, and one that carries only the Russian text
# shows it in Cyrillic to an English user, whose system code page is not
# the text's. Each run is checked by the language driver.
#   drive_language.sh SFXBUILD DRIVER LANGUAGES WORK
# LANGUAGES: the folder of the language texts. Runs inside wine-run.sh
# --display, so `wine` reaches the test's prefix.
set -euo pipefail
source "$(dirname "$0")/../support/wine_steps.sh"
sfxbuild=$1 driver=$2 languages=$3 work=$4
rm -rf "$work" && mkdir -p "$work/out" && cd "$work"
work=$PWD

mkdir files && echo "text" >files/a.txt
(cd files && 7zz a -bso0 -bsp0 ../a.7z a.txt)
"$sfxbuild" a.7z default.exe
"$sfxbuild" --language "$languages/Russian.txt" a.7z russian.exe

# run LOCALE NAME LANGUAGE: NAME.exe started under LOCALE shows LANGUAGE.
run() {
  check "$2.exe under $1 shows $(basename "$3")" \
    env LANG="$1" LC_ALL="$1" wine "$driver" "$(win "$work")" "$2" "$(win "$3")"
}
run ru_RU.UTF-8 default "$languages/Russian.txt"
run en_US.UTF-8 default "$languages/English.txt"
run en_US.UTF-8 russian "$languages/Russian.txt"
report
