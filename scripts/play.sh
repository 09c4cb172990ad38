#!/usr/bin/env bash
# Sets everything up (packages, build) and starts the game. Extra arguments go to the game,
# for example: scripts/play.sh -r 1920 -fps
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ]; then
  echo "Tobrakka needs a display: run this from a desktop session, or without one under a virtual display: xvfb-run -a scripts/play.sh" >&2
  exit 2
fi
# The game, its art and sound, and its levels; not the tools, tests or benchmarks.
BUILD_TARGETS="tobrakka game_assets level_data" scripts/setup.sh
cd build
exec ./tobrakka "$@"
