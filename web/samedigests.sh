#!/usr/bin/env bash
# The same world in both builds: tobrakka-sim built natively (build/) and to WebAssembly under
# node (build-web/, from scripts/web.sh) must print the same digest lines for the golden script
# of level 1, for the recordings in tests/data/recordings (made with the game's -record), for
# the replays in tests/data/replays (saved by the native game: each must be verified by both, to
# the same final digest) for the bot on a level of every later robot kind, and for the bot on seeds 1-5 over 10,000 steps. Prints a table, one row a run, and exits 1 when any
# run parts, showing where the two outputs differ (digests, then every character's position, aim,
# facing, keys and velocity at the end of the run).
#   web/samedigests.sh [--quick]     (--quick: the bot over 2,000 steps)
#   BUILD_DIR=DIR web/samedigests.sh  (the native driver and data built in DIR; default build)
# Nothing here is timed: each run is waited for to its end, however busy the machine.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/${BUILD_DIR:-build}"
native=("$build/tobrakka-sim")
wasm=(node --no-experimental-fetch "$top/build-web/tobrakka-sim.js")
botSteps=10000
[ "${1:-}" = "--quick" ] && botSteps=2000
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TOBRAKKA_DATA="$build"
cd "$build"

failed=0
# compare NAME SIM-ARGUMENTS...: runs both builds, prints a row.
compare() {
  local name=$1
  shift
  "${native[@]}" "$@" >"$work/native" 2>&1 || true
  "${wasm[@]}" "$@" >"$work/wasm" 2>&1 || true
  local last
  last=$(grep '^digest ' "$work/native" | tail -1 | sed 's/^digest //')
  if [ -n "$last" ] && cmp -s "$work/native" "$work/wasm"; then
    printf '%-28s same  %s\n' "$name" "$last"
    return
  fi
  failed=1
  printf '%-28s PARTS\n' "$name"
  diff "$work/native" "$work/wasm" | head -12 | sed 's/^/    /'
}

compare "golden script, seed 2024" --level "$top/tests/data/level01_golden.txt" \
  --script "$top/tests/data/level01_golden.script" --seed 2024 --steps 1500 --every 500 --details
for recording in "$top"/tests/data/recordings/*.script; do
  # The seed the recording was made with is in its first line ("-seed N").
  seed=$(head -1 "$recording" | sed -n 's/.*-seed \([0-9]*\).*/\1/p')
  compare "recording $(basename "$recording" .script)" --script "$recording" --seed "$seed" --steps 2500 --every 500 --details
done
for replay in "$top"/tests/data/replays/*.replay; do
  compare "replay $(basename "$replay" .replay)" --replay "$replay"
  grep -q '^replay verified$' "$work/wasm" || { failed=1; echo "    not verified in WebAssembly"; }
done
compare "bot, every later robot kind" --level "$top/tests/data/robots_golden.txt" --seed 7 --steps 6000 --every 1000 --details
for seed in 1 2 3 4 5; do
  compare "bot seed $seed, $botSteps steps" --seed "$seed" --steps "$botSteps" --every 1000 --details
done
exit $failed
