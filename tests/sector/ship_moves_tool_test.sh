#!/usr/bin/env bash
# kestrav-tool move and ricochet end to end: usage errors, the messages of a move, the
# same seed giving the same game, and damaged input. Usage: ship_moves_tool_test.sh TOOL
set -uo pipefail
tool=$1
source "$(dirname "$0")/../tool_checks.sh"

"$tool" new --seed 12345 --skill 2 --out "$work/a.gam" >/dev/null || fail "new"

# Usage errors: exactly one factor of 1..9, a course of 0..359, a seed and an output.
expect_status 2 "both factors" "$tool" move "$work/a.gam" --seed 1 --course 90 --warp 2 --impulse 1 --out "$work/x.gam"
expect_status 2 "no factor" "$tool" move "$work/a.gam" --seed 1 --course 90 --out "$work/x.gam"
expect_status 2 "warp 0" "$tool" move "$work/a.gam" --seed 1 --course 90 --warp 0 --out "$work/x.gam"
expect_status 2 "impulse 10" "$tool" move "$work/a.gam" --seed 1 --course 90 --impulse 10 --out "$work/x.gam"
expect_status 2 "course 360" "$tool" move "$work/a.gam" --seed 1 --course 360 --warp 1 --out "$work/x.gam"
expect_status 2 "no course" "$tool" move "$work/a.gam" --seed 1 --warp 1 --out "$work/x.gam"
expect_status 2 "ricochet without seed" "$tool" ricochet "$work/a.gam" --out "$work/x.gam"
expect_status 2 "ricochet with a course" "$tool" ricochet "$work/a.gam" --seed 1 --course 5 --out "$work/x.gam"
[ -e "$work/x.gam" ] && fail "a file was written on a usage error"

# A warp: its messages in order, the arrival in the next quadrant, the costs.
expect_status 0 "warp" "$tool" move "$work/a.gam" --seed 7 --course 90 --warp 2 --out "$work/b.gam" --state
[ "$(sed -n 1p "$work/out")" = "Warp Engines Engaged..." ] || fail "warp: engage message"
sed -n 2p "$work/out" | grep -q '^All Stop at Sector [1-8],[1-8]$' || fail "warp: all stop message"
tail -n 1 "$work/out" | grep -q '^random state: [0-9]*$' || fail "warp: random state"
"$tool" show "$work/b.gam" >"$work/shown"
grep -q '^Ship: quadrant 2,3 ' "$work/shown" || fail "warp 2 east of column 8 wraps to column 2"
grep -q '^Supplies: energy 2950, ' "$work/shown" || fail "warp 2 costs 10 + 40 energy"
grep -q '^Stardate: 1586.0 ' "$work/shown" || fail "warp 2 takes two days"

# The same seed gives the same game and the same messages.
cp "$work/out" "$work/first"
expect_status 0 "warp again" "$tool" move "$work/a.gam" --seed 7 --course 90 --warp 2 --out "$work/c.gam" --state
cmp -s "$work/b.gam" "$work/c.gam" || fail "same seed gave different games"
cmp -s "$work/first" "$work/out" || fail "same seed gave different messages"

# An impulse move posts its engage and stop messages.
expect_status 0 "impulse" "$tool" move "$work/a.gam" --seed 3 --course 270 --impulse 1 --out "$work/d.gam"
[ "$(sed -n 1p "$work/out")" = "Impulse Engines Engaged..." ] || fail "impulse: engage message"

# The ricochet: shields down, no message of its own.
expect_status 0 "ricochet" "$tool" ricochet "$work/a.gam" --seed 99 --out "$work/e.gam"
grep -q 'Engaged' "$work/out" && fail "ricochet posted an engage message"
"$tool" show "$work/e.gam" >"$work/shown"
grep -q '^Supplies: energy 3000, shields 0, ' "$work/shown" || fail "ricochet costs nothing, shields 0"

# Damaged input: a message naming the file, nothing written.
printf 'KVFX' >"$work/bad.gam"
expect_status 1 "not a game" "$tool" move "$work/bad.gam" --seed 1 --course 0 --warp 1 --out "$work/f.gam"
grep -q 'bad.gam' "$work/err" || fail "damaged file not named"
[ -e "$work/f.gam" ] && fail "a file was written from a damaged game"

[ "$failures" -eq 0 ] && echo "all kestrav-tool move checks passed"
exit $((failures > 0))
