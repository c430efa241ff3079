#!/usr/bin/env bash
# Makes the self-extractors that the window driver runs and runs it once.
# With SCREENSHOTS set to a folder, takes the pictures the driver asks for
# into it.
#   drive_window.sh SFXBUILD DRIVER RECORDER ARCHIVES LANGUAGE WORK
# ARCHIVES: the folder of make_test_archives.sh; LANGUAGE: the English text.
# Runs inside wine-run.sh --display, so `wine` reaches the test's prefix.
set -euo pipefail
source "$(dirname "$0")/../support/wine_steps.sh"
sfxbuild=$1 driver=$2 recorder=$3 archives=$4 language=$5 work=$6
chattr -i "$work/locked" 2>/dev/null || true
rm -rf "$work" && mkdir -p "$work" && cd "$work"
work=$PWD

# A folder no one may write to, not even root, where the file system allows
# it: the system denies access there as it denies a normal user Program Files.
mkdir locked
if chattr +i locked 2>/dev/null; then
  export LOCKED_FOLDER
  LOCKED_FOLDER=$(win "$work/locked")
fi

mkdir -p files/docs
printf 'new a\n' >files/a.txt
printf 'new b\n' >files/b.txt
printf 'c\n' >files/docs/c.txt
printf 'd\n' >files/docs/d.txt
cp "$recorder" files/recorder.exe
(cd files && 7zz a -bso0 -bsp0 ../files.7z a.txt b.txt docs)
(cd files && 7zz a -bso0 -bsp0 ../files-run.7z a.txt b.txt docs recorder.exe)
# Incompressible data in PPMd, slow to decode: Cancel comes while the module
# works.
mkdir -p big && head -c 16000000 /dev/urandom >big/noise.bin && cp "$recorder" big/recorder.exe
(cd big && 7zz a -bso0 -bsp0 -m0=PPMd ../big.7z noise.bin recorder.exe)

"$sfxbuild" --title "Window test" --overwrite ask files.7z files.exe
"$sfxbuild" --title "Window test" --overwrite ask --run recorder.exe files-run.7z files-run.exe
"$sfxbuild" --title "Window test" --run recorder.exe big.7z big-run.exe
"$sfxbuild" --auto --done-message --run recorder.exe files-run.7z done-run.exe
"$sfxbuild" "$archives/damaged-crc.7z" damaged.exe
# Item names that would be patterns if the choice went by name.
python3 "$(dirname "$0")/../support/craft7z.py" wild.7z - <<'EOF'
[{"name": "*", "text": "star"}, {"name": "a.txt", "text": "a"},
 {"name": "b1.txt", "text": "b1"}, {"name": "b?.txt", "text": "b?"}]
EOF
"$sfxbuild" wild.7z wild.exe

start_screenshots
status=0
RECORD_TO=$(win "$work/recorded.txt") wine "$driver" "$(win "$work")" "$(win "$language")" "${shots[@]}" || status=$?
# Unlocked again, so that the build folder can be removed.
chattr -i locked 2>/dev/null || true
exit $status
