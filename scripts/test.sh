#!/usr/bin/env bash
# Sets everything up (packages, build with warnings as errors) and runs the whole test suite.
# Tests that need a display (CTest label "gl") run inside a virtual X display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh -DTOBRAKKA_WERROR=ON
cd build
# -noreset: the virtual X server must not reset between the tests that open and close windows.
xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" ctest --output-on-failure -j2
