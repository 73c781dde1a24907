#!/usr/bin/env bash
# Set-up, build and start of DID-IVOV.
#   ./run.sh        install what is missing, build, start the program
#   ./run.sh test   install what is missing, build, run every test
#   ./run.sh build  install what is missing, build only
#   ./run.sh sanitize  install what is missing, build in build-asan with AddressSanitizer and
#                   UndefinedBehaviorSanitizer, run every test there; any finding fails
#   ./run.sh screenshot [picture.png]  picture of the main window with a calculated demonstration
#                   project (tools/screenshot.sh; default build/screenshot/main-window.png)
set -euo pipefail
cd "$(dirname "$0")"
SRC="$PWD"
BUILD="$SRC/build"
mode="${1:-run}"

PACKAGES=(g++ cmake ninja-build ccache qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite sqlite3
          qt6-charts-dev libqt6opengl6-dev qt6-image-formats-plugins qt6-5compat-dev libxlsxwriter-dev libdxflib-dev
          libgtest-dev fonts-noto-cjk libgl-dev qt6-translations-l10n
          poppler-utils unzip libxml2-utils)

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
  local dir="${1:-$BUILD}"
  shift || true
  # ccache keyed on paths relative to the source folder, so a fresh clone elsewhere reuses the cache.
  export CCACHE_BASEDIR="$SRC"
  export CCACHE_SLOPPINESS="pch_defines,time_macros,include_file_mtime,include_file_ctime"
  export CCACHE_NOHASHDIR=1
  # Two builds (plain and sanitizer) and their history must fit, or CI starts cold.
  export CCACHE_MAXSIZE="${CCACHE_MAXSIZE:-20G}"
  local jobs
  jobs=$(nproc)
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$SRC" -B "$dir" -G Ninja "$@"
  fi
  cmake --build "$dir" -j "$jobs"
}

install_missing
if [ "$mode" = sanitize ]; then
  # -O1 keeps the sanitizer build and its tests quick; -g1 is enough for the reports' stack lines.
  build "$SRC/build-asan" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" \
        -DCMAKE_C_FLAGS_DEBUG="-O1 -g1" -DDIDIVOV_SANITIZE=ON
else
  build "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi

case "$mode" in
  test)
    export QT_QPA_PLATFORM=offscreen
    ctest --test-dir "$BUILD" --output-on-failure -j "$(nproc)"
    ;;
  build)
    ;;
  sanitize)
    export QT_QPA_PLATFORM=offscreen
    # Leaks inside system libraries (fontconfig's caches) are not ours: tools/lsan.supp names them.
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1:detect_stack_use_after_return=0"
    export LSAN_OPTIONS="suppressions=$SRC/tools/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
    ctest --test-dir "$SRC/build-asan" --output-on-failure -j "$(nproc)"
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
