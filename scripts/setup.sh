#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks and builds Varnesk into build/.
#   setup.sh run    what building and running the program needs
#                   (packages-run.txt); builds the program alone
#   setup.sh test   that and what the tests need (packages.txt); builds the
#                   program, its tests and its benchmarks
# Run as root (or with sudo available). Safe to run again: it only installs
# missing packages and rebuilds incrementally.
set -euo pipefail
cd "$(dirname "$0")/.."

# install_packages LIST...: installs every package named in the lists (one a
# line) that is not installed yet.
install_packages() {
  local missing=() pkg
  while read -r pkg; do
    [ -n "$pkg" ] || continue
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done < <(cat "$@")
  [ ${#missing[@]} -gt 0 ] || return 0
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

case "${1:-}" in
  run)
    install_packages scripts/packages-run.txt
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DVARNESK_TESTS=OFF -DVARNESK_BENCH=OFF ${VARNESK_CMAKE_ARGS:-}
    cmake --build build -j "$(nproc)" --target varnesk
    ;;
  test)
    install_packages scripts/packages-run.txt scripts/packages.txt
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DVARNESK_TESTS=ON -DVARNESK_BENCH=ON ${VARNESK_CMAKE_ARGS:-}
    cmake --build build -j "$(nproc)"
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
