#!/usr/bin/env bash
# filterhost.exe with the plug-in of its bitness on the images beyond 8-bit
# RGB: a 16-bit RGB PNG, an RGBA PNG with varying transparency and a 16-bit
# grey PNG with alpha. Each gives the same bytes as the native build, keeps
# its depth, and its alpha comes back unchanged. The smoke twin (WINE_SMOKE
# set) runs the first.
#   depths_match_native.sh NATIVE_FILTERHOST WINDOWS_FILTERHOST WORK_DIR
# Runs inside wine-run.sh, so `wine` reaches the test's prefix.
set -euo pipefail
native=$1 windows=$2 work=$3
rm -rf "$work" && mkdir -p "$work" && cd "$work"

convert -seed 11 -size 300x200 plasma:tan-olivedrab -blur 0x1.5 -alpha off \
  -stroke '#141414' -strokewidth 3 -draw "line 20,40 280,170" -alpha off base.png
convert base.png -depth 16 PNG48:rgb16.png
convert base.png -alpha set -channel A -fx "0.2 + 0.8 * i / w" +channel -depth 8 PNG32:rgba8.png
convert base.png -colorspace Gray -alpha set -channel A -fx "j / h" +channel -depth 16 PNG64:greya16.png
args=(--points 40,20,170,280 --width 20)

# Bit depth and colour type from the PNG header.
header() { od -An -tu1 -j24 -N2 "$1" | tr -s ' ' | sed 's/^ //'; }

images=(rgb16 rgba8 greya16)
[ -n "${WINE_SMOKE:-}" ] && images=(rgb16)
for image in "${images[@]}"; do
  "$native" --registry native.reg "${args[@]}" "$image.png" "$image-native.png"
  wine "$windows" --registry windows.reg "${args[@]}" "$image.png" "$image-windows.png"
  cmp "$image-native.png" "$image-windows.png"
  [ "$(header "$image.png")" = "$(header "$image-windows.png")" ] ||
    { echo "$image: depth or colour type changed: $(header "$image.png") -> $(header "$image-windows.png")"; exit 1; }
  if [ "$image" != rgb16 ]; then
    changed=$(compare -metric AE -channel A "$image.png" "$image-windows.png" null: 2>&1 || true)
    [ "$changed" = 0 ] || { echo "$image: $changed alpha samples changed"; exit 1; }
  fi
  changed=$(compare -metric AE "$image.png" "$image-windows.png" null: 2>&1 || true)
  [ "$changed" != 0 ] || { echo "$image: the wire was not touched"; exit 1; }
  echo "$image: the same bytes as natively, $(header "$image.png") kept, $changed pixels repaired"
done
