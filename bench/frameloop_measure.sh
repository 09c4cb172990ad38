#!/usr/bin/env bash
# Measures how the game spends its time between steps, under a virtual display of its own (Xvfb,
# drawn by Mesa's software rasteriser), for any build of the game. Run by hand on a machine that
# is otherwise quiet; nothing here passes or fails.
#
#   bench/frameloop_measure.sh [-g GAME] [-p PROBE] [PART...]
#
# GAME is the game binary (default build/tobrakka; an older build's binary, with its data folder
# beside it, measures that build), PROBE the step probe (default build/bench/steptrace.so).
# PARTs, all by default:
#   steps  60 s of the bot's play in level 1, with and without -no_grid: the histogram of the
#          intervals between steps (tick counter, ms), the mean step rate, the share of the wait
#          between steps spent asleep, and the CPU use of the game process
#   cpu    a person who does nothing, with and without -no_grid: CPU use of the game process
#          (share of one core) on the title screen, in play, after a death and paused (P, pressed
#          with xdotool)
#   fps    the bot's demo in levels 8, 9 and 10 with seeds 1 to 3 (FPS_SECONDS of game time
#          each, default 90): minimum and median of the "fps:" lines in the heaviest 30 s;
#          FPS_LEVELS and FPS_SEEDS (lists) narrow it, e.g. FPS_LEVELS=9 FPS_SEEDS="3 3 3"
# Each figure comes with the share of the machine's processors that everything but the game used
# meanwhile ("others"): figures taken while others use more than a few per cent are not those of
# a quiet machine. With QUIET=1 each run first waits for a quiet machine, up to QUIET_PATIENCE
# seconds (default 600).
# Needs Xvfb and xdotool (Debian packages xvfb, xdotool).
set -euo pipefail
cd "$(dirname "$0")/.."

GAME=build/tobrakka
PROBE=build/bench/steptrace.so
while getopts "g:p:" option; do
  case $option in
    g) GAME=$OPTARG ;;
    p) PROBE=$OPTARG ;;
    *) sed -n '2,22p' "$0"; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
