#!/usr/bin/env bash
# run_session.sh TEST_EXE 7Z_DLL ARCHIVES HOSTILE_ITEMS CRAFT7Z WINE_RUN WORK
# Lays out the work folder (three copies of the module, the crafted archive)
# and runs the session test under Wine, inside wine-run.sh's prefix: once for
# everything but encryption, once for the encrypted archives.
set -euo pipefail
exe=$1 dll=$2 archives=$3 items=$4 craft=$5 wine_run=$6 work=$7

chmod -R u+w "$work" 2>/dev/null || true
rm -rf "$work"
mkdir -p "$work/mod" "$work/mod1" "$work/mod2"
for m in mod mod1 mod2; do cp "$dll" "$work/$m/7z.dll"; done
python3 "$craft" "$work/hostile.7z" "$items"

windows() { printf 'Z:%s' "$(printf '%s' "$1" | tr / '\\')"; }
cd "$work"
status=0
wine "$exe" "$(windows "$archives")" "$(windows "$work")" || status=1
# The emulator's AES instructions decrypt wrongly in 32-bit code; under a
# processor model without them the module takes its plain AES code. A prefix
# once used with that model breaks later runs with the usual one, so the
# encrypted archives get a prefix of their own, copied from the test's. On a
# machine that runs 32-bit code natively the setting changes nothing.
export QEMU_CPU=Nehalem
"$wine_run" --prefix "$WINEPREFIX-noaes" --copy-of "$WINEPREFIX" -- \
  wine "$exe" "$(windows "$archives")" "$(windows "$work")" encrypted \
  2> >(grep -v "TCG doesn't support" >&2) || status=1
exit $status
