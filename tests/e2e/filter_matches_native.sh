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
