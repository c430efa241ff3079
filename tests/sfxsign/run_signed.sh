#!/usr/bin/env bash
# A self-extractor signed after it was built, under Wine: a throwaway
# code-signing certificate signs the output of sfxbuild, osslsigncode verifies
# the signature, and the signed file run with "-s -d DIR" extracts every file
# byte for byte (the signing tool pads the file to a multiple of eight before
# its table: the archive copy takes those few zeros along, which the module
# reads past). Files cut short inside the module, a language block or the
# settings block, and a flipped bit in any of them, signed or not, fail the
# payload's seal: one box that asks for a new download, exit code 1, and no
# work folder made. A file cut inside the archive loses its signature's
# table: the start-up error. Nothing is extracted from a damaged file, and
# nothing stays in the temp folder.
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
# flip FROM TO OFFSET: FROM with one bit of the byte at OFFSET inverted.
flip() {
  cp "$1" "$2"
  local byte
  byte=$(od -An -tu1 -j "$3" -N1 "$1" | tr -d ' ')
  printf "\\$(printf '%03o' $((byte ^ 1)))" | dd of="$2" bs=1 seek="$3" conv=notrunc status=none
}
flip signed.exe flipped-settings.exe $((settings_at + 1))  # "BSZ" becomes "CSZ"
flip signed.exe flipped-module.exe $((module_at + $(size "$module") / 3))
flip signed.exe flipped-language.exe $((blocks_at + 30))
flip unsigned.exe unsigned-flipped-module.exe $((module_at + 4096))

dest() { win "$work/out/$1"; }
tab=$'\t'
unsealed="cut-module cut-language cut-settings unsigned-cut-settings unsigned-cut-module
  flipped-settings flipped-module flipped-language unsigned-flipped-module"
damaged="cut-archive $unsealed"
{
  echo "signed${tab}0${tab}-${tab}-${tab}$(win "$work/signed.exe") -s -d $(dest signed)"
  for name in $damaged; do
    echo "$name${tab}1${tab}ok${tab}-${tab}$(win "$work/$name.exe") -s -d $(dest "$name")"
  done
} >scenarios.tsv
# The smoke twin: the signed file's run stands for the damaged ones.
if [ -n "${WINE_SMOKE:-}" ]; then
  grep "^signed$tab" scenarios.tsv >smoke.tsv && mv smoke.tsv scenarios.tsv
fi

SFX_TEMP=$(win "$work/temp") wine "$driver" scenarios.tsv | tee driver.log || failures=$((failures + 1))
set +e

box_shown() {  # box_shown SCENARIO TEXT: the whole line, as Wine ends it with \r\n
  tr -d '\r' <driver.log | grep -qxF "box $1: Brindlepacker SFX | $2"
}
startup_error="An error occured while opening Brindlepacker 7-ZIP SFX."
check "the signed self-extractor extracts every file byte for byte" diff -r reference out/signed
check "the temp folder is empty afterwards" test -z "$(ls -A temp)"
if [ -n "${WINE_SMOKE:-}" ]; then
  report
  exit
fi
damaged_file="This file is damaged or incomplete. Please download it again."
check "cut-archive: the start-up error before exit code 1" box_shown cut-archive "$startup_error"
for name in $unsealed; do
  check "$name: the damaged-file box before exit code 1" box_shown "$name" "$damaged_file"
done
check "nothing is extracted from a damaged file" test -z "$(ls out | grep -vx signed)"

report
