#!/bin/sh
# Start-up time and memory: the packed demo against a bare Qt window, under Xvfb, in the same
# run. Each program is timed from exec to the map of its first top-level window, REPEAT times
# in turns; the figures are medians, with the resident memory (VmRSS) half a second after the
# map. The bare window comes first; "vs first" is each program's median over its median.
#
# usage: bench/startup.sh [BUILD_DIR] [REPEAT]   (defaults: build, 15)
#   Needs Xvfb (package xvfb) and libX11 (x11-utils pulls it in); builds qav, qavplayer and
#   bare_window in BUILD_DIR if they are missing.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-"$here/../build"}
repeat=${2:-15}

missing=""
command -v Xvfb >/dev/null || missing="$missing xvfb"
command -v xwininfo >/dev/null || missing="$missing x11-utils"
command -v python3 >/dev/null || missing="$missing python3"
if [ -n "$missing" ]; then
  echo "startup.sh: missing tools; install them with: apt-get install$missing" >&2
  exit 1
fi
for t in qav qavplayer bare_window; do
  [ -x "$build/$t" ] || cmake --build "$build" --target "$t" -j2 >/dev/null
done

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT INT TERM

"$build/qav" pack "$here/../examples/demo.json" -o "$work/demo" >/dev/null
chmod +x "$work/demo"

# A display number nobody uses.
n=99
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
i=0
until xwininfo -display ":$n" -root >/dev/null 2>&1; do
  i=$((i + 1))
  [ "$i" -lt 100 ] || { echo "startup.sh: Xvfb did not start" >&2; exit 1; }
  sleep 0.05
done

unset QT_QPA_PLATFORM
DISPLAY=":$n" python3 "$here/startup/probe.py" "$repeat" \
  "bare=$build/bare_window" "demo=$work/demo"
