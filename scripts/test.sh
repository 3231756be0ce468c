#!/usr/bin/env bash
# Builds Varnex twice (optimised, and with AddressSanitizer and UndefinedBehaviorSanitizer)
# and runs every test of both builds; then varnex-cli with ThreadSanitizer, and its tests of
# threads.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
for preset in default asan tsan; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset" -j "$(nproc)"
done
