#!/usr/bin/env bash
# Installs the Debian packages that building and testing Varnex need, when some are missing.
# As root it uses apt-get, otherwise sudo when that works without a password prompt; failing
# both, it prints the exact install line and stops.
set -euo pipefail

packages=(g++ cmake ninja-build pkg-config qt6-base-dev liberfa-dev libgtest-dev libbenchmark-dev
          fonts-liberation tidy libcli11-dev nlohmann-json3-dev libical-dev libhowardhinnant-date-dev tzdata
          python3 python3-icalendar jq librsvg2-bin
          help2man mandoc groff-base desktop-file-utils appstream bash-completion dpkg-dev file strace acl "$@")

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
