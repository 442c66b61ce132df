#!/usr/bin/env bash
# Installs the built game into a temporary prefix and starts the installed
# launcher offscreen from another folder, to its title screen: it must find
# the pictures of its own folder under the prefix.
#   install_test.sh <build folder> [cmake]
set -euo pipefail
build=$1
cmake=${2:-cmake}
prefix=$(mktemp -d "${TMPDIR:-/tmp}/koratsu_install_XXXXXX")
pid=
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
  rm -rf "$prefix"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; [ -f "$prefix/log" ] && cat "$prefix/log" >&2; exit 1; }

"$cmake" --install "$build" --prefix "$prefix" >/dev/null

program=$prefix/lib/koratsu
for f in bin/koratsu lib/koratsu/koratsu; do [ -x "$prefix/$f" ] || fail "$f is not an installed program"; done
for f in lib/koratsu/Koratsu.html lib/koratsu/Graphic/Title.bmp lib/koratsu/Graphic/kabe.bmp \
         lib/koratsu/Graphic/Forms/MDIForm1.Icon.png lib/koratsu/Sound/Gold.wav lib/koratsu/Sound/Up.wav \
         share/applications/koratsu.desktop share/icons/hicolor/48x48/apps/koratsu.png \
         share/icons/hicolor/256x256/apps/koratsu.png; do
  [ -s "$prefix/$f" ] || fail "$f is missing"
done

entry=$prefix/share/applications/koratsu.desktop
for line in "Exec=\"$prefix/bin/koratsu\"" "Icon=koratsu" "Type=Application" "Categories=Game;Simulation;"; do
  grep -qxF "$line" "$entry" || fail "the menu entry has no line $line"
done
grep -q '^Name\[ja\]=..' "$entry" || fail "the menu entry has no Japanese name"
grep -q '^Comment\[ja\]=..' "$entry" || fail "the menu entry has no Japanese comment"
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$entry" || fail "the menu entry is not valid"; fi

# Starts the launcher from the root folder; its output goes to the log.
start() {
  : >"$prefix/log"
  (cd / && exec "$prefix/bin/koratsu") >"$prefix/log" 2>&1 &
  pid=$!
}
stop() {
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=
}

# Without the title picture the program says where it looked for it: that it
# gets that far shows how long a start to the title screen takes here.
mv "$program/Graphic/Title.bmp" "$prefix/Title.bmp"
start
started=$SECONDS
until grep -q "picture missing: .*/lib/koratsu/Graphic/Title.bmp" "$prefix/log"; do
  kill -0 "$pid" 2>/dev/null || fail "the installed program ended before its title screen"
  [ $((SECONDS - started)) -lt 60 ] || fail "the installed program did not look for its title picture under the prefix"
  sleep 0.1
done
took=$((SECONDS - started))
stop
mv "$prefix/Title.bmp" "$program/Graphic/Title.bmp"

# With every file in place it shows the title screen and misses nothing.
start
sleep $((2 * took + 2))
kill -0 "$pid" 2>/dev/null || fail "the installed program ended by itself"
if grep -E "picture (missing|damaged)|help document missing" "$prefix/log"; then fail "the installed program misses its files"; fi
stop
echo "installed into $prefix and started to the title screen"
