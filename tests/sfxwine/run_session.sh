#!/usr/bin/env bash
# run_session.sh TEST_EXE 7Z_DLL ARCHIVES HOSTILE_ITEMS CRAFT7Z WINE_RUN WORK
# Lays out the work folder (three copies of the module, the crafted archive)
# and runs the session test under Wine, inside wine-run.sh's prefix: once for
# everything but encryption, once for the encrypted archives.
set -euo pipefail
source "$(dirname "$0")/../support/wine_steps.sh"
exe=$1 dll=$2 archives=$3 items=$4 craft=$5 wine_run=$6 work=$7

chmod -R u+w "$work" 2>/dev/null || true
rm -rf "$work"
mkdir -p "$work/mod" "$work/mod1" "$work/mod2"
for m in mod mod1 mod2; do cp "$dll" "$work/$m/7z.dll"; done
python3 "$craft" "$work/hostile.7z" "$items"

cd "$work"
status=0
wine "$exe" "$(win "$archives")" "$(win "$work")" || status=1
without_aes "$wine_run" -- wine "$exe" "$(win "$archives")" "$(win "$work")" encrypted || status=1
exit $status
