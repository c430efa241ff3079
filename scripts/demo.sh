#!/usr/bin/env bash
# The main job: builds Linefix and filterhost, then removes the wire from the
# bundled sample photo, natively and through the Windows DLL under Wine, and
# checks that both give the same bytes. Results are written beside the input.
# Then it packs both plug-ins, a read-me and the photo into the installer
# build-win32/demo/Linefix-setup.exe, installs it under Wine as a script
# would, and removes the wire again with the installed plug-in from the
# installed photo: the same bytes once more.
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
setup=build-win32/demo
payload=(build-win32/plugin/Linefix.8bf build-win64/plugin/Linefix64.8bf demo/ReadMe.txt "$input")

make_installer() {
  rm -rf "$setup" && mkdir -p "$setup/files"
  cp "${payload[@]}" "$setup/files/"
  (cd "$setup/files" && 7zz a -bso0 -bsp0 -m0=lzma2 ../Linefix.7z -- *)
  # Program Files needs administrator rights on a Windows with user account
  # control: the installer asks for them at start.
  build/tools/sfxbuild/sfxbuild --title "Linefix setup" --destination '%PROG%\Linefix' --overwrite ask --elevate \
    --run ReadMe.txt "$setup/Linefix.7z" "$setup/Linefix-setup.exe"
  echo "Made $setup/Linefix-setup.exe: $(cd "$setup/files" && echo *)"
}

# Every Windows program in one Wine session: each start is slow where 32-bit
# code runs emulated, the session's own start the slowest.
windows_runs() {
  set -euo pipefail
  wine build-win32/plugin/filterhost.exe \
    --registry "$registry" --points "$points" --width "$width" "$input" demo/sample.fixed-win32.png
  echo "  Windows build: demo/sample.fixed-win32.png"
  if cmp -s demo/sample.fixed.png demo/sample.fixed-win32.png; then
    echo "Both builds give the same bytes."
  else
    echo "The two builds differ." >&2
    exit 1
  fi

  local installed=$setup/installed code=0
  # Wine shows the Unix root as drive Z:.
  local target="Z:${PWD//\//\\}\\${installed//\//\\}"
  echo "Installing with: Linefix-setup.exe -s -x -d $target"
  wine "$setup/Linefix-setup.exe" -s -x -d "$target" || code=$?
  [ "$code" -eq 0 ] || { echo "The installer ended with exit code $code." >&2; exit 1; }
  for file in "$setup"/files/*; do
    cmp -s "$file" "$installed/${file##*/}" || { echo "Installed ${file##*/} is missing or differs." >&2; exit 1; }
  done
  echo "  exit code 0; $(ls "$installed" | wc -l) files installed, each with the packed bytes"

  wine build-win32/plugin/filterhost.exe --plugin "$installed/Linefix.8bf" \
    --registry "$registry" --points "$points" --width "$width" "$installed/sample.jpg" "$setup/sample.fixed-installed.png"
  echo "  installed plug-in on the installed photo: $setup/sample.fixed-installed.png"
  if cmp -s demo/sample.fixed-win32.png "$setup/sample.fixed-installed.png"; then
    echo "The installed plug-in gives the same bytes."
  else
    echo "The installed plug-in gives other bytes." >&2
    exit 1
  fi
}

echo "Removing the wire from $input (points $points, width $width)"
build/plugin/filterhost --registry "$registry" --points "$points" --width "$width" "$input" demo/sample.fixed.png
echo "  native:        demo/sample.fixed.png"
make_installer
export input points width registry setup
export -f windows_runs
# The installer's window needs a display, even when it runs silently.
scripts/wine-run.sh --prefix "$PWD/build-win32/wineprefix" --display -- bash -c windows_runs
