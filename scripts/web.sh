#!/usr/bin/env bash
# Builds the web version of the game into build-web/ with Debian's emscripten: index.html, the
# page's scripts and its catalogue of words (web/pagecatalogue.py, from po/), its manifest, icons and service worker, tobrakka.js and tobrakka.wasm, and tobrakka.data (the levels and the art and
# sound that the native build generates), plus tobrakka-sim.js/.wasm, the headless driver for
# node. The native game and driver are built too, for the web checks to compare with. Installs the Debian packages it needs when they are missing (emscripten, and chromium
# for the web test), and builds the native data first when ./build has none. Nothing is
# downloaded at build time: emscripten's system libraries come prebuilt and its SDL 1.2 is
# built in.
#
#   scripts/web.sh            build
#   scripts/web.sh --serve    build, then serve build-web/ on http://127.0.0.1:${PORT:-8026}/
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(emscripten chromium nodejs python3)
. scripts/debianpackages.sh
install_missing "${PACKAGES[@]}"

# Debian's emscripten runs its JavaScript tools with Debian's node modules (acorn and the like),
# which a node installed elsewhere on the PATH does not find by itself.
export NODE_PATH=/usr/share/nodejs

NATIVE_DIR=${BUILD_DIR:-build}
WEB_DIR=build-web
if [ -f "$NATIVE_DIR/CMakeCache.txt" ]; then
  cmake --build "$NATIVE_DIR" -j"$(nproc)" --target game_assets level_data tobrakka tobrakka-sim >/dev/null
else
  scripts/setup.sh
fi

emcmake cmake -S . -B "$WEB_DIR/cmake" -DCMAKE_BUILD_TYPE=Release -DTOBRAKKA_WERROR=ON \
  -DTOBRAKKA_WEB_DATA="$PWD/$NATIVE_DIR/data" >/dev/null
# The page is linked again every time, so that its packed data is the native build's of now.
rm -f "$WEB_DIR/cmake/tobrakka.js"
cmake --build "$WEB_DIR/cmake" -j"$(nproc)" --target tobrakka tobrakka-sim
cp web/index.html web/pagetext.js web/pagesaves.js web/touchpad.js web/page.js web/manifest.webmanifest "$WEB_DIR/"
python3 web/pagecatalogue.py po "$WEB_DIR/pagecatalogue.js"
for f in tobrakka.js tobrakka.wasm tobrakka.data tobrakka-sim.js tobrakka-sim.wasm; do
  cp "$WEB_DIR/cmake/$f" "$WEB_DIR/"
done
for size in 128 256; do
  cp "$NATIVE_DIR/icons/hicolor/${size}x${size}/apps/tobrakka.png" "$WEB_DIR/icon-$size.png"
done
# The service worker's cache is named by this build: a hash of every file it keeps.
build=$(cd "$WEB_DIR" && cat index.html pagecatalogue.js pagetext.js pagesaves.js touchpad.js page.js tobrakka.js tobrakka.wasm tobrakka.data manifest.webmanifest \
  icon-128.png icon-256.png | sha256sum | cut -c1-16)
sed "s/tobrakka-BUILD/tobrakka-$build/" web/serviceworker.js >"$WEB_DIR/serviceworker.js"
echo "built $WEB_DIR/index.html"

if [ "${1:-}" = "--serve" ]; then
  port=${PORT:-8026}
  echo "serving $WEB_DIR on http://127.0.0.1:$port/ (Ctrl-C stops)"
  exec python3 -m http.server --bind 127.0.0.1 --directory "$WEB_DIR" "$port"
fi
