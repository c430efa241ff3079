#!/usr/bin/env bash
# The self-extractor run with -u and nobody to answer anything, under Wine,
# in English and in Russian: every run ends by itself within 10 seconds of
# its own time (its last mark, from its process's creation) with its exit
# code, each box it would have shown one line on standard error in
# the user's language: a destination it cannot use or none, a payload that
# fails its seal, an archive that cannot be opened, an item that fails, an
# encrypted archive, a failed test, a missing volume. A sound archive ends
# with 0 at once, its done message a line; the file run afterwards starts
# unless -x; -u -n and -u -q keep existing files.
#   run_nobody.sh SFXBUILD RECORDER ARCHIVES LANGUAGES STUB WORK
# ARCHIVES: the folder of make_test_archives.sh; LANGUAGES: the folder of
# English.txt and Russian.txt; STUB: the stub sfxbuild takes, whose length
# places the module. Runs inside wine-run.sh --display.
set -euo pipefail
source "$(dirname "$0")/../support/wine_steps.sh"
sfxbuild=$1 recorder=$2 archives=$3 languages=$4 stub=$5 work=$6
rm -rf "$work" && mkdir -p "$work" && cd "$work"
work=$PWD
export TZ=UTC

mkdir -p made sound
7zz x -bso0 -bsp0 -o"sound" "$archives/lzma2.7z"
# Wine makes file names in the Unix locale, and that of the Russian run is
# not installed here: ASCII names only.
rm -r sound/Grüße
cp "$recorder" sound/recorder.exe
(cd sound && 7zz a -bso0 -bsp0 ../sound.7z -- *)
"$sfxbuild" --done-message --run recorder.exe sound.7z made/sound.exe
"$sfxbuild" "$archives/damaged-crc.7z" made/damaged.exe
"$sfxbuild" --test-first "$archives/damaged-crc.7z" made/tested.exe
"$sfxbuild" "$archives/encrypted.7z" made/encrypted.exe
"$sfxbuild" "$archives/encrypted-headers.7z" made/encrypted-names.exe
"$sfxbuild" --overwrite ask sound.7z made/ask.exe
cp made/sound.exe made/unlisted.exe && truncate -s -40 made/unlisted.exe
cp made/sound.exe made/unsealed.exe && truncate -s $(($(stat -c %s "$stub") + 1000)) made/unsealed.exe
head -c 30000 /dev/urandom >noise.bin && 7zz a -bso0 -bsp0 -m0=Copy noise.7z noise.bin
"$sfxbuild" --volume-size 8k noise.7z made/volumes.exe && rm made/volumes.003

tab=$'\t'
# NAME EXIT MESSAGE ARGUMENTS: MESSAGE what the line on standard error holds,
# a message number (with the name for %s after a colon; alternatives
# between "|") or a fixed text. In ARGUMENTS, OUT is the run's
# own destination and EMPTY an empty argument.
cat >cases.tsv <<CASES
sound${tab}0${tab}47${tab}sound.exe -u -d OUT
run-nothing${tab}0${tab}47${tab}sound.exe -u -x -d OUT
denied${tab}1${tab}41|67${tab}sound.exe -u -d Z:\\proc\\br7zsfx\\out
empty${tab}1${tab}40${tab}sound.exe -u -d EMPTY
unsealed${tab}1${tab}This file is damaged or incomplete. Please download it again.${tab}unsealed.exe -u -d OUT
unlisted${tab}1${tab}38${tab}unlisted.exe -u -d OUT
damaged${tab}1${tab}42${tab}damaged.exe -u -d OUT
tested${tab}1${tab}42${tab}tested.exe -u -d OUT
encrypted${tab}1${tab}51${tab}encrypted.exe -u -d OUT
encrypted-names${tab}1${tab}51${tab}encrypted-names.exe -u -d OUT
volume${tab}1${tab}68:volumes.003${tab}volumes.exe -u -d OUT
keep${tab}0${tab}47${tab}sound.exe -u -n -x -d OUT
ask${tab}0${tab}37${tab}ask.exe -u -q -d OUT
CASES

