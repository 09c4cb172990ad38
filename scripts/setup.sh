#!/usr/bin/env bash
# Installs every Debian package the game needs (when missing), then configures and builds
# the game, its tools, tests and benchmarks into ./build, laying out a runnable tree there.
# Safe to run again: it installs nothing twice and rebuilds only what changed. BUILD_TARGETS names
# the targets to build (all of them by default); scripts/play.sh builds only the game's.
#
# The game builds on SDL 2 itself, SDL2_mixer and SDL2_image. The tests drive the keyboard of their
# virtual displays with xdotool and switch its layout with setxkbmap.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
  build-essential cmake pkg-config
  libsdl2-dev libsdl2-mixer-dev libsdl2-image-dev libx11-dev libgl-dev libgl1-mesa-dri
  libcairo2-dev fonts-humor-sans fonts-comic-neue fonts-klee gettext libstb-dev libvorbis-dev
  libgtest-dev libbenchmark-dev xvfb xauth xdotool x11-xkb-utils
  clang libclang-rt-14-dev
  dpkg-dev file lintian desktop-file-utils appstream man-db
)

. scripts/debianpackages.sh
install_missing "${PACKAGES[@]}"

BUILD_DIR=${BUILD_DIR:-build}

cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} "$@" >/dev/null
read -r -a targets <<<"${BUILD_TARGETS:-all}"
cmake --build "$BUILD_DIR" -j"$(nproc)" --target "${targets[@]}"
