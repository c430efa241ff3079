#!/usr/bin/env bash
# make_test_archives.sh OUTDIR
#
# Makes the 7z archives that the archive-session tests and the self-extractor's
# tests read, with Debian's 7zz. Contents, names, sizes and times are fixed, so
# every run gives the same trees (encrypted archives differ in their salt only).
#
# OUTDIR/manifest.tsv lists what each archive holds, one item a line, tab
# separated:
#   archive  kind  size  sha256  mtime  readonly  expect  path
# kind is "file" or "dir"; sha256 is "-" for folders; mtime is in seconds since
# 1970-01-01 UTC; readonly is 1 or 0; expect is "ok", or "crc" for an item
# whose stored data was damaged; path is UTF-8 with "/" between its parts.
# For a volume set the archive column names the first volume.
#
# Archives (the password of the encrypted ones is "secret-7z"):
#   lzma2.7z             tree + a/big.txt, LZMA2, solid
#   ppmd.7z              tree, PPMd
#   deflate64.7z         tree, Deflate64
#   copy.7z              tree, stored (Copy)
#   bcj2.7z              x86 program and a text, LZMA with the BCJ2 filter
#   volumes.7z.001 ...   noise.bin and a text, 4 KiB volumes (.001 to .003)
#   encrypted.7z         tree, LZMA2, data encrypted
#   encrypted-copy.7z    tree, stored, data encrypted (a wrong password
#                        decrypts to garbage that fails its CRC)
#   encrypted-headers.7z tree, LZMA2, data and names encrypted
#   damaged-crc.7z       good1.txt, bad.txt, good2.txt, stored, one block each;
#                        bad.txt's stored bytes flipped: it fails its CRC
#   broken-header.7z     the archive's header damaged: it cannot be opened
#   truncated.7z         the first half of lzma2.7z: it cannot be opened
#   not-an-archive.7z    plain text
# "tree" is: a/b/c.txt, empty.txt, emptydir/, Grüße/日本.txt, with space.txt,
# readonly.txt (read-only), old.txt (1975-06-01), mid.txt
# (2005-03-10 08:15:07 UTC), future.txt (2150-01-01) and several more texts.
set -euo pipefail

