#!/usr/bin/env bash
# A self-extractor signed after it was built, under Wine: a throwaway
# code-signing certificate signs the output of sfxbuild, osslsigncode verifies
# the signature, and the signed file run with "-s -d DIR" extracts every file
# byte for byte (the signing tool pads the file to a multiple of eight before
# its table: the archive copy takes those few zeros along, which the module
# reads past). Files cut short inside the archive, the module, a language
# block or the settings block, and a settings block with a wrong signature,
# end with their start-up error box and exit code 1, extract nothing and
# leave nothing in the temp folder.
#   run_signed.sh SFXBUILD DRIVER ARCHIVES LANGUAGE STUB MODULE WORK
# ARCHIVES: the folder of make_test_archives.sh; LANGUAGE: the English text;
# STUB and MODULE: br7zsfx.exe and 7z.dll, whose lengths place the payload.
# Runs inside wine-run.sh --display, so `wine` reaches the test's prefix.
set -euo pipefail
source "$(dirname "$0")/../support/wine_steps.sh"
sfxbuild=$1 driver=$2 archives=$3 language=$4 stub=$5 module=$6 work=$7
rm -rf "$work" && mkdir -p "$work" && cd "$work"
work=$PWD
export LC_ALL=C.UTF-8 TZ=UTC

size() { stat -c %s "$1"; }

mkdir -p temp out
7zz x -bso0 -bsp0 -o"reference" "$archives/lzma2.7z"
"$sfxbuild" --title "Signed test" "$archives/lzma2.7z" unsigned.exe

# A self-signed RSA key with the code-signing purpose, made for this run.
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=BR7ZSFX test signer" \
  -addext "keyUsage=critical,digitalSignature" -addext "extendedKeyUsage=codeSigning" \
  -keyout key.pem -out cert.pem 2>/dev/null
osslsigncode sign -certs cert.pem -key key.pem -h sha256 -n "BR7ZSFX signed test" \
  -in unsigned.exe -out signed.exe >sign.log
check "osslsigncode verifies the signed self-extractor against the throwaway certificate" \
  osslsigncode verify -CAfile cert.pem -in signed.exe
check "the signature follows the archive" test "$(size signed.exe)" -gt "$(size unsigned.exe)"

# The payload's pieces, from the lengths of what sfxbuild put together.
module_at=$(size "$stub")
blocks_at=$((module_at + $(size "$module")))
archive_at=$(($(size unsigned.exe) - $(size "$archives/lzma2.7z")))
settings_at=$((archive_at - 832))
cut() {  # cut FROM TO LENGTH: FROM's first LENGTH bytes
  head -c "$3" "$1" >"$2"
}
cut signed.exe cut-archive.exe $((archive_at + $(size "$archives/lzma2.7z") / 2))
cut signed.exe cut-module.exe $((module_at + $(size "$module") / 2))
cut signed.exe cut-language.exe $((blocks_at + 20))
cut signed.exe cut-settings.exe $((settings_at + 400))
cut unsigned.exe unsigned-cut-settings.exe $((settings_at + 400))
cut unsigned.exe unsigned-cut-module.exe $((module_at + 1000))
# "BSZ" becomes "bSZ"; the signature itself stays as it is.
cp signed.exe flipped.exe
printf 'b' | dd of=flipped.exe bs=1 seek=$((settings_at + 1)) conv=notrunc status=none

dest() { win "$work/out/$1"; }
tab=$'\t'
damaged="cut-archive cut-module cut-language cut-settings unsigned-cut-settings unsigned-cut-module"
{
  echo "signed${tab}0${tab}-${tab}-${tab}$(win "$work/signed.exe") -s -d $(dest signed)"
  echo "flipped${tab}1${tab}ok${tab}-${tab}$(win "$work/flipped.exe") -s -d $(dest flipped)"
  for name in $damaged; do
    echo "$name${tab}1${tab}ok${tab}-${tab}$(win "$work/$name.exe") -s -d $(dest "$name")"
  done
} >scenarios.tsv

SFX_TEMP=$(win "$work/temp") wine "$driver" scenarios.tsv | tee driver.log || failures=$((failures + 1))
set +e

box_shown() {  # box_shown SCENARIO TEXT: the whole line, as Wine ends it with \r\n
  tr -d '\r' <driver.log | grep -qxF "box $1: Brindlepacker SFX | $2"
}
startup_error="An error occured while opening Brindlepacker 7-ZIP SFX."
check "the signed self-extractor extracts every file byte for byte" diff -r reference out/signed
check "a wrong settings signature: message 43 before exit code 1" box_shown flipped "$(message 43)"
for name in $damaged; do
  check "$name: the start-up error before exit code 1" box_shown "$name" "$startup_error"
done
check "nothing is extracted from a damaged file" test -z "$(ls out | grep -vx signed)"
check "the temp folder is empty afterwards" test -z "$(ls -A temp)"

report
