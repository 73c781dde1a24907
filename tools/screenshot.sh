#!/usr/bin/env bash
# A picture of the main window with a calculated project:
#   tools/screenshot.sh [picture.png]     (default: build/screenshot/main-window.png)
# Builds the program, writes the demonstration project beside the picture (Demo.VLZ), starts the
# program on it on a virtual display of 1366 x 768, runs "最大负荷" on the building under the
# detailed air-conditioning calculation and saves the window; <picture>-list.png shows the screen
# with the load list window open; <picture>-dt0.png, -dt1.png and -dt2.png show the load tab under
# the simple, itemised and intelligent estimates. BUILD names another build folder (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
SRC="$PWD"
BUILD="${BUILD:-$SRC/build}"
picture="${1:-$BUILD/screenshot/main-window.png}"

missing=()
for p in xvfb xauth; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ ! -f "$BUILD/build.ninja" ]; then
  cmake -S "$SRC" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$BUILD" --target didivov didivov_screenshot -j "${JOBS:-$(nproc)}"

mkdir -p "$(dirname "$picture")"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1366x768x24" "$BUILD/tools/didivov_screenshot" "$picture"
