#!/usr/bin/env bash
# take_screenshots.sh FOLDER: answers each NAME.request that a window driver
# leaves in FOLDER with NAME.png of the whole screen, until it is killed.
set -u
folder=$1
while sleep 0.2; do
  for request in "$folder"/*.request; do
    [ -e "$request" ] || continue
    sleep 0.5  # let the window finish drawing
    import -window root "${request%.request}.png" || true
    rm -f "$request"
  done
done
