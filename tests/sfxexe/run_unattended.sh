#!/usr/bin/env bash
# The self-extractor run as scripts run it ("-s -d DIR"), under Wine: every
# file comes out with its content and time, a crafted archive writes nothing
# outside the destination, failures end with exit code 1 after their message
# (damaged and encrypted archives are the window test's),
# the run command opens a file or installs an INF file, no DLL planted beside
# the program is loaded, and nothing stays behind in the temp folder. A
# damaged item leaves no file, and a file it was to replace stays as it was;
# with --test-first a damaged archive writes nothing at all. The marks of
# where a run's time goes come in their order.
#   run_unattended.sh SFXBUILD DRIVER RECORDER PLANTED_DLL ARCHIVES LANGUAGE WORK
# ARCHIVES: the folder of make_test_archives.sh; LANGUAGE: the English text.
# Runs inside wine-run.sh --display, so `wine` reaches the test's prefix.
set -euo pipefail
source "$(dirname "$0")/../support/wine_steps.sh"
sfxbuild=$1 driver=$2 recorder=$3 planted=$4 archives=$5 language=$6 work=$7
here=$(cd "$(dirname "$0")" && pwd)
craft=$here/../support/craft7z.py
rm -rf "$work" && mkdir -p "$work" && cd "$work"
work=$PWD
export LC_ALL=C.UTF-8 TZ=UTC


mkdir -p temp markers out downloads

# A tree with a program to run afterwards and a path deeper than 260
# characters once it lies in the destination.
mkdir -p full
7zz x -bso0 -bsp0 -o"full" "$archives/lzma2.7z"
cp "$recorder" full/recorder.exe
deep=full/deep/$(printf 'folder-%043d/' 1 2 3 4 5 | tr -d '\n')
mkdir -p "$deep" && echo "far below" >"$deep/leaf.txt"
(cd full && 7zz a -bso0 -bsp0 ../full.7z -- *)
rm -rf full && 7zz x -bso0 -bsp0 -o"reference" full.7z

"$sfxbuild" --title "Unattended test" --run recorder.exe full.7z downloads/full.exe
# The names under which a planted DLL could be picked up.
for name in 7z.dll 7Z.DLL comctl32.dll uxtheme.dll version.dll dwmapi.dll cryptbase.dll oleacc.dll; do
  cp "$planted" "downloads/$name"
done

printf '[Version]\r\nSignature="$Windows NT$"\r\n[DefaultInstall]\r\n' >setup.inf
7zz a -bso0 -bsp0 inf.7z setup.inf
"$sfxbuild" --run setup.inf inf.7z inf.exe

python3 "$craft" hostile.7z - <<'EOF'
[{"name": "good.txt", "text": "kept"},
 {"name": "../evil1.txt", "text": "x"}, {"name": "a/../../evil2.txt", "text": "x"},
 {"name": "/rooted.txt", "text": "x"}, {"name": "C:/abs.txt", "text": "x"},
 {"name": "C:rel.txt", "text": "x"}, {"name": "//server/share/unc.txt", "text": "x"},
 {"name": "//?/C:/long.txt", "text": "x"}, {"name": "a:stream.txt", "text": "x"},
 {"name": "..\\evil3.txt", "text": "x"}, {"name": "CON", "text": "x"}, {"name": "sub/nul.txt", "text": "x"},
 {"name": "com1.log", "text": "x"}, {"name": "LPT9", "text": "x"}, {"name": "dot.", "text": "x"},
 {"name": "space ", "text": "x"}, {"name": "bad<name>.txt", "text": "x"}, {"name": "q?.txt", "text": "x"},
 {"name": "ctl\u0001.txt", "text": "x"}, {"name": "link", "attrib": "0x420", "text": "target"}]
EOF
"$sfxbuild" hostile.7z hostile.exe
# One item of three fails its CRC; the same with the items tested first, and
# a sound archive tested first.
"$sfxbuild" "$archives/damaged-crc.7z" damaged.exe
"$sfxbuild" --test-first "$archives/damaged-crc.7z" tested-damaged.exe
"$sfxbuild" --test-first "$archives/lzma2.7z" tested-sound.exe
7zz x -bso0 -bsp0 -o"reference-lzma2" "$archives/lzma2.7z"
# Old files where each item of the damaged archive lands, dated 2001.
mkdir -p out/damaged-over
for name in good1.txt bad.txt good2.txt; do
  printf 'old %s\n' "$name" >"out/damaged-over/$name"
