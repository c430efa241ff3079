#!/usr/bin/env bash
# filterhost.exe with Linefix.8bf removes a dark wire from a textured image,
# giving the same bytes as the native build.
#   filter_matches_native.sh NATIVE_FILTERHOST WINDOWS_FILTERHOST WORK_DIR
# Runs inside wine-run.sh, so `wine` reaches the test's prefix.
set -euo pipefail
native=$1 windows=$2 work=$3
rm -rf "$work" && mkdir -p "$work" && cd "$work"

convert -seed 11 -size 400x300 plasma:tan-olivedrab -blur 0x1.5 -seed 5 -attenuate 0.4 +noise Gaussian -alpha off -depth 8 clean.png
convert clean.png -stroke '#141414' -strokewidth 3 -draw "line 20,60 380,230" -alpha off -depth 8 wired.png
args=(--points 60,20,230,380 --width 20)

"$native" --registry native.reg "${args[@]}" wired.png native.png
wine "$windows" --registry windows.reg "${args[@]}" wired.png windows.png
cmp native.png windows.png

# The wire is gone: the repaired image lies far closer to the wire-free one.
# compare exits 1 when the images differ, which is expected here.
rmse() { { compare -metric RMSE "$1" "$2" null: 2>&1 || true; } | sed -E 's/.*\(([0-9.e-]+)\).*/\1/'; }
before=$(rmse wired.png clean.png)
after=$(rmse windows.png clean.png)
echo "RMSE against the wire-free image: before $before, after $after"
awk -v b="$before" -v a="$after" 'BEGIN { exit !(a * 4 < b) }'

# A wire that sags along a parabola from (0, 40) to (399, 60), 85 pixels at
# its lowest, drawn in short straight strokes, marked with five points along
# it and removed in one run: the same bytes again, and a replay of the saved
# run repeats them.
strokes=$(awk 'BEGIN { for (i = 0; i <= 80; ++i) { t = i / 80; x = 400 * t - t * t; y = 40 * (1 - t) ^ 2 + 400 * t * (1 - t) + 60 * t * t
  if (i) printf "line %.2f,%.2f %.2f,%.2f ", px, py, x, y; px = x; py = y } }')
convert clean.png -stroke '#141414' -strokewidth 2.5 -draw "$strokes" -alpha off -depth 8 sagging.png
path=(--points 40,0,101,100,125,200,111,300,60,399 --width 24)
"$native" --registry native.reg "${path[@]}" sagging.png native-path.png
wine "$windows" --registry windows.reg "${path[@]}" --session path.session sagging.png windows-path.png
cmp native-path.png windows-path.png
wine "$windows" --registry windows.reg --replay --session path.session sagging.png replayed-path.png
cmp windows-path.png replayed-path.png
before=$(rmse sagging.png clean.png)
after=$(rmse windows-path.png clean.png)
echo "sagging wire, RMSE against the wire-free image: before $before, after $after"
awk -v b="$before" -v a="$after" 'BEGIN { exit !(a * 4 < b) }'
