#!/usr/bin/env bash
# Builds the Debian package of Varnex: build/package/varnex_<version>_<arch>.deb, installing
# under /usr. The programs are built as the tests build them (-O2), without the tests and
# benchmarks, and stripped. Install it with: sudo apt install ./build/package/varnex_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
      -DVARNEX_TESTS=OFF -DVARNEX_BENCHMARKS=OFF >/dev/null
cmake --build build/package
(cd build/package && cpack -G DEB >/dev/null)
ls build/package/varnex_*.deb
