#!/usr/bin/env bash
# Runs a command on a virtual X display of its own (Xvfb picks a free number itself, so parallel
# tests never race for one), and ends the display with it. CTest runs every window test through
# this, and the tests run the game through it: a window that opens, closes or takes the pointer
# in one test would otherwise hand the windows of tests running beside it focus changes (which
# pause a game) and mouse moves (which aim and pick menu lines) of its making.
set -u
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/log" &
server=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  kill -0 "$server" 2>/dev/null || break
  sleep 0.05
done
if [ ! -s "$work/display" ]; then
  echo "$0: Xvfb did not start:" >&2
  cat "$work/log" >&2
  rm -rf "$work"
  exit 1
fi
DISPLAY=:$(cat "$work/display") "$@"
status=$?
kill "$server" 2>/dev/null
wait "$server" 2>/dev/null
rm -rf "$work"
exit $status
