#!/usr/bin/env bash
# kestrav-tool wait end to end: usage errors, the clock stepping on a quiet game, a red alert
# playing out to the end of the game, the same seed giving the same run, and damaged input.
# Usage: wait_tool_test.sh TOOL
set -uo pipefail
tool=$1
source "$(dirname "$0")/../tool_checks.sh"

"$tool" new --seed 12345 --skill 2 --out "$work/quiet.gam" >/dev/null || fail "new"
# West into a quadrant with a Klingon: red alert.
"$tool" move "$work/quiet.gam" --seed 1 --course 180 --warp 1 --out "$work/alert.gam" >/dev/null || fail "move"

# Usage errors: a whole number of milliseconds, once, with a seed and an output.
expect_status 2 "no ms" "$tool" wait "$work/quiet.gam" --seed 1 --out "$work/x.gam"
expect_status 2 "negative ms" "$tool" wait "$work/quiet.gam" --seed 1 --ms -5 --out "$work/x.gam"
expect_status 2 "ms twice" "$tool" wait "$work/quiet.gam" --seed 1 --ms 5 --ms 6 --out "$work/x.gam"
expect_status 2 "ms past the clock's range" "$tool" wait "$work/quiet.gam" --seed 1 --ms 4293967296 --out "$work/x.gam"
expect_status 2 "no seed" "$tool" wait "$work/quiet.gam" --ms 5 --out "$work/x.gam"
expect_status 2 "a course" "$tool" wait "$work/quiet.gam" --seed 1 --ms 5 --course 9 --out "$work/x.gam"
[ -e "$work/x.gam" ] && fail "a file was written on a usage error"

# A quiet game: the clock steps on the first pass past each 45 s.
clock_after() {  # ms -> "stardate energy"
  "$tool" wait "$work/quiet.gam" --seed 1 --ms "$1" --out "$work/w.gam" >"$work/out" || fail "wait $1"
  [ -s "$work/out" ] && fail "wait $1: the clock posted a message"
  "$tool" show "$work/w.gam" | sed -n 's/^Stardate: \([0-9.]*\) .*/\1/p; s/^Supplies: energy \([0-9]*\),.*/\1/p' | tr '\n' ' '
}
[ "$(clock_after 45000)" = "1584.0 3000 " ] || fail "a step at exactly 45 s"
[ "$(clock_after 45001)" = "1584.1 2999 " ] || fail "no step just past 45 s"
[ "$(clock_after 90001)" = "1584.1 2999 " ] || fail "the second step came too soon"
[ "$(clock_after 90002)" = "1584.2 2998 " ] || fail "no second step 45 s after the first"

# Red alert: the Klingon fires until every system is out and the game ends; the clock stands.
expect_status 0 "red alert" "$tool" wait "$work/alert.gam" --seed 5 --ms 3600000 --out "$work/r.gam" --state
cp "$work/out" "$work/first"
grep -q '^[0-9]* Units hit Enterprise$' "$work/out" || fail "no hit on the ship"
tail -n 1 "$work/out" | grep -q '^random state: [0-9]*$' || fail "random state"
"$tool" show "$work/r.gam" >"$work/shown"
grep -q '^Stardate: 1585.0 ' "$work/shown" || fail "the clock ran under fire"
[ "$(sed -n '/^Systems:/,/^Aliens:/p' "$work/shown" | grep -c 'working')" -eq 0 ] || fail "the game ended with a system working"
# A hit on the Message Display does not silence the tool.
display=$(grep -n 'Message Display\|Bridge Message' "$work/out" | head -n 1 | cut -d: -f1)
[ -n "$display" ] || fail "the Message Display was never hit"
[ "$(sed -n "$((display + 1)),\$p" "$work/out" | grep -c 'Units hit')" -gt 0 ] || fail "messages stopped with the display"

# The same seed plays the same red alert; a short wait is where the long one began.
expect_status 0 "red alert again" "$tool" wait "$work/alert.gam" --seed 5 --ms 3600000 --out "$work/r2.gam" --state
cmp -s "$work/r.gam" "$work/r2.gam" || fail "same seed gave different games"
cmp -s "$work/first" "$work/out" || fail "same seed gave different messages"
expect_status 0 "short red alert" "$tool" wait "$work/alert.gam" --seed 5 --ms 60000 --out "$work/s.gam"
head -n "$(wc -l <"$work/out")" "$work/first" | cmp -s - "$work/out" || fail "a shorter wait is not the start of a longer one"

# Damaged input: a message naming the file, nothing written.
printf 'KVFX' >"$work/bad.gam"
expect_status 1 "not a game" "$tool" wait "$work/bad.gam" --seed 1 --ms 5 --out "$work/f.gam"
grep -q 'bad.gam' "$work/err" || fail "damaged file not named"
[ -e "$work/f.gam" ] && fail "a file was written from a damaged game"

# An alien with a million units of energy, which no game gives, would fire beams for hours.
cp "$work/alert.gam" "$work/absurd.gam"
printf '\x40\x42\x0f\x00' | dd of="$work/absurd.gam" bs=1 seek=$((9456 + 16)) conv=notrunc status=none
expect_status 1 "absurd alien" "$tool" wait "$work/absurd.gam" --seed 5 --ms 3600000 --out "$work/a.gam"
grep -q 'alien 0 has 1000000 units of energy' "$work/err" || fail "the absurd figure is not named"
[ -e "$work/a.gam" ] && fail "a file was written from an absurd game"

[ "$failures" -eq 0 ] && echo "all kestrav-tool wait checks passed"
exit $((failures > 0))
