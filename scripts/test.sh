#!/usr/bin/env bash
# Sets everything up (packages, build with warnings as errors) and runs the whole test suite:
# the tests, the web build's checks, then the same tests built with AddressSanitizer and UBSan,
# then a short run of each fuzzer. Tests that need a display (CTest label "gl") run inside a virtual X display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh -DTOBRAKKA_WERROR=ON

# No sound device is needed or used: the audio tests and the game runs use SDL's dummy driver.
export SDL_AUDIODRIVER=dummy
# -noreset: the virtual X server must not reset between the tests that open and close windows.
XVFB=(xvfb-run -a -s "-screen 0 1920x1080x24 -noreset")

echo "== Tests"
(cd build && "${XVFB[@]}" ctest --output-on-failure -j"$(nproc)")

echo "== The web build: the same world in WebAssembly, and the page played in headless Chromium"
scripts/web.sh >/dev/null
web/samedigests.sh
web/pagecheck.sh

echo "== Tests under AddressSanitizer and UBSan"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOBRAKKA_SANITIZE=ON -DTOBRAKKA_BENCH=OFF >/dev/null
cmake --build build-asan -j"$(nproc)" >/dev/null
# The level tables let the bot play every level twice over (practised and novice): a minute of
# play that the sanitizers would only make several times longer, with nothing of its own to check.
(cd build-asan && ctest -LE gl -E '^LevelTables\.' --output-on-failure -j"$(nproc)")
# X11 and Mesa keep allocations of their own until the process ends; leak checking stays on
# for every test that does not open a window.
(cd build-asan && ASAN_OPTIONS=detect_leaks=0 "${XVFB[@]}" ctest -L gl --output-on-failure -j"$(nproc)")

echo "== A short run of each fuzzer (libFuzzer with AddressSanitizer and UBSan)"
scripts/fuzz.sh 30
