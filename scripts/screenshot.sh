#!/usr/bin/env bash
# Makes the pictures of the README and the manual, data/images/main-window.png (after a
# Calculate of this year with the weekday) and data/images/summary-window.png ("Display all
# for:"): Varnex under a virtual X display (Xvfb) with a small window manager for the title bars;
# and data/images/wheel.svg, this year's wheel from varnex-cli.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run xvfb x11-utils imagemagick twm xdotool
cmake --preset default >/dev/null
cmake --build --preset default --target varnex varnex-cli

display=":$(( 90 + RANDOM % 9 ))"
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
export DISPLAY="$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
printf 'UsePPosition "on"\nRandomPlacement\nNoGrabServer\nBorderWidth 1\n' > "$work/twmrc"
twm -f "$work/twmrc" >/dev/null 2>&1 &
sleep 0.5

# The window manager's frame around a window, with its title bar.
frame_of() { xwininfo -tree -id "$1" | sed -n 's/.*Parent window id: \(0x[0-9a-f]*\).*/\1/p'; }
window_named() {
    local id=""
    for _ in $(seq 50); do id=$(xdotool search --name "$1" 2>/dev/null | head -n 1) && [ -n "$id" ] && break; sleep 0.1; done
    [ -n "$id" ] || { echo "no window named '$1' appeared" >&2; exit 1; }
    echo "$id"
}

XDG_CONFIG_HOME="$work" build/default/bin/varnex >/dev/null 2>&1 &
window=$(window_named '^Varnex ')
sleep 0.5
# Positions in the window, in pixels (twips / 15): the year box, "Include weekday", Calculate.
xdotool mousemove --window "$window" 60 20 click --repeat 3 1
xdotool type --delay 40 "$(date +%Y)"
xdotool mousemove --window "$window" 16 252 click 1
xdotool mousemove --window "$window" 150 214 click 1
sleep 0.7
mkdir -p data/images
import -window "$(frame_of "$window")" data/images/main-window.png

xdotool mousemove --window "$window" 349 214 click 1  # "Display all for:"
summary=$(window_named '^All dates and times for ')
sleep 0.7
import -window "$(frame_of "$summary")" data/images/summary-window.png
build/default/bin/varnex-cli "$(date +%Y)" --format svg --output data/images/wheel.svg
echo "data/images/main-window.png data/images/summary-window.png data/images/wheel.svg"
