#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a user gets:
# the layout (bin/varnesk a relative link into lib/varnesk, the start pages
# beside the real program), the desktop files and their validity, and that
# the installed program starts, writes its settings and finds its start
# pages, while a copy of the program without its pages says it cannot.
# Usage: install_test.sh BUILD_DIR APP_ID. Needs an X display.
set -euo pipefail
build=$1
id=$2
tmp=$(mktemp -d)
pid=""
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
  rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$tmp/usr
cmake --install "$build" --prefix "$prefix" >/dev/null

# Layout.
link=$prefix/bin/varnesk
[ -L "$link" ] || fail "bin/varnesk is not a symbolic link"
target=$(readlink "$link")
[ "$target" = ../lib/varnesk/varnesk ] || fail "bin/varnesk points to '$target'"
real=$prefix/lib/varnesk/varnesk
[ -f "$real" ] && [ -x "$real" ] || fail "lib/varnesk/varnesk is not an executable file"
for page in start1.htm start2.htm start3.htm; do
  [ -f "$prefix/lib/varnesk/$page" ] || fail "lib/varnesk/$page missing"
done
for file in share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$id.svg share/man/man1/varnesk.1.gz; do
  [ -s "$prefix/$file" ] || fail "$file missing"
done
for size in 16 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
  [ "$(identify -format '%wx%h' "$icon")" = "${size}x$size" ] || fail "icon $icon is not ${size}x$size"
done
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null

# start EXE LOG: starts the program with a fresh home and runtime folder and
# waits until its main window is mapped.
start() {
  local home=$tmp/home-$RANDOM
  mkdir -p "$home"
  runtime=$tmp/run-$RANDOM
  mkdir -m 700 "$runtime"
  env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$home" XDG_RUNTIME_DIR="$runtime" "$1" >"$2" 2>&1 &
  pid=$!
  xdotool search --sync --onlyvisible --pid "$pid" --name '^Varnesk 1\.0$' >/dev/null &
  local search=$!
  for _ in $(seq 150); do
    kill -0 "$search" 2>/dev/null || break
    sleep 0.1
  done
  kill "$search" 2>/dev/null && fail "no window 'Varnesk 1.0' from $1 within 15 s"
  settings=$(find "$home" -name vrk.txt)
}
stop() { kill "$pid"; wait "$pid" 2>/dev/null || true; pid=""; }

# The installed program, started through its link, finds its pages.
start "$link" "$tmp/installed.log"
sleep 2
kill -0 "$pid" 2>/dev/null || fail "the installed program ended: $(cat "$tmp/installed.log")"
[ -n "$settings" ] && [ "$(wc -l <"$settings")" -eq 8 ] || fail "no settings file of eight lines"
grep -q "cannot find its start page" "$tmp/installed.log" && fail "$(cat "$tmp/installed.log")"
stop

# A copy of the program alone says which page it misses.
mkdir "$tmp/copy"
cp "$real" "$tmp/copy/varnesk"
start "$tmp/copy/varnesk" "$tmp/copy.log"
for slot in 1 2 3; do
  grep -qF "cannot find its start page $tmp/copy/start$slot.htm" "$tmp/copy.log" ||
    fail "no word of the missing start$slot.htm: $(cat "$tmp/copy.log")"
done
stop
echo "install layout, desktop files and installed start-up are fine"