done
touch -d '2001-02-03 04:05:06 UTC' out/damaged-over/*
cp -a out/damaged-over old-files
# Archives whose dictionaries a reader must allocate in one piece: 1.5 GiB,
# as `7zz a -md=1536m` makes one, fits a 64-bit process and a 32-bit one that
# has 4 GB (the emulator gives less); 3 GiB only a 64-bit one.
bits=$(bitness_of inf.exe)
for gib in 1.5 3; do
  bytes=$(awk -v g="$gib" 'BEGIN { printf "%d", g * 1073741824 }')
  echo "[{\"name\": \"dictionary.txt\", \"text\": \"decoded with a dictionary of $gib GiB\", \"lzma_dictionary\": $bytes}]" |
    python3 "$craft" "dictionary-$gib.7z" -
  "$sfxbuild" "dictionary-$gib.7z" "dictionary-$gib.exe"
  7zz x -bso0 -bsp0 -o"reference-dictionary-$gib" "dictionary-$gib.7z"
done

# The program run afterwards is one this run wrote: a recorder planted where
# the archive's would land is not run when the run skipped its item, failed
# an item or failed its test. A name the extraction refuses fails the test.
"$sfxbuild" --run recorder.exe "$archives/damaged-crc.7z" damaged-run.exe
"$sfxbuild" --test-first --run recorder.exe "$archives/damaged-crc.7z" tested-damaged-run.exe
"$sfxbuild" --test-first hostile.7z tested-hostile.exe
for spot in planted-skipped planted-failed planted-tested; do
  mkdir -p "out/$spot" && cp "$recorder" "out/$spot/recorder.exe"
done

# An item named as the short-name alias of a file of the user's that the
# archive never names does not replace that file.
mkdir -p out/alias && echo "the user's report" >"out/alias/Quarterly Report Final.txt"
cp "out/alias/Quarterly Report Final.txt" report.saved
alias=$(winepath -s "$(win "$work/out/alias/Quarterly Report Final.txt")" | tr -d '\r' | sed 's/.*\\//')
echo "[{\"name\": \"$alias\", \"text\": \"replaced\"}, {\"name\": \"other.txt\", \"text\": \"other\"}]" |
  python3 "$craft" alias.7z -
"$sfxbuild" alias.7z alias.exe

# An archive cut short: it cannot be listed.
cp inf.exe unlisted.exe && truncate -s -40 unlisted.exe

# The setup library's installer is a recorder too, for the INF command line.
rundll=$(system_folder_of inf.exe)/rundll32.exe
cp "$rundll" rundll32.saved
trap 'cp "$work/rundll32.saved" "$rundll"' EXIT
cp "$recorder" "$rundll"

dest() { win "$work/out/$1"; }
tab=$'\t'
{
  echo "full${tab}0${tab}-${tab}$(win "$work/downloads")${tab}$(win "$work/downloads/full.exe") -s -d $(dest full)"
  echo "inf${tab}0${tab}-${tab}-${tab}$(win "$work/inf.exe") -s -d $(dest inf)"
  echo "hostile${tab}1${tab}ok${tab}-${tab}$(win "$work/hostile.exe") -s -d $(dest hostile)"
  echo "unlisted${tab}1${tab}ok${tab}-${tab}$(win "$work/unlisted.exe") -s -d $(dest unlisted)"
  echo "damaged${tab}1${tab}ok${tab}-${tab}$(win "$work/damaged.exe") -s -d $(dest damaged)"
  echo "damaged-over${tab}1${tab}ok${tab}-${tab}$(win "$work/damaged.exe") -s -d $(dest damaged-over)"
  echo "tested-damaged${tab}1${tab}ok${tab}-${tab}$(win "$work/tested-damaged.exe") -s -d $(dest tested-damaged)"
  echo "tested-sound${tab}0${tab}-${tab}-${tab}$(win "$work/tested-sound.exe") -s -d $(dest tested-sound)"
  echo "alias${tab}1${tab}ok${tab}-${tab}$(win "$work/alias.exe") -s -d $(dest alias)"
  echo "tested-hostile${tab}1${tab}ok${tab}-${tab}$(win "$work/tested-hostile.exe") -s -d $(dest tested-hostile)"
  echo "greek${tab}0${tab}-${tab}-${tab}$(win "$work/inf.exe") -x -s -d $(dest Ελλάδα)"
  echo "arguments${tab}0${tab}-${tab}-${tab}$(win "$work/downloads/full.exe") -s -d $(dest arguments) -# \"two words\" x"
  echo "run-nothing${tab}0${tab}-${tab}-${tab}$(win "$work/downloads/full.exe") -s -d $(dest run-nothing) -x -# a"
  echo "planted-skipped${tab}0${tab}-${tab}-${tab}$(win "$work/downloads/full.exe") -s -n -d $(dest planted-skipped)"
  echo "planted-failed${tab}1${tab}ok${tab}-${tab}$(win "$work/damaged-run.exe") -s -d $(dest planted-failed)"
  echo "planted-tested${tab}1${tab}ok${tab}-${tab}$(win "$work/tested-damaged-run.exe") -s -d $(dest planted-tested)"
  if [ "$bits" = 64 ]; then
    echo "dictionary-1.5${tab}0${tab}-${tab}-${tab}$(win "$work/dictionary-1.5.exe") -s -d $(dest dictionary-1.5)"
    echo "dictionary-3${tab}0${tab}-${tab}-${tab}$(win "$work/dictionary-3.exe") -s -d $(dest dictionary-3)"
  else
    echo "dictionary-3${tab}1${tab}ok${tab}-${tab}$(win "$work/dictionary-3.exe") -s -d $(dest dictionary-3)"
  fi
} >scenarios.tsv
# The smoke twin: the full run stands for the rest.
if [ -n "${WINE_SMOKE:-}" ]; then
  grep "^full$tab" scenarios.tsv >smoke.tsv && mv smoke.tsv scenarios.tsv
fi
# Whatever exists outside Wine's own folders, to find what the runs add.
everything() {
  find "$work" "$WINEPREFIX/drive_c" -not -path "$WINEPREFIX/drive_c/windows/*" \
    -not -path "$WINEPREFIX/drive_c/users/*/AppData/*" 2>/dev/null | sort
}
everything >before.txt

# Wine would run its own rundll32 in the recorder's place.
WINEDLLOVERRIDES="$WINEDLLOVERRIDES;rundll32.exe=n" BR7ZSFX_MARKS=1 SFX_TEMP=$(win "$work/temp") RECORD_TO=$(win "$work/recorded.txt") PLANTED_MARKERS=$(win "$work/markers") \
  wine "$driver" scenarios.tsv | tee driver.log || failures=$((failures + 1))
set +e

# Every file with its content, and the stored times to the second.
same_times() {
  while IFS=$'\t' read -r archive kind _ _ mtime _ _ path; do
    [ "$archive" = lzma2.7z ] && [ "$kind" = file ] || continue
    [ "$(stat -c %Y "out/full/$path")" = "$mtime" ] || { echo "  time of $path differs"; return 1; }
  done <"$archives/manifest.tsv"
}
opened_in_destination() {
  grep -qiF "$(win "$work/out/full")|" recorded.txt && grep -qi 'recorder.exe' recorded.txt
}
only_sound_items() {
  [ "$(cd out/hostile && find . -mindepth 1 | sort | tr '\n' ' ')" = "./good.txt ./link " ] && [ ! -L out/hostile/link ]
}
nothing_outside() {
  local written
  written=$(comm -13 before.txt <(everything) |
    grep -v -e "^$work/out/" -e "^$work/driver.log$" -e "^$work/recorded.txt$" -e "^$work/marks-[a-z0-9.-]*\.txt$")
  [ -z "$written" ] || { echo "$written" | sed 's/^/  written: /'; return 1; }
}
# The sound items of the damaged archive, and no trace of the damaged one.
only_sound_of_damaged() {
  [ "$(ls out/damaged | tr '\n' ' ')" = "good1.txt good2.txt " ] &&
    [ "$(cat out/damaged/good1.txt out/damaged/good2.txt)" != "" ]
}
# The damaged item's old file as it was, to the second; the sound ones
# replaced; nothing else in the folder.
old_kept_where_item_failed() {
  cmp -s old-files/bad.txt out/damaged-over/bad.txt &&
    [ "$(stat -c %Y out/damaged-over/bad.txt)" = "$(stat -c %Y old-files/bad.txt)" ] &&
    cmp -s out/damaged/good1.txt out/damaged-over/good1.txt && cmp -s out/damaged/good2.txt out/damaged-over/good2.txt &&
    [ "$(ls -A out/damaged-over | tr '\n' ' ')" = "bad.txt good1.txt good2.txt " ]
}
# marks_are SCENARIO "NAME...": the run's marks are these, in this order, at
# times that never go back.
marks_are() {
  local names
  names=$(tr -d '\r' <"marks-$1.txt" | awk '$1 == "br7zsfx:" && $4 == "ms" && $3 >= last { printf "%s ", $2; last = $3; next }
    { printf "(%s) ", $0 }')
  [ "$names" = "$2 " ] || { echo "  marks: $names"; return 1; }
}
arguments_passed() {
  grep -iF "$(win "$work/out/arguments")|" recorded.txt | tr -d '\r' | grep -q '"two words" x$'
}
alias_refused() {
  cmp -s report.saved "out/alias/Quarterly Report Final.txt" && box_shown alias 42 &&
    [ "$(cat out/alias/other.txt)" = other ] && [ "$(ls out/alias | wc -l)" = 2 ]
}
nothing_run_in() { ! grep -qiF "$(win "$work/out/$1")|" recorded.txt; }
nothing_written() { [ ! -e "out/$1" ] || [ -z "$(ls -A "out/$1")" ]; }
no_replacement_left() { [ -z "$(find out -iname '~BRSFX*.TMP')" ]; }
box_shown() {  # box_shown SCENARIO MESSAGE-NUMBER
  grep -qF "box $1: Brindlepacker SFX | $(message "$2")" driver.log
}

check "-s -d extracts every file with its content, a path over 260 characters included" diff -r reference out/full
check "extracted files keep their stored times (1975, 2005, 2150)" same_times
check "the marks of a run: main, listed, extracted, ending, cleaned" marks_are full "main listed extracted ending cleaned"
check "the temp folder is empty afterwards" test -z "$(ls -A temp)"
if [ -n "${WINE_SMOKE:-}" ]; then
  report
  exit
fi
check "the run command opens the extracted program in the destination folder" opened_in_destination
check "an INF run command is installed through the system folder's rundll32" \
  grep -qF "rundll32.exe setupapi.dll,InstallHinfSection DefaultInstall 132 $(win "$work/out/inf")\\setup.inf" recorded.txt
check "no DLL planted beside the program or in its working folder is loaded" test -z "$(ls markers)"
check "a crafted archive writes only its sound items into the destination, a link as a plain file" only_sound_items
check "nothing is written outside the destinations" nothing_outside
check "a crafted archive: message 42 before exit code 1" box_shown hostile 42
check "an archive that cannot be listed: message 38 before exit code 1" box_shown unlisted 38
check "a damaged item leaves no file; the sound ones are extracted" only_sound_of_damaged
check "a damaged item keeps the old file it was to replace, content and time" old_kept_where_item_failed
check "a damaged archive: message 42 before exit code 1" box_shown damaged 42
check "--test-first: a damaged archive writes nothing" nothing_written tested-damaged
check "--test-first: a damaged archive gives message 42 before exit code 1" box_shown tested-damaged 42
check "--test-first: a sound archive extracts every file" diff -r reference-lzma2 out/tested-sound
check "no replacement file is left anywhere" no_replacement_left
check "an item named as a short-name alias ($alias) leaves the file it names alone, message 42 before exit code 1" \
  alias_refused
check "--test-first: a name the extraction refuses fails the test, message 42 before exit code 1" box_shown tested-hostile 42
check "--test-first: a name the extraction refuses writes nothing" nothing_written tested-hostile
check "-d names a folder outside the code page whole (Ελλάδα), never its best-fit spelling" test -s out/Ελλάδα/setup.inf
check "the arguments of -# reach the program run afterwards as its parameters" arguments_passed
for spot in run-nothing planted-skipped planted-failed planted-tested; do
  check "nothing runs in $spot (-x -# a; an item skipped; an item failed; a test failed)" nothing_run_in "$spot"
done
if [ "$bits" = 64 ]; then
  check "a 64-bit run decodes with a dictionary of 1.5 GiB" diff -r reference-dictionary-1.5 out/dictionary-1.5
  check "a 64-bit run decodes with a dictionary of 3 GiB" diff -r reference-dictionary-3 out/dictionary-3
else
  check "a 32-bit run that cannot have a dictionary of 3 GiB: message 42 before exit code 1" box_shown dictionary-3 42
  check "a 32-bit run that cannot have a dictionary of 3 GiB writes nothing" nothing_written dictionary-3
fi
check "the marks of a run that cannot list its archive: main, ending, cleaned" marks_are unlisted "main ending cleaned"

report
