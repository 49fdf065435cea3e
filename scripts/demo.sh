#!/bin/sh
# Packs examples/demo.json into a program file and plays it.
set -eu
BUILD=${1:-build}
OUT="$BUILD/demo"
mkdir -p "$OUT"
if [ -x "$BUILD/qavplayer" ]; then
  "$BUILD/qav" pack examples/demo.json -o "$OUT/demo"
  exec "$OUT/demo"
fi
# Without the player yet: pack the project alone and show its records.
"$BUILD/qav" pack examples/demo.json -o "$OUT/demo.qav" --offset 0
"$BUILD/qav" dump --offset 0 "$OUT/demo.qav"
