#!/usr/bin/env bash
# sfxbuild.exe under Wine puts the same bytes together as the native sfxbuild
# from the same stubs and modules, each beside its sfxbuild: 32- and 64-bit,
# plain and with settings and elevation, and a volume set; and it refuses a stub and a module of
# two bitnesses with one line and exit code 1, writing nothing.
#   same_bytes.sh NATIVE_SFXBUILD WINDOWS_SFXBUILD WORK
# Runs inside wine-run.sh, so `wine` reaches the test's prefix.
set -euo pipefail
source "$(dirname "$0")/../support/wine_steps.sh"
native=$1 windows=$2 work=$3
rm -rf "$work" && mkdir -p "$work/files" && cd "$work"

printf 'first\n' >files/a.txt
seq 1 20000 >files/b.txt
(cd files && 7zz a -bso0 -bsp0 ../files.7z a.txt b.txt)

for part in br7zsfx.exe 7z.dll br7zsfx64.exe 7z64.dll; do
  check "$part beside both sfxbuilds is one file" cmp -s "$(dirname "$native")/$part" "$(dirname "$windows")/$part"
done

same_output() {  # same_output NAME OPTIONS...
  local name=$1
  shift
  "$native" "$@" files.7z "native-$name.exe" && wine "$windows" "$@" files.7z "windows-$name.exe" &&
    cmp "native-$name.exe" "windows-$name.exe"
}
check "32-bit: the same bytes" same_output plain32
check "64-bit: the same bytes" same_output plain64 --x64
check "32-bit with settings and elevation: the same bytes" \
  same_output settings32 --elevate --title "Same bytes" --destination '%PROG%\Same' --run a.txt --auto
check "64-bit with settings and elevation: the same bytes" \
  same_output settings64 --x64 --elevate --title "Same bytes" --destination '%PROG%\Same' --run a.txt --auto

# A volume set: the program and each volume.
same_volumes() {
  "$native" --volume-size 4k files.7z native-set.exe && wine "$windows" --volume-size 4k files.7z windows-set.exe &&
    cmp native-set.exe windows-set.exe && [ -e native-set.002 ] || return 1
  for volume in native-set.[0-9][0-9][0-9]; do cmp "$volume" "windows-set.${volume##*.}" || return 1; done
  [ ! -e "windows-set.$(printf '%03d' $(($(ls native-set.[0-9]* | wc -l) + 2)))" ]
}
check "a volume set: the same bytes in the program and every volume" same_volumes

refused() {
  local status=0
  wine "$windows" --x64 --module "$(win "$(dirname "$windows")/7z.dll")" files.7z mixed.exe 2>refused.txt || status=$?
  [ "$status" = 1 ] && [ "$(tr -d '\r' <refused.txt | grep -c '^sfxbuild: ')" = 1 ] && [ ! -e mixed.exe ]
}
check "a 64-bit stub with the 32-bit module: one line, exit code 1, nothing written" refused

report
