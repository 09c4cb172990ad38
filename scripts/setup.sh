#!/usr/bin/env bash
# Installs every Debian package the game needs (when missing), then configures and builds
# the game, its tools, tests and benchmarks into ./build, laying out a runnable tree there.
# Safe to run again: it installs nothing twice and rebuilds only what changed.
#
# The game builds on the SDL 1.2 API as sdl12-compat gives it (SDL 1.2 on top of SDL 2, the
# only SDL 1.2 newer Debian releases ship). Installing it replaces the classic SDL 1.2 packages
# on a machine that has them. The classic library is still fetched, unpacked into the build
# tree and never installed, so that the tests can play the game on both.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
  build-essential cmake pkg-config
  libsdl1.2-compat-dev libsdl-mixer1.2-dev libsdl-image1.2-dev libx11-dev libgl-dev libgl1-mesa-dri
  libcairo2-dev fonts-humor-sans libstb-dev libvorbis-dev
  libgtest-dev libbenchmark-dev xvfb xauth
  clang libclang-rt-14-dev
  dpkg-dev file lintian desktop-file-utils appstream man-db
)

. scripts/debianpackages.sh
install_missing "${PACKAGES[@]}"

BUILD_DIR=${BUILD_DIR:-build}

# The classic SDL 1.2 runtime, with whichever of its libraries the machine lacks, unpacked
# into $BUILD_DIR/sdl-classic (once; the tests skip the comparison when it cannot be had).
fetch_classic_sdl() {
  local dir=$BUILD_DIR/sdl-classic
  [ -e "$dir/lib/libSDL-1.2.so.0" ] && return 0
  local work
  work=$(mktemp -d)
  local wanted=(libsdl1.2debian)
  local dep
  for dep in $(apt-cache depends --no-recommends libsdl1.2debian 2>/dev/null | awk '$1 == "Depends:" && $2 !~ /^</ {print $2}'); do
    dpkg-query -W -f='${Status}' "$dep" 2>/dev/null | grep -q "install ok installed" || wanted+=("$dep")
  done
  if (cd "$work" && apt-get download -qq "${wanted[@]}" >/dev/null 2>&1); then
    mkdir -p "$dir/lib"
    local deb
    for deb in "$work"/*.deb; do dpkg-deb -x "$deb" "$work/root"; done
    cp -a "$work"/root/usr/lib/*/lib*.so.* "$dir/lib/"
  else
    echo "Could not fetch the classic SDL 1.2 runtime (libsdl1.2debian): the tests that compare it with sdl12-compat will be skipped" >&2
  fi
  rm -rf "$work"
}
mkdir -p "$BUILD_DIR"
fetch_classic_sdl

cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} "$@" >/dev/null
cmake --build "$BUILD_DIR" -j2
