#!/usr/bin/env bash
# Runs the dialog driver on a photo with a dark wire. With SCREENSHOTS set to
# a folder, takes the pictures the driver asks for into it.
#   drive_dialog.sh UI_DRIVER PLUGIN WORK_DIR
# Runs inside wine-run.sh --display, so `wine` reaches the test's prefix and
# the display.
set -euo pipefail
driver=$1 plugin=$2 work=$3
rm -rf "$work" && mkdir -p "$work" && cd "$work"
cp "$plugin" Linefix.8bf

convert -seed 11 -size 900x600 plasma:tan-olivedrab -blur 0x1.5 -alpha off -depth 8 clean.png
wire=(150 180 760 420)
convert clean.png -stroke '#141414' -strokewidth 4 -draw "line ${wire[0]},${wire[1]} ${wire[2]},${wire[3]}" \
  -depth 8 wired.png

shots=()
if [ -n "${SCREENSHOTS:-}" ]; then
  mkdir -p "$SCREENSHOTS"
  shots=("$(winepath -w "$SCREENSHOTS")")
  # Answers each NAME.request of the driver with NAME.png of the screen.
  (
    while sleep 0.2; do
      for request in "$SCREENSHOTS"/*.request; do
        [ -e "$request" ] || continue
        sleep 0.5  # let the window finish drawing
        import -window root "${request%.request}.png" || true
        rm -f "$request"
      done
    done
  ) &
  watcher=$!
  trap 'kill $watcher 2>/dev/null || true' EXIT
fi
wine "$driver" Linefix.8bf wired.png "$(IFS=,; echo "${wire[*]}")" clean.png fixed.png "${shots[@]}"
