#!/usr/bin/env bash
# Installs every Debian package the game needs (when missing), then configures and builds
# the game, its tools, tests and benchmarks into ./build, laying out a runnable tree there.
# Safe to run again: it installs nothing twice and rebuilds only what changed.
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

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing Debian packages: ${missing[*]}"
  if [ "$(id -u)" -eq 0 ]; then SUDO=(); else SUDO=(sudo); fi
  "${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} "$@" >/dev/null
cmake --build "$BUILD_DIR" -j2
