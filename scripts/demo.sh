#!/usr/bin/env bash
# The main job: builds Linefix and filterhost, then removes the wire from the
# bundled sample photo, natively and through the Windows DLL under Wine, and
# checks that both give the same bytes. Results are written beside the input.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh

input=demo/sample.jpg
points=138,25,422,875   # the wire's end points: row,column of each
width=24
# A fresh registry, so that the run does not depend on earlier ones.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
registry=$scratch/registry

echo "Removing the wire from $input (points $points, width $width)"
build/plugin/filterhost --registry "$registry" --points "$points" --width "$width" "$input" demo/sample.fixed.png
echo "  native:        demo/sample.fixed.png"
scripts/wine-run.sh --prefix "$PWD/build-win32/wineprefix" -- wine build-win32/plugin/filterhost.exe \
  --registry "$registry" --points "$points" --width "$width" "$input" demo/sample.fixed-win32.png
echo "  Windows build: demo/sample.fixed-win32.png"
if cmp -s demo/sample.fixed.png demo/sample.fixed-win32.png; then
  echo "Both builds give the same bytes."
else
  echo "The two builds differ." >&2
  exit 1
fi
