#!/usr/bin/env bash
# The one entry point for players and developers:
#   ./make.sh play            install what is missing, build the game's folder, start the game
#   ./make.sh test            install what is missing, build everything, run every test
#   ./make.sh test-fast       the in-process tests only (ctest label `unit`): the inner loop
#   ./make.sh test-sanitize   the same tests built with AddressSanitizer + UndefinedBehaviorSanitizer
#   ./make.sh build           install and build only
#   ./make.sh package         install what is missing, build the Debian package build/skarveth_*.deb
#   ./make.sh cross ARCH      build everything for ARCH (arm64 or armhf) into build-ARCH/
#   ./make.sh test-cross ARCH the test suite and the demo suite of build-ARCH/ under qemu-user
#   ./make.sh package ARCH    the Debian package for ARCH, build-ARCH/skarveth_*_ARCH.deb
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

install_missing() {  # install_missing [package...]: the given ones, else PACKAGES
  local wanted=("$@")
  [ ${#wanted[@]} -eq 0 ] && wanted=("${PACKAGES[@]}")
  local missing=()
  for p in "${wanted[@]}"; do
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
  local launcher=()
  command -v ccache >/dev/null &&
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
}

build() {  # build <folder> [cmake options...]: everything, tests and benchmarks included
  configure "$@"
  cmake --build "$1" -j "$(nproc)"
}

run_tests() {  # run_tests <folder> [ctest options...]
  local dir=$1; shift
  ctest --test-dir "$dir" --output-on-failure -j "$(nproc)" --timeout 600 "$@"
}

# Cross builds: ARCH is a Debian architecture; its GNU triplet names the compiler, the
# multiarch folder and the toolchain file, and qemu-user runs what the build made.
cross_setup() {  # cross_setup ARCH: sets TRIPLET, QEMU, CROSS_DIR and installs what is missing
  case "${1:-}" in
    arm64) TRIPLET=aarch64-linux-gnu; QEMU=qemu-aarch64 ;;
    armhf) TRIPLET=arm-linux-gnueabihf; QEMU=qemu-arm ;;
    *) echo "Unknown architecture '${1:-}': use arm64 or armhf" >&2; exit 2 ;;
  esac
  CROSS_DIR=build-$1
  install_missing
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  local foreign
  foreign=$(dpkg --print-foreign-architectures)  # not piped into grep -q: pipefail, SIGPIPE
  if ! grep -qx "$1" <<<"$foreign"; then
    $sudo dpkg --add-architecture "$1"
    $sudo apt-get update -q
  fi
  # SDL2_mixer's development files pull in a JACK one; only JACK 2's can sit beside the
  # host's, so it is named for both architectures.
  local cross=("g++-$TRIPLET" qemu-user-static libjack-jackd2-dev)
  for p in libc6-dev libsdl2-dev libsdl2-mixer-dev libopenmpt-dev libvorbis-dev libjpeg-dev \
           libfreetype-dev libpng-dev libgtest-dev libgmock-dev libjack-jackd2-dev libimgui-dev; do
    cross+=("$p:$1")
  done
  install_missing "${cross[@]}"
}

cross_build() {  # cross_build ARCH [target]: configure build-ARCH and build (everything by default)
  cross_setup "$1"
  # The benchmarks are measured natively; under emulation their numbers mean nothing. No
  # debugging symbols either: they double the cross build's time and the package strips them.
  configure "$CROSS_DIR" --toolchain "cmake/toolchains/$TRIPLET.cmake" -DSK_BUILD_BENCH=OFF \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG" -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG"
  cmake --build "$CROSS_DIR" -j "$(nproc)" ${2:+--target "$2"}
}

# Lets the kernel start the target's programs through qemu, as the tests that run the built
# programs as child processes need. False where binfmt_misc cannot be had (e.g. a container).
cross_binfmt() {
  local dir=/proc/sys/fs/binfmt_misc magic mask
  [ -e "$dir/register" ] || mount -t binfmt_misc binfmt_misc "$dir" 2>/dev/null || return 1
  [ -e "$dir/$QEMU" ] && return 0
  case "$QEMU" in
    qemu-aarch64)
      magic='\x7fELF\x02\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\xb7\x00'
      mask='\xff\xff\xff\xff\xff\xff\xff\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff' ;;
    qemu-arm)
      magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x28\x00'
      mask='\xff\xff\xff\xff\xff\xff\xff\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff' ;;
  esac
  # F: the kernel opens the interpreter now, so it also works inside other mount namespaces.
  echo ":$QEMU:M::$magic:$mask:/usr/bin/$QEMU-static:F" >"$dir/register" 2>/dev/null
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
    if [ -n "${2:-}" ]; then
      cross_build "$2" installed_files
      # dpkg-shlibdeps finds the target's libraries and their packages through the host arch.
      (cd "$CROSS_DIR" && DEB_HOST_ARCH=$2 cpack -G DEB)
      exit
    fi
    install_missing
    configure build
    # Only what the package holds, then CPack lays the install tree and packs it.
    cmake --build build -j "$(nproc)" --target installed_files
    (cd build && cpack -G DEB)
    ;;
  cross)
    cross_build "${2:-}"
    ;;
  test-cross)
    cross_build "${2:-}"
    # Under emulation no window opens: the tests that need Xvfb run natively only.
    exclude=window
    if ! cross_binfmt; then
      echo "No binfmt_misc here: leaving out the tests that run the built programs themselves"
      exclude="$exclude|process"
      # The demo suite starts SKDEMO through the emulator itself, so it still runs.
      run_tests "$CROSS_DIR" -R '^demo_suite\.' -LE window
    fi
    # These wait until the game handles a signal by reading its SigCgt in /proc; qemu-user
    # handles every signal itself from the start, so they would signal the game too early.
    waits_for_handler='^InstalledGame\.(KeepsThePlayers|TestsAShippedMap)|^GameProcess\.(Interrupt|AHangUp)'
    run_tests "$CROSS_DIR" -LE "$exclude" -E "$waits_for_handler"
    ;;
  *)
    sed -n '2,12p' "$0" | sed 's/^# \{0,1\}//'
    exit 2
    ;;
esac
