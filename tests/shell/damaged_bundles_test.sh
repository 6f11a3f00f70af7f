#!/usr/bin/env bash
# The real game started beside a wrong or damaged bundle says which file is at fault and does
# not start a game without pictures or sounds: the sound bundle copied over the picture
# bundle, the picture bundle cut short, the picture bundle in the sound bundle's place, the
# sound bundle cut short. With both bundles whole it starts as always.
# Usage: damaged_bundles_test.sh GAME
set -uo pipefail
game=$1
bin=$(dirname "$game")
work=$(mktemp -d)
trap '{ kill -9 $(jobs -p); wait; } 2>/dev/null; rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

# A folder with the game and its two bundles as they were built.
fresh_copy() {
  local folder="$work/$1"
  mkdir -p "$folder/run"
  chmod 700 "$folder/run"
  cp "$game" "$bin/KESTRAV1.rcc" "$bin/KESTRAV2.rcc" "$folder/"
  echo "$folder"
}

cut_short() {  # file bytes
  truncate -s "$(($(stat -c %s "$1") - $2))" "$1"
}

# Starts the game in the folder and gives it a few seconds; prints what it said on stderr
# about its bundles (the box it shows waits for a player, so the game is stopped then).
start_in() {
  local folder=$1
  XDG_RUNTIME_DIR="$folder/run" "$folder/kestrav" 2>"$folder/err" &
  local pid=$!
  for _ in $(seq 50); do
    grep -q 'cannot start' "$folder/err" && break
    sleep 0.1
  done
  { kill -9 "$pid"; wait "$pid"; } 2>/dev/null
  grep 'cannot start' "$folder/err"
}

expect_refused() {  # case folder bundle
  local said
  said=$(start_in "$2")
  echo "$said" | grep -q "the file $2/$3 is missing or damaged" || fail "$1: told '$said'"
}

folder=$(fresh_copy sounds-as-pictures)
cp "$folder/KESTRAV2.rcc" "$folder/KESTRAV1.rcc"
expect_refused "the sound bundle in the picture bundle's place" "$folder" KESTRAV1.rcc

for bytes in 300 700; do
  folder=$(fresh_copy pictures-short-$bytes)
  cut_short "$folder/KESTRAV1.rcc" "$bytes"
  expect_refused "the picture bundle $bytes bytes short" "$folder" KESTRAV1.rcc
done

folder=$(fresh_copy pictures-as-sounds)
cp "$folder/KESTRAV1.rcc" "$folder/KESTRAV2.rcc"
expect_refused "the picture bundle in the sound bundle's place" "$folder" KESTRAV2.rcc

folder=$(fresh_copy sounds-short)
cut_short "$folder/KESTRAV2.rcc" 300
expect_refused "the sound bundle 300 bytes short" "$folder" KESTRAV2.rcc

folder=$(fresh_copy whole)
[ -z "$(start_in "$folder")" ] || fail "whole bundles were refused: $(cat "$folder/err")"

[ "$failures" -eq 0 ] && echo "every damaged bundle was named"
exit $((failures > 0))
