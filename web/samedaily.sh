#!/usr/bin/env bash
# The same level a day in both builds: tobrakka-sim built natively (build/) and to WebAssembly
# under node (build-web/, from scripts/web.sh) must print the same text for --daily DATE (the
# level file, its name, the candidate kept and the bot's check of it) for each of a run of
# consecutive dates. Prints a row a date with the native and WebAssembly wall times, and exits 1
# when any date parts, showing where.
#   web/samedaily.sh [FIRST-DATE [DAYS]]     (default: 2026-12-10 and 30 days)
#   BUILD_DIR=DIR web/samedaily.sh           (the native driver and data built in DIR; default build)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/${BUILD_DIR:-build}"
first=${1:-2026-12-10}
days=${2:-30}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TOBRAKKA_DATA="$build"
cd "$build"

# seconds COMMAND...: runs it, output to $work/out, and prints its wall time.
seconds() {
  local start end
  start=$(date +%s%N)
  "$@" >"$work/out" 2>&1 || true
  end=$(date +%s%N)
  echo "$(((end - start) / 1000000))" | sed 's/\(...\)$/.\1/;s/^\./0./'
}

failed=0
for ((i = 0; i < days; ++i)); do
  date=$(date -u -d "$first + $i day" +%F)
  native=$(seconds "$build/tobrakka-sim" --daily "$date")
  mv "$work/out" "$work/native"
  wasm=$(seconds node --no-experimental-fetch "$top/build-web/tobrakka-sim.js" --daily "$date")
  name=$(grep -m1 ": candidate " "$work/native" | sed 's/:.*//' || true)
  if [ -n "$name" ] && cmp -s "$work/native" "$work/out"; then
    printf '%s  same  native %6ss  wasm %6ss  %s\n' "$date" "$native" "$wasm" "$name"
    continue
  fi
  failed=1
  printf '%s  PARTS\n' "$date"
  diff "$work/native" "$work/out" | head -12 | sed 's/^/    /'
done
exit $failed
