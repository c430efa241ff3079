#!/usr/bin/env bash
# Runs a command in the environment of a private Wine prefix, made on first
# use: the command calls `wine` for the Windows programs it starts.
#   wine-run.sh --prefix DIR [--display] [--win64] -- COMMAND [ARGS...]
# --display starts a virtual X server for programs that show windows.
# --win64 makes a 64-bit prefix for 64-bit programs and runs `wine` as the
# 64-bit loader, which runs natively where 32-bit Wine is emulated.
# The command's exit code is passed on.
set -euo pipefail

prefix=""
display=0
win64=0
while [ $# -gt 0 ]; do
  case "$1" in
    --prefix) prefix="$2"; shift 2 ;;
    --display) display=1; shift ;;
    --win64) win64=1; shift ;;
    --) shift; break ;;
    *) echo "wine-run: unknown option $1" >&2; exit 2 ;;
  esac
done
[ -n "$prefix" ] && [ $# -gt 0 ] || { echo "usage: wine-run.sh --prefix DIR [--display] [--win64] -- COMMAND [ARGS...]" >&2; exit 2; }

export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
unset DISPLAY
if [ "$win64" -eq 1 ]; then
  # The command and this script find the 64-bit loader first as `wine`. It
  # must run under its own name: the loader takes the name it starts further
  # programs with from the name it was called by.
  loader_dir="$prefix.bin"
  mkdir -p "$loader_dir"
  printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$loader_dir/wine.$$"
  chmod +x "$loader_dir/wine.$$"
  mv -f "$loader_dir/wine.$$" "$loader_dir/wine"
  export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64 PATH="$loader_dir:$PATH"
fi

# Making a prefix takes minutes when 32-bit code runs emulated, so it is done
# once per build folder; later runs skip Wine's own update check.
make_prefix() {
  mkdir -p "$(dirname "$prefix")"
  exec 9>"$prefix.lock"
  flock 9
  if [ ! -e "$prefix/.ready" ]; then
    echo "wine-run: creating the Wine prefix $prefix (once; this takes a few minutes)" >&2
    rm -rf "$prefix"
    wine wineboot --init </dev/null >/dev/null 2>&1 || true
    wineserver -w
    [ -e "$prefix/system.reg" ] || { echo "wine-run: could not create $prefix" >&2; exit 1; }
    echo disable >"$prefix/.update-timestamp"
    touch "$prefix/.ready"
  fi
  flock -u 9
}

xvfb_pid=""
start_display() {
  local fd
  exec {fd}< <(Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null & echo "pid $!")
  read -r _ xvfb_pid <&$fd
  read -r number <&$fd
  export DISPLAY=":$number"
}

# Wine's own background processes would hold the caller's output open: they
# end with the server.
cleanup() {
  wineserver -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  true
}
trap cleanup EXIT

make_prefix
[ "$display" -eq 1 ] && start_display
set +e
"$@"
status=$?
set -e
exit $status