# What the line holds: message K of the language text in UTF-8, "%s" given
# (without a name, what comes before it, as the password window's caption
# drops "for"), escapes as blanks; or the fixed text.
expected_text() {  # expected_text EXPECT LANGUAGE_FILE CODEPAGE
  local expect=$1 text
  case $expect in
    [0-9]*) text=$(sed -n "s/^${expect%%:*}=//p" "$2" | tr -d '\r' | iconv -f "$3" -t UTF-8) ;;
    *) printf '%s' "$expect"; return ;;
  esac
  if [[ $expect == *:* ]]; then text=${text/\%s/${expect#*:}}; else text=${text%%%s*}; text=${text% }; text=${text% for}; fi
  printf '%s' "$text" | sed 's/\\[rnt]/ /g; s/  */ /g; s/ *$//'
}

# The arguments of a case as the program gets them.
arguments_of() {  # arguments_of LINE OUT: sets `args`
  args=()
  local word
  for word in $1; do
    case $word in
      OUT) args+=("$2") ;;
      EMPTY) args+=("") ;;
      *) args+=("$word") ;;
    esac
  done
}

run_language() {  # run_language NAME LOCALE LANGUAGE_FILE CODEPAGE
  local lang=$1 locale=$2 file=$3 codepage=$4
  mkdir -p "$lang" && cp -r made/. "$lang/"
  while IFS=$'\t' read -r name code expect line; do
    local out="$work/$lang/out-$name"
    mkdir -p "$out"
    [ "$name" = keep ] || [ "$name" = ask ] && printf 'the user\x27s own\n' >"$out/mid.txt"
    arguments_of "$line" "$(win "$out")"
    local status=0
    # A run that waited for a person would end only here, far beyond 10 s.
    (cd "$lang" && LANG=$locale LC_ALL=$locale RECORD_TO=$(win "$work/$lang/recorded-$name.txt") BR7ZSFX_MARKS=1 \
      timeout 300 wine "${args[@]}") 2>"$lang/err-$name.txt" || status=$?
    local ms
    ms=$(tr -d '\r' <"$lang/err-$name.txt" | awk '$1 == "br7zsfx:" && $2 == "cleaned" { print $3 }')
    # Wine's ShellExecute waits until the file run afterwards has started,
    # which under the emulator is the slow start of a second program: the
    # machine's time, not this one's.
    local limit=10000
    [ "$name" = sound ] && i386_emulated && limit=120000
    check "$lang $name: ends by itself after ${ms:-no} ms of its own time (at most $((limit / 1000)) s)" \
      test "${ms:-99999}" -le "$limit"
    check "$lang $name: exit code $status, $code expected" test "$status" = "$code"
    local lines
    lines=$(tr -d '\r' <"$lang/err-$name.txt" | grep -v -e '^fixme:' -e '^err:' -e '^wine:' -e '^br7zsfx: ' || true)
      local found=no alternative alternatives
      IFS='|' read -ra alternatives <<<"$expect"
      for alternative in "${alternatives[@]}"; do
        grep -qF -- "$(expected_text "$alternative" "$file" "$codepage")" <<<"$lines" && found=yes
      done
      check "$lang $name: its line on standard error" test "$found" = yes
      [ "$found" = yes ] || echo "  got: $lines"
  done <cases.tsv
  check "$lang: the sound archive is extracted" diff -r sound "$lang/out-sound"
  check "$lang: the file run afterwards was started" test -s "$lang/recorded-sound.txt"
  check "$lang: -x: nothing was started" test ! -e "$lang/recorded-run-nothing.txt"
  check "$lang: -u -n keeps the existing file" grep -q "the user's own" "$lang/out-keep/mid.txt"
  check "$lang: -u -q keeps the existing file it cannot ask about" grep -q "the user's own" "$lang/out-ask/mid.txt"
  for name in damaged tested encrypted encrypted-names volume unsealed unlisted; do
    check "$lang $name: no damaged file is left" test -z "$(find "$lang/out-$name" -name 'bad.txt' -o -name '*.TMP')"
  done
  check "$lang tested: nothing written" test -z "$(ls -A "$lang/out-tested")"
  check "$lang volume: nothing written" test -z "$(ls -A "$lang/out-volume")"
}

run_language english C.UTF-8 "$languages/English.txt" CP1252
[ -n "${WINE_SMOKE:-}" ] || run_language russian ru_RU.UTF-8 "$languages/Russian.txt" CP1251
report
