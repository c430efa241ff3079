#!/usr/bin/env bash
# Runs the dialog driver on a photo with a dark wire. With SCREENSHOTS set to
# a folder, takes the pictures the driver asks for into it.
#   drive_dialog.sh UI_DRIVER PLUGIN WORK_DIR [FILTERHOST]
# With FILTERHOST, also runs its --dialog once confirmed and once cancelled,
# and its --about.
# Runs inside wine-run.sh --display, so `wine` reaches the test's prefix and
# the display.
set -euo pipefail
source "$(dirname "$0")/../support/wine_steps.sh"
driver=$1 plugin=$2 work=$3 filterhost=${4:-}
rm -rf "$work" && mkdir -p "$work" && cd "$work"
cp "$plugin" Linefix.8bf

# A landscape: sky over rolling hills, and a dark wire across it.
convert -size 900x600 gradient:'#3f78c8'-'#e4eef8' \
  \( -seed 5 -size 900x600 plasma:grey60-white -blur 0x6 \) -compose soft-light -composite sky.png
convert -seed 11 -size 900x600 plasma:darkolivegreen-yellowgreen -blur 0x1 -modulate 90,55 ground.png
convert -size 900x600 xc:black -fill white \
  -draw "path 'M 0,380 C 200,300 380,420 560,360 S 820,330 900,390 L 900,600 L 0,600 Z'" -blur 0x1 hills.png
convert sky.png ground.png hills.png -composite -alpha off -depth 8 clean.png
wire=(60 120 840 330)
convert clean.png -stroke '#1c1c1c' -strokewidth 3 -draw "line ${wire[0]},${wire[1]} ${wire[2]},${wire[3]}" \
  -alpha off -depth 8 wired.png

start_screenshots
wine "$driver" Linefix.8bf wired.png "$(IFS=,; echo "${wire[*]}")" clean.png fixed.png "${shots[@]}"

[ -n "$filterhost" ] || exit 0
# filterhost --dialog with the driver as its user: OK writes OUT, Cancel
# writes nothing and fails.
wine "$filterhost" --dialog --plugin Linefix.8bf --registry registry wired.png confirmed.png &
wine "$driver" --press ok
wait $! || { echo "FAILED: filterhost --dialog after OK"; exit 1; }
[ -s confirmed.png ] || { echo "FAILED: OK wrote no output"; exit 1; }
echo "ok: filterhost --dialog writes OUT after OK"
wine "$filterhost" --dialog --plugin Linefix.8bf --registry registry wired.png cancelled.png &
wine "$driver" --press cancel
if wait $!; then echo "FAILED: a cancelled filterhost --dialog succeeded"; exit 1; fi
[ ! -e cancelled.png ] || { echo "FAILED: Cancel left an output file"; exit 1; }
echo "ok: filterhost --dialog fails after Cancel and writes nothing"
wine "$filterhost" --about --plugin Linefix.8bf &
wine "$driver" --press about
wait $! || { echo "FAILED: filterhost --about"; exit 1; }
echo "ok: filterhost --about shows the about box until it is closed"
