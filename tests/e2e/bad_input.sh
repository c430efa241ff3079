#!/usr/bin/env bash
# filterhost.exe refuses an unreadable image with a one-line message and a
# non-zero exit, and leaves no output behind.
#   bad_input.sh WINDOWS_FILTERHOST WORK_DIR
set -euo pipefail
windows=$1 work=$2
rm -rf "$work" && mkdir -p "$work" && cd "$work"
echo "not an image" >broken.png

set +e
wine "$windows" --registry test.reg --points 1,1,20,20 broken.png out.png 2>err.txt
status=$?
set -e
cat err.txt
[ "$status" -ne 0 ] || { echo "expected a failure exit"; exit 1; }
[ "$(grep -c . err.txt)" -eq 1 ] || { echo "expected one line of error"; exit 1; }
[ ! -e out.png ] || { echo "output left behind"; exit 1; }
