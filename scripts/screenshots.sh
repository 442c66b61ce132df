#!/usr/bin/env bash
# Retakes every picture in docs/ (the ones README.md shows among them): builds
# the window tests as scripts/test.sh does (build/test), then runs each
# picture's scene (a test that skips unless KORATSU_SCREENSHOT names its
# picture) under xvfb-run with openbox on the X platform, each writing
# docs/<name>.png.
#   scripts/screenshots.sh              every picture in docs/
#   scripts/screenshots.sh hire panel   only these
# Not part of the test run. Look at the pictures before committing them.
set -euo pipefail
cd "$(dirname "$0")/.."
self="$PWD/scripts/screenshots.sh"

if [ -z "${KORATSU_SCREENSHOTS_DISPLAY:-}" ]; then
  ./scripts/setup.sh
  cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKORATSU_SANITIZE=ON >/dev/null
  cmake --build build/test --target koratsu_window_tests
  # Once more, on a screen of its own with a window manager.
  exec env KORATSU_SCREENSHOTS_DISPLAY=1 xvfb-run -a -s "-screen 0 1024x768x24" "$self" "$@"
fi

out=$(mktemp -d)
openbox >/dev/null 2>&1 &
wm=$!
trap 'kill "$wm" 2>/dev/null || true; rm -rf "$out"' EXIT
sleep 1

if [ $# -eq 0 ]; then
  set --
  for picture in docs/*.png; do set -- "$@" "$(basename "$picture" .png)"; done
fi

failed=()
for name in "$@"; do
  # The studio's pictures come from a game played through its windows, the
  # others from the scenes named *OnRequest.
  case "$name" in
    equipment | hire | room-house) scenes='StudioWindowsTest.*' ;;
    *) scenes='*OnRequest*' ;;
  esac
  if KORATSU_SCREENSHOT="$name" KORATSU_SCREENSHOT_DIR="$out" QT_QPA_PLATFORM=xcb \
      LSAN_OPTIONS="suppressions=$PWD/tests/lsan_suppressions.txt:print_suppressions=0" \
      build/test/tests/koratsu_window_tests --gtest_filter="$scenes" --gtest_brief=1 >"$out/log" 2>&1 &&
      [ -s "$out/$name.png" ]; then
    mv "$out/$name.png" "docs/$name.png"
    echo "docs/$name.png"
  else
    cat "$out/log" >&2
    failed+=("$name")
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "no picture for: ${failed[*]}" >&2
  exit 1
fi
echo "pictures retaken: $#"
