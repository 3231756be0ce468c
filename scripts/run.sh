#!/usr/bin/env bash
# Builds Varnex and starts it. Without a display, prints this year's events on the command
# line instead (arguments then go to varnex-cli).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
cmake --preset default >/dev/null
cmake --build --preset default --target varnex varnex-cli
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display here: printing this year's events with varnex-cli instead of opening the window." >&2
    exec build/default/bin/varnex-cli "$@"
fi
exec build/default/bin/varnex
