#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and UBSan into ./build-fuzz and runs
# each for the given number of seconds (default 30), one after the other. The committed seeds in
# fuzz/corpus/<target> are read as they stand; what the fuzzer adds goes to
# build-fuzz/corpus/<target>, and crashing inputs to build-fuzz/findings/<target>.
# Exits non-zero when any target finds a crash, a leak, undefined behaviour, a slow input or
# runaway memory.
set -euo pipefail
cd "$(dirname "$0")/.."

SECONDS_PER_TARGET=${1:-30}
BUILD_DIR=${BUILD_DIR:-build-fuzz}

if ! command -v clang++ >/dev/null 2>&1; then
  echo "fuzz.sh: clang++ not found: the fuzzers need clang (scripts/setup.sh installs it)" >&2
  exit 1
fi

cmake -S . -B "$BUILD_DIR" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOBRAKKA_FUZZ=ON -DTOBRAKKA_TESTS=OFF -DTOBRAKKA_BENCH=OFF >/dev/null

# target name, longest input, dictionary
TARGETS=(
  "fuzz_xml_levellist 16384 fuzz/xml.dict"
  "fuzz_level_file 4096 fuzz/level.dict"
  "fuzz_text_utils 4096 -"
  "fuzz_input_script 16384 fuzz/script.dict"
  "fuzz_settings 4096 fuzz/settings.dict"
  "fuzz_replay 16384 fuzz/replay.dict"
  "fuzz_pack_list 16384 fuzz/pack.dict"
  "fuzz_pack_zip 65536 -"
  "fuzz_share_code 8192 -"
)

names=()
for entry in "${TARGETS[@]}"; do names+=("${entry%% *}"); done
cmake --build "$BUILD_DIR" -j"$(nproc)" --target "${names[@]}"

failed=()
for entry in "${TARGETS[@]}"; do
  read -r name max_len dict <<<"$entry"
  corpus="$BUILD_DIR/corpus/$name"
  findings="$BUILD_DIR/findings/$name"
  mkdir -p "$corpus" "$findings"
  options=(-max_total_time="$SECONDS_PER_TARGET" -max_len="$max_len" -timeout=10 -rss_limit_mb=2048
           -close_fd_mask=1 -print_final_stats=1 -artifact_prefix="$findings/")
  [ "$dict" != "-" ] && options+=(-dict="$dict")
  echo "== $name: ${SECONDS_PER_TARGET}s"
  if ! "$BUILD_DIR/fuzz/$name" "${options[@]}" "$corpus" "fuzz/corpus/$name" 2>"$BUILD_DIR/$name.log"; then
    tail -n 40 "$BUILD_DIR/$name.log"
    failed+=("$name")
  fi
  grep -E "^(#[0-9]+\s+DONE|stat::number_of_executed_units|Done [0-9]+ runs)" "$BUILD_DIR/$name.log" || true
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz.sh: findings in ${failed[*]} (inputs in $BUILD_DIR/findings/)"
  exit 1
fi
echo "fuzz.sh: no findings"