PARTS=("$@")
[ ${#PARTS[@]} -gt 0 ] || PARTS=(steps cpu fps)
GAME=$(realpath "$GAME")
PROBE=$(realpath "$PROBE")
FPS_SECONDS=${FPS_SECONDS:-90}
for tool in Xvfb xdotool; do
  command -v $tool >/dev/null || { echo "$0: $tool is missing (apt-get install xvfb xdotool)" >&2; exit 1; }
done

WORK=$(mktemp -d)
XVFB_PID=
GAME_PID=
cleanup() {
  # The game first: a game whose display vanishes under it may not get out of the X library.
  [ -z "$GAME_PID" ] || { kill "$GAME_PID" 2>/dev/null && wait "$GAME_PID" 2>/dev/null; } || true
  [ -z "$XVFB_PID" ] || kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x720x24 -noreset -nolisten tcp 3>"$WORK/display" 2>/dev/null &
XVFB_PID=$!
for _ in $(seq 50); do [ -s "$WORK/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$WORK/display")
export SDL_AUDIODRIVER=dummy
# The player's progress stays out of the way.
export XDG_STATE_HOME=$WORK/state

CLK_TCK=$(getconf CLK_TCK)
CORES=$(nproc)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# Busy ticks of the whole machine, all processors together.
machine_ticks() { awk '$1 == "cpu" { print $2 + $3 + $4 + $7 + $8 + $9 }' /proc/stat; }
# The share of the machine that others used: busy ticks, the game's ticks, seconds.
others() {
  awk -v busy="$1" -v game="$2" -v hz="$CLK_TCK" -v s="$3" -v cores="$CORES" \
    'BEGIN { o = (busy - game) / hz / s / cores; printf "%.0f %%", 100 * (o > 0 ? o : 0) }'
}

# With QUIET=1: waits until others have used at most 3 % of the machine over five seconds.
wait_for_quiet() {
  [ "${QUIET:-0}" = 1 ] || return 0
  local before used
  for _ in $(seq $(( ${QUIET_PATIENCE:-600} / 5 ))); do
    before=$(machine_ticks)
    sleep 5
    used=$(others $(($(machine_ticks) - before)) 0 5)
    [ "${used% %}" -le 3 ] && return 0
  done
  echo "  (the machine did not become quiet)"
}

# CPU use of the game over the next SECONDS, as a percentage of one core, with the others'.
cpu_share() {
  local seconds=$1 before after busy
  before=$(cpu_ticks "$GAME_PID")
  busy=$(machine_ticks)
  sleep "$seconds"
  after=$(cpu_ticks "$GAME_PID")
  busy=$(($(machine_ticks) - busy))
  awk -v t=$((after - before)) -v hz="$CLK_TCK" -v s="$seconds" 'BEGIN { printf "%.1f %%", 100 * t / hz / s }'
  echo " (others: $(others "$busy" $((after - before)) "$seconds"))"
}

start_game() {
  wait_for_quiet
  "$GAME" "$@" >"$WORK/game.log" 2>&1 &
  GAME_PID=$!
}

end_game() {
  wait "$GAME_PID" || echo "(the game ended with status $?)" >&2
  GAME_PID=
}

# Runs the game to its end; prints the others' share of the machine meanwhile.
run_game() {
  local busy start game
  wait_for_quiet
  busy=$(machine_ticks)
  start=$(date +%s.%N)
  game=$( { TIMEFORMAT='%U %S'; time "$GAME" "$@" >"$WORK/game.log" 2>&1; } 2>&1 | awk -v hz="$CLK_TCK" '{ printf "%d", ($1 + $2) * hz }')
  others $(($(machine_ticks) - busy)) "$game" "$(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN { print b - a }')"
}

load() { cut -d' ' -f1-3 /proc/loadavg; }

# The step trace in, the figures out: a histogram of the step intervals, their mean rate and the
# share of the time between one step's last event and the next step that the main thread slept.
summarise_steps() {
  awk '
    $1 == "idle" && steps > 0 { idleWall = $2; idleCpu = $3; waiting = 1 }
    $1 == "step" {
      if (steps > 0) { interval[$2 - last]++; intervals++ }
      if (waiting) { waitWall += $3 - idleWall; waitCpu += $4 - idleCpu; waiting = 0 }
      if (steps == 0) first = $2
      last = $2; steps++
    }
    END {
      for (ms in interval) printf "  %3d ms: %6d  (%.2f %%)\n", ms, interval[ms], 100 * interval[ms] / intervals | "sort -n"
      close("sort -n")
      printf "  16 or 17 ms apart: %.2f %% of %d intervals\n", 100 * (interval[16] + interval[17]) / intervals, intervals
      printf "  mean rate: %.2f steps a second\n", intervals * 1000 / (last - first)
      printf "  wait between steps: %.2f ms a step, %.1f %% of it asleep\n", waitWall / 1e6 / intervals, 100 * (1 - waitCpu / waitWall)
    }' "$1"
}

part_steps() {
  local grid
  for grid in "" -no_grid; do
    echo "== steps: -demo 62 -seed 1 -level 1 $grid (load $(load))"
    STEPTRACE_FILE=$WORK/trace.txt LD_PRELOAD=$PROBE start_game -demo 62 -seed 1 -level 1 $grid
    sleep 10
    echo "  CPU use of the game in play (10 s to 50 s): $(cpu_share 40)"
    end_game
    summarise_steps "$WORK/trace.txt"
  done
}

# A person who does nothing: the title screen, space, the hero standing still in level 1 until a
# robot kills him (at 12.4 s of game time with seed 1), then P. A script of digest lines, one every
# half second of game time, tells when he has died.
part_cpu() {
  local grid
  for t in $(seq 500 500 60000); do echo "$t digest"; done >"$WORK/digests.script"
  for grid in "" -no_grid; do
    echo "== cpu: -seed 1 $grid (load $(load))"
    start_game -seed 1 -script "$WORK/digests.script" $grid
    sleep 1.5
    echo "  title screen: $(cpu_share 3)"
    xdotool key space
    sleep 2
    echo "  play: $(cpu_share 4)"
    for _ in $(seq 600); do grep -q "player=dead" "$WORK/game.log" && break; sleep 0.1; done
    sleep 1
    echo "  after a death: $(cpu_share 5)"
    xdotool key p
    sleep 0.5
    echo "  paused: $(cpu_share 5)"
    # Escape would open the pause menu: end the game as closing its window would (SDL turns a
    # SIGTERM into a quit).
    kill -TERM "$GAME_PID"
    end_game
  done
}

# The lowest and the median "fps:" line of the 30 consecutive seconds with the fewest frames.
heaviest_30s() {
  awk '$1 == "fps:" { fps[n++] = $2 }
    END {
      if (n < 30) { print "fewer than 30 fps lines"; exit }
      best = -1
      for (i = 0; i + 30 <= n; i++) {
        sum = 0; for (j = i; j < i + 30; j++) sum += fps[j]
        if (best < 0 || sum < best) { best = sum; at = i }
      }
      for (j = 0; j < 30; j++) {
        for (k = j; k > 0 && window[k - 1] > fps[at + j]; k--) window[k] = window[k - 1]
        window[k] = fps[at + j]
      }
      printf "%d | %g | %d s to %d s\n", window[0], (window[14] + window[15]) / 2, at + 1, at + 30
    }' "$1"
}

part_fps() {
  local level seed
  local others
  echo "== fps: -demo $FPS_SECONDS -fps (load $(load))"
  echo "| level | seed | min | median | heaviest 30 s | others |"
  echo "|---|---|---|---|---|---|"
  for level in ${FPS_LEVELS:-8 9 10}; do
    for seed in ${FPS_SEEDS:-1 2 3}; do
      others=$(run_game -demo "$FPS_SECONDS" -fps -seed "$seed" -level "$level")
      echo "| $level | $seed | $(heaviest_30s "$WORK/game.log") | $others |"
    done
  done
}

echo "game: $GAME"
for part in "${PARTS[@]}"; do
  case $part in
    steps | cpu | fps) "part_$part" ;;
    *) echo "$0: no part $part (steps, cpu, fps)" >&2; exit 2 ;;
  esac
done
