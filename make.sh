#!/usr/bin/env bash
# The one entry point for players and developers:
#   ./make.sh play            install what is missing, build the game's folder, start the game
#   ./make.sh test            install what is missing, build everything, run every test
#   ./make.sh test-fast       the in-process tests only (ctest label `unit`): the inner loop
#   ./make.sh test-sanitize   the same tests built with AddressSanitizer + UndefinedBehaviorSanitizer
#   ./make.sh build           install and build only
#   ./make.sh package         install what is missing, build the Debian package build/skarveth_*.deb
# Safe to run again: it installs only missing packages and rebuilds only what changed.
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
  g++ cmake ninja-build pkg-config
  libsdl2-dev libsdl2-mixer-dev libopenmpt-dev libvorbis-dev
  libjpeg-dev libfreetype-dev libpng-dev fonts-dejavu-core libimgui-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  imagemagick xvfb x11-utils xdotool
  desktop-file-utils appstream groff-base dpkg-dev file
)

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

configure() {  # configure <folder> [cmake options...]
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
}

build() {  # build <folder> [cmake options...]: everything, tests and benchmarks included
  configure "$@"
  cmake --build "$1" -j "$(nproc)"
}

run_tests() {  # run_tests <folder> [ctest options...]
  local dir=$1; shift
  ctest --test-dir "$dir" --output-on-failure -j "$(nproc)" --timeout 600 "$@"
}

case "${1:-}" in
  play)
    install_missing
    configure build
    # Only the ready-to-play folder: the tests and benchmarks wait for `./make.sh test`.
    cmake --build build -j "$(nproc)" --target ready_to_play
    if [ -x build/Skarveth/Skarveth ]; then
      cd build/Skarveth && exec ./Skarveth
    fi
    echo "Built into $(pwd)/build/Skarveth: $(ls build/Skarveth | tr '\n' ' ')"
    ;;
  test)
    install_missing
    build build
    run_tests build
    ;;
  test-fast)
    install_missing
    build build
    run_tests build -L unit
    ;;
  test-sanitize)
    install_missing
    build build-sanitize -DSK_SANITIZE=ON -DSK_BUILD_BENCH=OFF
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_tests build-sanitize
    ;;
  build)
    install_missing
    build build
    ;;
  package)
    install_missing
    configure build
    # Only what the package holds, then CPack lays the install tree and packs it.
    cmake --build build -j "$(nproc)" --target installed_files
    (cd build && cpack -G DEB)
    ;;
  *)
    sed -n '2,9p' "$0" | sed 's/^# \{0,1\}//'
    exit 2
    ;;
esac
