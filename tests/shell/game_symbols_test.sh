#!/usr/bin/env bash
# The game program carries none of the test machinery: the recording host that the tests and
# kestrav-tool use is not linked into it. Usage: game_symbols_test.sh GAME
set -uo pipefail
symbols=$(nm -C "$1") || { echo "FAIL: cannot read the symbols of $1"; exit 1; }
# A program without symbols would pass the check below for nothing.
grep -q 'StationName' <<<"$symbols" || { echo "FAIL: $1 shows none of the game's own symbols"; exit 1; }
if grep -q 'HeadlessHost' <<<"$symbols"; then
  echo "FAIL: $1 contains the headless host:"
  grep 'HeadlessHost' <<<"$symbols" | head -n 5
  exit 1
fi
exit 0
