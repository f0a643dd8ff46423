#!/usr/bin/env bash
# Sets Varnesk up (see setup.sh) and runs every test:
#   1. the whole program's tests (core and windows) on a virtual X screen,
#      then the window tests that need a window manager on another one (they
#      start Openbox there);
#   2. the core tests and the fuzz targets under AddressSanitizer and
#      UndefinedBehaviorSanitizer (clang);
#   3. the thread and URI tests under ThreadSanitizer (clang);
#   4. a cross build of the core targets and the program's resources for
#      Windows with MinGW-w64.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

bash scripts/setup.sh test

# Chromium refuses to run as root with its sandbox on.
export QTWEBENGINE_DISABLE_SANDBOX=1
export QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu --no-first-run --disable-background-networking --disable-component-update"
export CTEST_OUTPUT_ON_FAILURE=1

echo "== program tests"
xvfb-run -a -s "-screen 0 1920x1080x24" ctest --test-dir build -j "$jobs" --timeout 600 -LE wm

echo "== window tests under a window manager, on a display of their own"
xvfb-run -a -s "-screen 0 1920x1080x24" ctest --test-dir build --timeout 600 -L wm

echo "== core tests and fuzzers under ASan and UBSan"
CC=clang CXX=clang++ cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVARNESK_GUI=OFF -DVARNESK_FUZZ=ON -DVARNESK_SANITIZE=address,undefined \
  -DVARNESK_FUZZ_SECONDS="${VARNESK_FUZZ_SECONDS:-15}"
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan -j "$jobs" --timeout 600

echo "== thread and URI tests under TSan"
CC=clang CXX=clang++ cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVARNESK_GUI=OFF -DVARNESK_SANITIZE=thread
cmake --build build-tsan -j "$jobs"
ctest --test-dir build-tsan -j "$jobs" --timeout 600 -L 'threads|uri|search'

echo "== Windows cross build of the core"
cmake -S . -B build-mingw -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DVARNESK_GUI=OFF -DVARNESK_TESTS=OFF
cmake --build build-mingw -j "$jobs"
# The program's resources (version record, manifest) compile for Windows too.
x86_64-w64-mingw32-windres src/gui/varnesk.rc -O coff -o build-mingw/varnesk.res

echo "All test runs passed."
