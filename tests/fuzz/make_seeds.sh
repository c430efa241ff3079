#!/usr/bin/env bash
# make_seeds.sh OUTDIR SFXBUILD STUB MODULE
#
# The fuzz targets' first inputs, made from real outputs: the 7z test archives
# (7zz), self-extractors that SFXBUILD puts together from them with the built
# STUB and MODULE and with two small PE images made here, signed copies when
# osslsigncode is at hand, and slices of them (the language blocks and the
# settings block). OUTDIR/TARGET holds the seeds of the fuzz target TARGET.
set -euo pipefail

if [ $# -ne 4 ]; then
  echo "usage: $0 OUTDIR SFXBUILD STUB MODULE" >&2
  exit 2
fi
out=$1 sfxbuild=$2 stub=$3 module=$4
here=$(cd "$(dirname "$0")" && pwd)
lang=$here/../../sfx/startup/lang
rm -rf "$out"
mkdir -p "$out"/{work,pe_image,sfx_file,payload_blocks,payload_seal,language_text,seven_zip_header,build_options}
work=$out/work

size() { stat -c %s "$1"; }

# slice FILE FROM LENGTH TO: LENGTH bytes of FILE from offset FROM.
slice() {
  dd if="$1" of="$4" bs=64K iflag=skip_bytes,count_bytes skip="$2" count="$3" status=none
}

# mini_pe FILE CHARACTERISTICS [sealed]: a PE32 image of one 512-byte section
# after 512 bytes of headers, ending where that section ends; "sealed" adds a
# second one, the seal's, as a stub has it.
mini_pe() {
  python3 - "$1" "$2" "${3:-}" <<'EOF'
import struct, sys
sealed = sys.argv[3] == "sealed"
image = bytearray(0x600 if sealed else 0x400)
image[0:2] = b"MZ"
struct.pack_into("<I", image, 0x3C, 0x40)
image[0x40:0x44] = b"PE\0\0"
struct.pack_into("<HHIIIHH", image, 0x44, 0x14C, 2 if sealed else 1, 0, 0, 0, 224, int(sys.argv[2], 0))
opt = 0x58
struct.pack_into("<H", image, opt, 0x10B)
struct.pack_into("<II", image, opt + 32, 0x1000, 0x200)  # section and file alignment
struct.pack_into("<II", image, opt + 56, 0x2000, 0x200)  # size of image, size of headers
struct.pack_into("<H", image, opt + 68, 2)               # a Windows program
struct.pack_into("<I", image, opt + 92, 16)              # data directories
struct.pack_into("<8sIIIII", image, opt + 224, b".text", 0x200, 0x1000, 0x200, 0x200, 0)
struct.pack_into("<I", image, opt + 224 + 36, 0x60000020)
image[0x200:0x400] = b"\xC3" * 0x200
if sealed:
    struct.pack_into("<8sIIIII", image, opt + 264, b".brseal", 0x200, 0x2000, 0x200, 0x400, 0)
    struct.pack_into("<I", image, opt + 264 + 36, 0x40000040)
    image[0x400:0x408] = b"BRSEAL01"
open(sys.argv[1], "wb").write(image)
EOF
}

bash "$here/../support/make_test_archives.sh" "$work/archives" >/dev/null
archives=$work/archives
mini_pe "$work/mini.exe" 0x0102 sealed
mini_pe "$work/mini.dll" 0x2102

# Self-extractors: NAME STUB MODULE ARCHIVE sfxbuild-options...
build() {
  local name=$1 stub=$2 module=$3 archive=$4
  shift 4
  "$sfxbuild" --stub "$stub" --module "$module" "$@" "$archive" "$out/sfx_file/$name.exe"
  # The language blocks and the settings block, with the archive's start.
  local blocks_at=$(($(size "$stub") + $(size "$module")))
  local archive_at=$(($(size "$out/sfx_file/$name.exe") - $(size "$archive")))
  slice "$out/sfx_file/$name.exe" "$blocks_at" $((archive_at - blocks_at + 32)) "$out/payload_blocks/$name"
  slice "$out/sfx_file/$name.exe" $((archive_at - 832)) 832 "$out/payload_blocks/$name-settings"
}
build real "$stub" "$module" "$archives/lzma2.7z" --title "Fuzz seed"
build real-options "$stub" "$module" "$archives/encrypted-headers.7z" --language "$lang/English.txt" \
  --language "$lang/Russian.txt" --destination '%PROG%\Seed' --destination-mode 0 --overwrite skip \
  --run readme.txt --auto --done-message --hide-file-list --label seed
build mini "$work/mini.exe" "$work/mini.dll" "$archives/ppmd.7z" --language "$lang/English.txt" \
  --language "$lang/Russian.txt" --destination '%temp-unique%\x' --destination-mode 1
build mini-bare "$work/mini.exe" "$work/mini.dll" "$archives/deflate64.7z"
# A language block that holds the most a block holds (the lead, and 100
# messages each ended by a zero: 76,287 bytes), so that small changes to its
# length cross that limit.
for i in $(seq 1 100); do
  printf '%d=%s\n' "$i" "$(printf '%0*d' $((i <= 83 ? 762 : 761)) 0)"
done >"$out/language_text/Largest.txt"
build mini-largest "$work/mini.exe" "$work/mini.dll" "$archives/encrypted.7z" --language "$out/language_text/Largest.txt"

# Signed copies: the certificate table follows the archive.
if command -v osslsigncode >/dev/null && command -v openssl >/dev/null; then
  openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=BR7ZSFX fuzz seed" \
    -addext "extendedKeyUsage=codeSigning" -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
  for name in real mini; do
    osslsigncode sign -certs "$work/cert.pem" -key "$work/key.pem" -h sha256 \
      -in "$out/sfx_file/$name.exe" -out "$out/sfx_file/$name-signed.exe" >/dev/null
  done
else
  echo "make_seeds: no osslsigncode, no signed seeds" >&2
fi

cp "$out"/sfx_file/*.exe "$out/payload_seal/"
cp "$stub" "$out/pe_image/stub.exe"
cp "$module" "$out/pe_image/module.dll"
cp "$work/mini.exe" "$work/mini.dll" "$out/pe_image/"
cp "$lang"/*.txt "$out/language_text/"
for archive in "$archives"/*.7z*; do
  cp "$archive" "$out/seven_zip_header/"
done

# Command lines, one argument after each zero byte.
arguments() {
  local name=$1
  shift
  printf '%s\0' "$@" | head -c -1 >"$out/build_options/$name"
}
arguments readme --title Linefix --destination '%PROG%\Linefix' --overwrite ask --run readme.txt files.7z setup.exe
arguments modes --destination-mode 2 --overwrite skip --auto --done-message --hide-overwrite-choice \
  --hide-file-list --label L data.7z out.exe
arguments languages --language English.txt --language Russian.txt --stub s.exe --module m.dll a.7z b.exe
arguments help --help

rm -rf "$work"
