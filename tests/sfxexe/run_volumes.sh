#!/usr/bin/env bash
# A self-extractor whose archive goes on in volumes beside it, under Wine:
# made by sfxbuild --volume-size, it extracts byte for byte as one file would,
# with "-s -d", through its window, tested first, renamed with its volumes
# and signed. A volume missing, cut short, swapped with another or still
# named after the program's old name gives message 68 naming it, exit code 1,
# and nothing extracted; the program's own part cut short is a damaged file.
#   run_volumes.sh SFXBUILD DRIVER LANGUAGE WORK
# LANGUAGE: the English text. Runs inside wine-run.sh --display, so `wine`
# reaches the test's prefix.
set -euo pipefail
source "$(dirname "$0")/../support/wine_steps.sh"
sfxbuild=$1 driver=$2 language=$3 work=$4
rm -rf "$work" && mkdir -p "$work" && cd "$work"
work=$PWD
export LC_ALL=C.UTF-8 TZ=UTC

mkdir -p temp out content/sub
# Incompressible content, so that the archive spans several volumes.
head -c 40000 /dev/urandom >content/noise.bin
head -c 9000 /dev/urandom >content/sub/more.bin
printf 'a text beside the noise\r\n' >content/readme.txt
(cd content && 7zz a -bso0 -bsp0 -m0=LZMA2 ../set.7z -- *)

volumes() { ls "$1".[0-9][0-9][0-9] | sed 's/.*\.//' | tr '\n' ' '; }
make_set() {  # make_set FOLDER OPTION...: Setup.exe and its volumes in FOLDER
  mkdir -p "$1"
  local folder=$1
  shift
  "$sfxbuild" --title "Volume test" --volume-size 16k "$@" set.7z "$folder/Setup.exe" >/dev/null
}
make_set sound
check "sfxbuild writes Setup.exe and three volumes beside it" test "$(volumes sound/Setup)" = "002 003 004 "
make_set again
same_set() {
  for file in sound/*; do cmp -s "$file" "again/${file#sound/}" || return 1; done
}
check "every volume has the same bytes every time" same_set
make_set window --auto
make_set tested --test-first
# Each damage to a copy of the sound set.
damaged_copy() { rm -rf "$1" && cp -r sound "$1"; }
damaged_copy missing && rm missing/Setup.003
damaged_copy cut && truncate -s -1 cut/Setup.003
damaged_copy swapped && mv swapped/Setup.002 swapped/x && mv swapped/Setup.003 swapped/Setup.002 &&
  mv swapped/x swapped/Setup.003
damaged_copy last-gone && rm last-gone/Setup.004
damaged_copy own-cut && truncate -s -1 own-cut/Setup.exe
mkdir -p renamed && cp sound/Setup.exe renamed/Install.exe &&
  for v in 002 003 004; do cp "sound/Setup.$v" "renamed/Install.$v"; done
mkdir -p old-names && cp sound/* old-names/ && mv old-names/Setup.exe old-names/Install.exe

# The signature covers the program only; the volumes stay as they are.
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=BR7ZSFX test signer" \
  -addext "keyUsage=critical,digitalSignature" -addext "extendedKeyUsage=codeSigning" \
  -keyout key.pem -out cert.pem 2>/dev/null
damaged_copy signed && rm signed/Setup.exe
osslsigncode sign -certs cert.pem -key key.pem -h sha256 -n "BR7ZSFX volume test" \
  -in sound/Setup.exe -out signed/Setup.exe >sign.log

dest() { win "$work/out/$1"; }
program() { win "$work/$1/${2:-Setup}.exe"; }
tab=$'\t'
{
  echo "sound${tab}0${tab}-${tab}-${tab}$(program sound) -s -d $(dest sound)"
  echo "window${tab}0${tab}-${tab}-${tab}$(program window) -d $(dest window)"
  echo "tested${tab}0${tab}-${tab}-${tab}$(program tested) -s -d $(dest tested)"
  echo "renamed${tab}0${tab}-${tab}-${tab}$(program renamed Install) -s -d $(dest renamed)"
  echo "signed${tab}0${tab}-${tab}-${tab}$(program signed) -s -d $(dest signed)"
  for name in missing cut swapped last-gone own-cut; do
    echo "$name${tab}1${tab}ok${tab}-${tab}$(program "$name") -s -d $(dest "$name")"
  done
  echo "old-names${tab}1${tab}ok${tab}-${tab}$(program old-names Install) -s -d $(dest old-names)"
} >scenarios.tsv

SFX_TEMP=$(win "$work/temp") wine "$driver" scenarios.tsv | tee driver.log || failures=$((failures + 1))
set +e

box_shown() {  # box_shown SCENARIO TEXT: the whole line, as Wine ends it with \r\n
  tr -d '\r' <driver.log | grep -qxF "box $1: Brindlepacker SFX | $2"
}
volume_box() {  # volume_box SCENARIO VOLUME: message 68 naming the volume
  box_shown "$1" "$(message 68 | sed "s/%s/$2/")"
}
nothing_written() { [ ! -e "out/$1" ] || [ -z "$(ls -A "out/$1")" ]; }
for name in sound window tested renamed signed; do
  check "$name: every file byte for byte" diff -r content "out/$name"
done
check "osslsigncode verifies the signed program of a volume set" osslsigncode verify -CAfile cert.pem -in signed/Setup.exe
check "a missing volume: message 68 names Setup.003, exit code 1" volume_box missing Setup.003
check "a volume cut short: message 68 names Setup.003, exit code 1" volume_box cut Setup.003
check "two volumes swapped: message 68 names Setup.002, exit code 1" volume_box swapped Setup.002
check "the last volume missing: message 68 names Setup.004, exit code 1" volume_box last-gone Setup.004
check "volumes under the program's old name: message 68 names Install.002, exit code 1" volume_box old-names Install.002
check "the program's own part cut short: the damaged-file box, exit code 1" \
  box_shown own-cut "This file is damaged or incomplete. Please download it again."
for name in missing cut swapped last-gone old-names own-cut; do
  check "$name: nothing is extracted" nothing_written "$name"
done
check "the temp folder is empty afterwards" test -z "$(ls -A temp)"

report
