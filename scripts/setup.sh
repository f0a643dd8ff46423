#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks and builds Varnesk, its tests
# and its benchmarks into build/.
# Run as root (or with sudo available). Safe to run again: it only installs
# missing packages and rebuilds incrementally.
set -euo pipefail
cd "$(dirname "$0")/.."

missing=()
while read -r pkg; do
  [ -n "$pkg" ] || continue
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
done < scripts/packages.txt

if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNESK_BENCH=ON ${VARNESK_CMAKE_ARGS:-}
cmake --build build -j "$(nproc)"
