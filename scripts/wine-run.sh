#!/usr/bin/env bash
# Runs a command in the environment of a private Wine prefix, made on first
# use: the command calls `wine` for the Windows programs it starts.
#   wine-run.sh --prefix DIR [--copy-of BASE] [--display] [--win64] -- COMMAND [ARGS...]
# --copy-of BASE makes a missing prefix as a copy of BASE (made first when it
# is missing too): seconds, where making a prefix takes minutes.
# --display starts a virtual X server for programs that show windows.
# --win64 makes a 64-bit prefix for 64-bit programs and runs `wine` as the
# 64-bit loader, which runs natively where 32-bit Wine is emulated.
# Under ctest, a test given lane N of the "wine" resource (scripts/test.sh
# runs the Wine tests two at a time) runs in DIR for lane 0 and in a copy of
# DIR, DIR-laneN, for the others: the programs of two tests must not meet in
# one Wine session, whose desktop lives on the display of whoever started it.
# The command's exit code is passed on.
set -euo pipefail

prefix=""
copy_of=""
display=0
win64=0
while [ $# -gt 0 ]; do
  case "$1" in
    --prefix) prefix="$2"; shift 2 ;;
    --copy-of) copy_of="$2"; shift 2 ;;
    --display) display=1; shift ;;
    --win64) win64=1; shift ;;
    --) shift; break ;;
    *) echo "wine-run: unknown option $1" >&2; exit 2 ;;
  esac
done
[ -n "$prefix" ] && [ $# -gt 0 ] || {
  echo "usage: wine-run.sh --prefix DIR [--copy-of BASE] [--display] [--win64] -- COMMAND [ARGS...]" >&2
  exit 2
}

# ctest names the lane as "id:N,slots:1". The variables go, so that a
# wine-run.sh the command starts keeps the prefix it names.
lane=${CTEST_RESOURCE_GROUP_0_WINE:-}
lane=${lane#id:}
lane=${lane%%,*}
if [ -n "$lane" ] && [ "$lane" != 0 ]; then
  copy_of=$prefix
  prefix="$prefix-lane$lane"
fi
unset CTEST_RESOURCE_GROUP_COUNT CTEST_RESOURCE_GROUP_0 CTEST_RESOURCE_GROUP_0_WINE

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
# once per build folder; later runs skip Wine's own update check. Copies are
# made beside their prefix and renamed into place whole.
make_prefix() {
  local dir=$1 base=$2 lock
  mkdir -p "$(dirname "$dir")"
  exec {lock}>"$dir.lock"
  flock "$lock"
  if [ ! -e "$dir/.ready" ]; then
    rm -rf "$dir" "$dir.copy"
    if [ -n "$base" ]; then
      make_prefix "$base" ""
      cp -a "$base" "$dir.copy"
      mv "$dir.copy" "$dir"
    else
      echo "wine-run: creating the Wine prefix $dir (once; this takes a few minutes)" >&2
      WINEPREFIX=$dir wine wineboot --init </dev/null >/dev/null 2>&1 || true
      WINEPREFIX=$dir wineserver -w
      [ -e "$dir/system.reg" ] || { echo "wine-run: could not create $dir" >&2; exit 1; }
      # A program that crashes ends, instead of starting a debugger that
      # waits for ever (both the 64- and the 32-bit view of the key).
      sed -i 's/^"Debugger"="winedbg .*"$/"Debugger"="false"/' "$dir/system.reg"
      echo disable >"$dir/.update-timestamp"
      touch "$dir/.ready"
    fi
  fi
  flock -u "$lock"
  exec {lock}>&-
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

make_prefix "$prefix" "$copy_of"
[ "$display" -eq 1 ] && start_display
set +e
"$@"
status=$?
set -e
exit $status
