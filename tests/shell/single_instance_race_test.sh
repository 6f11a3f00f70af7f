#!/usr/bin/env bash
# Two copies of the game started at the same instant, round after round: exactly one runs, the
# other hands over to it and leaves. Then a copy killed outright leaves its lock behind, and
# the next start runs all the same. The game runs from a folder of its own and each round has
# a runtime folder of its own, so no other game or test on this machine takes part.
# Usage: single_instance_race_test.sh GAME [ROUNDS]
set -uo pipefail
game=$1
rounds=${2:-10}
work=$(mktemp -d)
running=()
trap '{ kill -9 "${running[@]}"; wait; } 2>/dev/null; rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cp "$game" "$(dirname "$game")/KESTRAV1.rcc" "$(dirname "$game")/KESTRAV2.rcc" "$work/"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

alive() { kill -0 "$1" 2>/dev/null; }

# Waits up to $1 tenths of a second for process $2 to end; its exit status, or 255 if it runs on.
ends_within() {
  local tenths=$1 pid=$2
  for _ in $(seq "$tenths"); do
    alive "$pid" || break
    sleep 0.1
  done
  alive "$pid" && return 255
  wait "$pid"
}

for round in $(seq "$rounds"); do
  export XDG_RUNTIME_DIR="$work/run$round"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  "$work/kestrav" 2>>"$work/log" &
  first=$!
  "$work/kestrav" 2>>"$work/log" &
  second=$!
  running=("$first" "$second")
  # The one that lost the race leaves within moments; give a loaded machine ten seconds.
  left=""
  for _ in $(seq 100); do
    if ! alive "$first"; then left=$first stays=$second; break; fi
    if ! alive "$second"; then left=$second stays=$first; break; fi
    sleep 0.1
  done
  if [ -z "$left" ]; then
    fail "round $round: both copies run"
  else
    wait "$left"
    status=$?
    [ "$status" -eq 0 ] || fail "round $round: the copy that handed over ended with status $status"
    sleep 1
    alive "$stays" || fail "round $round: neither copy runs"
  fi
  { kill -9 "${running[@]}"; wait "${running[@]}"; } 2>/dev/null
  running=()
done

# The last round's copy was killed outright: its lock and socket files are still there.
[ -e "$XDG_RUNTIME_DIR"/kestrav-*.lock ] || fail "no lock file was left to test with"
"$work/kestrav" 2>>"$work/log" &
next=$!
running=("$next")
ends_within 30 "$next"
[ $? -eq 255 ] || fail "a start after a killed copy did not run"

[ "$failures" -eq 0 ] && echo "exactly one copy ran in each of $rounds rounds"
exit $((failures > 0))
