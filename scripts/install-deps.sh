#!/usr/bin/env bash
# Installs the Debian packages a task needs, when some are missing.
# Usage: install-deps.sh run|test|package [PACKAGE...]
#   run      building the programs and running them (scripts/run.sh)
#   package  that, and the tools that make and check the Debian package (scripts/package.sh)
#   test     that, and the tests' libraries and checkers (scripts/test.sh)
# Extra arguments are installed as well. As root it uses apt-get, otherwise sudo when that works
# without a password prompt; failing both, it prints the exact install line and stops.
set -euo pipefail

run=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-l10n-tools liberfa-dev libcli11-dev nlohmann-json3-dev
     libical-dev libhowardhinnant-date-dev tzdata fonts-liberation fonts-dejavu-core qt6-translations-l10n)
package=(help2man dpkg-dev file lintian)
test=(libgtest-dev libbenchmark-dev tidy python3 python3-icalendar jq librsvg2-bin
      mandoc groff-base desktop-file-utils appstream bash-completion strace acl)

group=${1:-}
shift || true
case "$group" in
    run) packages=("${run[@]}") ;;
    package) packages=("${run[@]}" "${package[@]}") ;;
    test) packages=("${run[@]}" "${package[@]}" "${test[@]}") ;;
    *) echo "usage: $0 run|test|package [PACKAGE...]" >&2; exit 2 ;;
esac
packages+=("$@")

if ! command -v dpkg-query >/dev/null 2>&1; then
    echo "Not a Debian system: make sure these (or their equivalents) are installed: ${packages[*]}" >&2
    exit 0
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    sudo apt-get update -qq
    sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
else
    echo "Some packages are missing. Install them with:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    exit 1
fi
