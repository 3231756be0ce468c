#!/usr/bin/env bash
# Builds the Debian package of Varnex: build/package/varnex_<version>_<arch>.deb, installing
# under /usr. The programs are built as the tests build them (-O2), without the tests and
# benchmarks, and stripped; then prints its size and checks it with lintian. Install it with:
# sudo apt install ./build/package/varnex_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh package
cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
      -DVARNEX_TESTS=OFF -DVARNEX_BENCHMARKS=OFF >/dev/null
cmake --build build/package
(cd build/package && cpack -G DEB >/dev/null)
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' build/package/CPackConfig.cmake)
deb=$(echo build/package/varnex_"$version"_*.deb)
echo "$deb: $(( ($(stat -c %s "$deb") + 1023) / 1024 )) KiB, $(dpkg-deb -f "$deb" Installed-Size) KiB installed"
# Debian's policy checks: errors and warnings fail the build; info tags are shown with -I.
lintian --fail-on error,warning "$deb"
