#!/usr/bin/env bash
# Builds Varnex and starts it. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target varnex-cli
exec build/default/bin/varnex-cli "$@"
