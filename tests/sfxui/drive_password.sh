#!/usr/bin/env bash
# Makes the encrypted self-extractors that the password driver runs and runs
# it once. With SCREENSHOTS set to a folder, takes the pictures the driver
# asks for into it.
#   drive_password.sh SFXBUILD DRIVER LANGUAGE WINE_RUN WORK
# LANGUAGE: the English text. Runs inside wine-run.sh, whose prefix it
# leaves alone: the driver runs in a prefix of its own, see below.
set -euo pipefail
source "$(dirname "$0")/../support/wine_steps.sh"

if [ "${1:-}" = --drive ]; then
  # Inside the decrypting prefix, with its own display.
  driver=$2 work=$3 language=$4 password=$5
  start_screenshots
  wine "$driver" "$(win "$work")" "$(win "$language")" "$password" "${shots[@]}"
  exit
fi

sfxbuild=$1 driver=$2 language=$3 wine_run=$4 work=$5
rm -rf "$work" && mkdir -p "$work" && cd "$work"
work=$PWD
password=Brindle-7z-42

# Three files, each packed on its own (not solid), so that each needs the
# password; once with the data encrypted, once with the item names too.
mkdir -p files
printf 'first file\n' >files/a.txt
printf 'second file\n' >files/b.txt
printf 'third file\n' >files/c.txt
(cd files && 7zz a -bso0 -bsp0 -ms=off -p"$password" ../data.7z a.txt b.txt c.txt)
(cd files && 7zz a -bso0 -bsp0 -ms=off -mhe=on -p"$password" ../headers.7z a.txt b.txt c.txt)
"$sfxbuild" --title "Window test" --done-message data.7z data.exe
"$sfxbuild" --title "Window test" --done-message headers.7z headers.exe

without_aes "$wine_run" --display -- "$0" --drive "$driver" "$work" "$language" "$password"