if [ $# -ne 1 ]; then
  echo "usage: $0 OUTDIR" >&2
  exit 2
fi
out=$(mkdir -p "$1" && cd "$1" && pwd)
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
export LC_ALL=C.UTF-8 TZ=UTC
umask 022
readonly PASSWORD=secret-7z
readonly DEFAULT_TIME="2020-01-01 12:00:00 UTC"

# lines COUNT PREFIX: numbered text lines.
lines() {
  local i
  for ((i = 1; i <= $1; i++)); do
    printf '%s line %05d: the quick brown fox jumps over the lazy dog\n' "$2" "$i"
  done
}

# noise BYTES SEED: incompressible bytes from a fixed linear congruential
# generator.
noise() {
  python3 -c '
import sys
n, x = int(sys.argv[1]), int(sys.argv[2])
out = bytearray()
for _ in range(n):
    x = (x * 1103515245 + 12345) & 0x7FFFFFFF
    out.append(x >> 16 & 0xFF)
sys.stdout.buffer.write(out)' "$1" "$2"
}

# x86_program BYTES: code-like bytes full of CALL and JMP instructions, the
# input that the BCJ2 filter is made for.
x86_program() {
  python3 -c '
import sys, struct
n = int(sys.argv[1])
out = bytearray(b"MZ" + bytes(62))
i = 0
while len(out) < n:
    out += b"\x55\x89\xe5\xe8" + struct.pack("<i", (i * 37) % 4096 - 2048)
    out += b"\x8b\x45\x08\x5d\xe9" + struct.pack("<i", (i * 11) % 9999) + b"\xc3\x90"
    i += 1
sys.stdout.buffer.write(out[:n])' "$1"
}

# settle DIR: every item gets the same time; items with times of their own
# are touched after.
settle() {
  find "$1" -mindepth 1 -exec touch -h -d "$DEFAULT_TIME" {} +
}

make_tree() {
  local t=$1
  mkdir -p "$t/a/b" "$t/emptydir" "$t/Grüße"
  lines 3 c >"$t/a/b/c.txt"
  lines 40 a >"$t/a/notes.txt"
  : >"$t/empty.txt"
  printf 'Grüße aus Japan: 日本\n' >"$t/Grüße/日本.txt"
  lines 2 space >"$t/with space.txt"
  lines 5 readonly >"$t/readonly.txt"
  lines 4 old >"$t/old.txt"
  lines 4 mid >"$t/mid.txt"
  lines 4 future >"$t/future.txt"
  lines 200 many >"$t/many.txt"
  settle "$t"
  touch -d "1975-06-01 00:00:00 UTC" "$t/old.txt"
  touch -d "2005-03-10 08:15:07 UTC" "$t/mid.txt"
  touch -d "2150-01-01 00:00:00 UTC" "$t/future.txt"
  chmod a-w "$t/readonly.txt"
}

# pack ARCHIVE DIR 7zz-switches...: archives DIR's contents, paths relative to it.
pack() {
  local archive=$1 dir=$2
  shift 2
  rm -f "$out/$archive"
  (cd "$dir" && 7zz a -bso0 -bsp0 -bse2 "$@" "$out/$archive" -- *)
}

# manifest ARCHIVE DIR [DAMAGED-PATH]: one manifest line per item of DIR.
manifest() {
  local archive=$1 dir=$2 damaged=${3:-} kind size sum mtime mode path readonly expect
  (cd "$dir" && find . -mindepth 1 -printf '%y\t%s\t%T@\t%m\t%P\n' | LC_ALL=C sort -t$'\t' -k5) |
    while IFS=$'\t' read -r kind size mtime mode path; do
      if [ "$kind" = d ]; then
        kind=dir size=0 sum=-
      else
        kind=file sum=$(sha256sum <"$dir/$path" | cut -d' ' -f1)
      fi
      readonly=0
      [ $((8#$mode & 8#222)) -eq 0 ] && readonly=1
      expect=ok
      [ "$path" = "$damaged" ] && expect=crc
      printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n' \
        "$archive" "$kind" "$size" "$sum" "${mtime%.*}" "$readonly" "$expect" "$path"
    done >>"$out/manifest.tsv"
}

# flip FILE OFFSET: inverts one byte.
flip() {
  python3 -c '
import sys
path, at = sys.argv[1], int(sys.argv[2])
with open(path, "r+b") as f:
    f.seek(at)
    b = f.read(1)
    f.seek(at)
    f.write(bytes([b[0] ^ 0xFF]))' "$1" "$2"
}

# offset_of FILE TEXT: where TEXT first occurs in FILE.
offset_of() {
  python3 -c '
import sys
at = open(sys.argv[1], "rb").read().find(sys.argv[2].encode())
if at < 0:
    sys.exit("not found: " + sys.argv[2])
print(at)' "$1" "$2"
}

# header_middle FILE: an offset inside the header that the start header
# points to (the next header sits at 32 + its offset).
header_middle() {
  python3 -c '
import sys, struct
data = open(sys.argv[1], "rb").read(32)
offset, size = struct.unpack_from("<QQ", data, 12)
print(32 + offset + size // 2)' "$1"
}

rm -f "$out"/*.7z "$out"/*.7z.[0-9][0-9][0-9] "$out/manifest.tsv"
printf '# archive\tkind\tsize\tsha256\tmtime\treadonly\texpect\tpath\n' >"$out/manifest.tsv"

make_tree "$work/tree"

cp -a "$work/tree" "$work/big"
chmod u+w "$work/big"
lines 20000 big >"$work/big/a/big.txt"
touch -d "$DEFAULT_TIME" "$work/big/a/big.txt" "$work/big/a"
pack lzma2.7z "$work/big" -m0=LZMA2 -ms=on
manifest lzma2.7z "$work/big"

pack ppmd.7z "$work/tree" -m0=PPMd
manifest ppmd.7z "$work/tree"
pack deflate64.7z "$work/tree" -m0=Deflate64
manifest deflate64.7z "$work/tree"
pack copy.7z "$work/tree" -m0=Copy
manifest copy.7z "$work/tree"

mkdir "$work/bcj2"
x86_program 65536 >"$work/bcj2/program.exe"
lines 10 bcj2 >"$work/bcj2/readme.txt"
settle "$work/bcj2"
pack bcj2.7z "$work/bcj2" -m0=LZMA -mf=BCJ2
manifest bcj2.7z "$work/bcj2"

mkdir "$work/volumes"
noise 10000 7 >"$work/volumes/noise.bin"
lines 10 volumes >"$work/volumes/readme.txt"
settle "$work/volumes"
pack volumes.7z "$work/volumes" -m0=LZMA2 -v4k
manifest volumes.7z.001 "$work/volumes"

pack encrypted.7z "$work/tree" -m0=LZMA2 -p"$PASSWORD"
manifest encrypted.7z "$work/tree"
pack encrypted-copy.7z "$work/tree" -m0=Copy -p"$PASSWORD"
manifest encrypted-copy.7z "$work/tree"
pack encrypted-headers.7z "$work/tree" -m0=LZMA2 -p"$PASSWORD" -mhe=on
manifest encrypted-headers.7z "$work/tree"

mkdir "$work/damaged"
lines 5 good1 >"$work/damaged/good1.txt"
lines 5 bad >"$work/damaged/bad.txt"
lines 5 good2 >"$work/damaged/good2.txt"
settle "$work/damaged"
pack damaged-crc.7z "$work/damaged" -m0=Copy -ms=off
flip "$out/damaged-crc.7z" $(($(offset_of "$out/damaged-crc.7z" "bad line 00003") + 4))
manifest damaged-crc.7z "$work/damaged" bad.txt

cp "$out/copy.7z" "$out/broken-header.7z"
flip "$out/broken-header.7z" "$(header_middle "$out/broken-header.7z")"
head -c $(($(stat -c %s "$out/lzma2.7z") / 2)) "$out/lzma2.7z" >"$out/truncated.7z"
lines 30 "not an archive" >"$out/not-an-archive.7z"

# Each archive must be what the tests take it for.
7zz t -bso0 -bsp0 "$out/lzma2.7z" "$out/ppmd.7z" "$out/deflate64.7z" "$out/copy.7z" "$out/bcj2.7z"
7zz t -bso0 -bsp0 "$out/volumes.7z.001"
7zz t -bso0 -bsp0 -p"$PASSWORD" "$out/encrypted.7z" "$out/encrypted-copy.7z" "$out/encrypted-headers.7z"
for broken in damaged-crc.7z broken-header.7z truncated.7z not-an-archive.7z; do
  if 7zz t -bso0 -bsp0 -bse0 "$out/$broken"; then
    echo "$0: $broken tests as sound" >&2
    exit 1
  fi
done
[ -e "$out/volumes.7z.003" ] && [ ! -e "$out/volumes.7z.004" ] || {
  echo "$0: expected three volumes" >&2
  exit 1
}
