#!/usr/bin/env bash
# Makes docs/screenshot.png: Varnex under a virtual X display (Xvfb) with a small window
# manager for the title bar, after a Calculate of one year with the weekday.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh xvfb x11-utils imagemagick twm xdotool
cmake --preset default >/dev/null
cmake --build --preset default --target varnex

display=":$(( 90 + RANDOM % 9 ))"
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
Xvfb "$display" -screen 0 800x640x24 -nolisten tcp >/dev/null 2>&1 &
export DISPLAY="$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
printf 'UsePPosition "on"\nRandomPlacement\nNoGrabServer\nBorderWidth 1\n' > "$work/twmrc"
twm -f "$work/twmrc" >/dev/null 2>&1 &
sleep 0.5

XDG_CONFIG_HOME="$work" build/default/bin/varnex >/dev/null 2>&1 &
window=""
for _ in $(seq 50); do window=$(xdotool search --name '^Varnex ' 2>/dev/null | head -n 1) && [ -n "$window" ] && break; sleep 0.1; done
[ -n "$window" ] || { echo "the window did not appear" >&2; exit 1; }
sleep 0.5
# Positions in the window, in pixels (twips / 15): the year box, "Include weekday", Calculate.
xdotool mousemove --window "$window" 60 20 click --repeat 3 1
xdotool type --delay 40 "$(date +%Y)"
xdotool mousemove --window "$window" 16 252 click 1
xdotool mousemove --window "$window" 150 214 click 1
sleep 0.7
# The window manager's frame around the window, with the title bar.
frame=$(xwininfo -tree -id "$window" | sed -n 's/.*Parent window id: \(0x[0-9a-f]*\).*/\1/p')
mkdir -p docs
import -window "$frame" docs/screenshot.png
echo "docs/screenshot.png"
