#!/usr/bin/env bash
# Set-up, build and start of DID-IVOV.
#   ./run.sh        install what is missing, build, start the program
#   ./run.sh test   install what is missing, build, run every test
#   ./run.sh build  install what is missing, build only
#   ./run.sh screenshot [picture.png]  picture of the main window with a calculated demonstration
#                   project (tools/screenshot.sh; default build/screenshot/main-window.png)
set -euo pipefail
cd "$(dirname "$0")"
SRC="$PWD"
BUILD="$SRC/build"
mode="${1:-run}"

PACKAGES=(g++ cmake ninja-build ccache qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite sqlite3
          qt6-charts-dev qt6-image-formats-plugins qt6-5compat-dev libxlsxwriter-dev libdxflib-dev
          libgtest-dev fonts-noto-cjk libgl-dev qt6-translations-l10n
          poppler-utils unzip)

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
  # ccache keyed on paths relative to the source folder, so a fresh clone elsewhere reuses the cache.
  export CCACHE_BASEDIR="$SRC"
  export CCACHE_SLOPPINESS="pch_defines,time_macros,include_file_mtime,include_file_ctime"
  export CCACHE_NOHASHDIR=1
  local jobs
  jobs=$(nproc)
  if [ ! -f "$BUILD/build.ninja" ]; then
    cmake -S "$SRC" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  fi
  cmake --build "$BUILD" -j "$jobs"
}

install_missing
build

case "$mode" in
  test)
    export QT_QPA_PLATFORM=offscreen
    ctest --test-dir "$BUILD" --output-on-failure -j "$(nproc)"
    ;;
  build)
    ;;
  screenshot)
    exec "$SRC/tools/screenshot.sh" "${@:2}"
    ;;
  run|*)
    # Without a project named, the demonstration project the build wrote into the program folder.
    if [ $# -le 1 ] && [ -f "$BUILD/bin/User/示例工程/示例工程.VLZ" ]; then
      exec "$BUILD/bin/didivov" "$BUILD/bin/User/示例工程/示例工程.VLZ"
    fi
    exec "$BUILD/bin/didivov" "${@:2}"
    ;;
esac
