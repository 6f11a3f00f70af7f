#!/usr/bin/env bash
# kestrav-tool torpedo and phasers end to end: usage errors, a hit with and without the
# DISTANCE bonus, the phasers' cost, damaged weapons, and the same seed giving the same
# game. Usage: weapons_tool_test.sh TOOL
set -uo pipefail
tool=$1
source "$(dirname "$0")/../tool_checks.sh"

show() { "$tool" show "$work/$1.gam" >"$work/shown"; }

# Mission 12345 at skill 2; warp 1 west puts the ship at sector 6,7 of quadrant 7,3, where a
# Romulan (energy 235) waits at sector 1,4, five walk steps away on course 302.
"$tool" new --seed 12345 --skill 2 --out "$work/a.gam" >/dev/null || fail "new"
"$tool" move "$work/a.gam" --seed 7 --course 270 --warp 1 --out "$work/b.gam" >/dev/null || fail "move"
show b && grep -q '^Ship: quadrant 7,3 sector 6,7$' "$work/shown" || fail "the set-up moved elsewhere"

# Usage errors: a course of 0..359, a DISTANCE of 0..9, exactly one mode, a charge the
# station could set (0, or leaving at least 41 of the ship's 2970 units).
expect_status 2 "course 360" "$tool" torpedo "$work/b.gam" --seed 1 --course 360 --distance 1 --out "$work/x.gam"
expect_status 2 "distance 10" "$tool" torpedo "$work/b.gam" --seed 1 --course 0 --distance 10 --out "$work/x.gam"
expect_status 2 "no distance" "$tool" torpedo "$work/b.gam" --seed 1 --course 0 --out "$work/x.gam"
expect_status 2 "torpedo with energy" "$tool" torpedo "$work/b.gam" --seed 1 --course 0 --distance 1 --energy 5 --out "$work/x.gam"
expect_status 2 "both modes" "$tool" phasers "$work/b.gam" --seed 1 --energy 100 --single --wide --out "$work/x.gam"
expect_status 2 "no mode" "$tool" phasers "$work/b.gam" --seed 1 --energy 100 --out "$work/x.gam"
expect_status 2 "no energy" "$tool" phasers "$work/b.gam" --seed 1 --wide --out "$work/x.gam"
expect_status 2 "negative charge" "$tool" phasers "$work/b.gam" --seed 1 --energy -1 --wide --out "$work/x.gam"
expect_status 2 "leaving 40" "$tool" phasers "$work/b.gam" --seed 1 --energy 2930 --single --out "$work/x.gam"
[ -e "$work/x.gam" ] && fail "a file was written on a usage error"

# A torpedo at DISTANCE 5 takes the bonus: 150 + 41 + 70 from seed 1.
expect_status 0 "torpedo" "$tool" torpedo "$work/b.gam" --seed 1 --course 302 --distance 5 --out "$work/c.gam" --state
printf '%s\n' "Firing Photon Torpedo..." "Torpedo hit at 1,4  261 Units" "Alien Destroyed." \
  "Condition Green, Sir." "random state: 2745024" >"$work/expected"
cmp -s "$work/expected" "$work/out" || fail "torpedo at distance 5: $(cat "$work/out")"
show c && grep -q '^Supplies: energy 2970, shields 0, torpedoes 9$' "$work/shown" || fail "one torpedo spent"
show c && grep -q '^Aliens: 37 of 38 remaining$' "$work/shown" || fail "the Romulan is gone"

# At DISTANCE 4 the same draw misses the bonus and the Romulan survives with 44.
expect_status 0 "no bonus" "$tool" torpedo "$work/b.gam" --seed 1 --course 302 --distance 4 --out "$work/d.gam"
printf '%s\n' "Firing Photon Torpedo..." "Torpedo hit at 1,4  191 Units" >"$work/expected"
cmp -s "$work/expected" "$work/out" || fail "torpedo at distance 4: $(cat "$work/out")"
show d && grep -q 'Romulan  quadrant 7,3 sector 1,4  energy 44,' "$work/shown" || fail "the Romulan keeps 44"

# Phasers: the charge comes off the ship, four sectors' loss off the shot.
expect_status 0 "phasers" "$tool" phasers "$work/b.gam" --seed 1 --energy 500 --wide --out "$work/e.gam" --state
printf '%s\n' "Firing Phasers..." "Direct hit at 1,4  476 Units" "Alien Destroyed." "Condition Green, Sir." \
  "random state: 2745024" >"$work/expected"
cmp -s "$work/expected" "$work/out" || fail "phasers: $(cat "$work/out")"
show e && grep -q '^Supplies: energy 2470, ' "$work/shown" || fail "phasers cost their charge"

# A charge of 0 sends nothing; the same seed gives the same game.
expect_status 0 "no charge" "$tool" phasers "$work/b.gam" --seed 1 --energy 0 --single --out "$work/f.gam"
[ -s "$work/out" ] && fail "a charge of 0 posted messages"
cmp -s "$work/b.gam" "$work/f.gam" || fail "a charge of 0 changed the game"
"$tool" phasers "$work/b.gam" --seed 1 --energy 500 --wide --out "$work/g.gam" >/dev/null
cmp -s "$work/e.gam" "$work/g.gam" || fail "same seed gave different games"

# Destroyed tubes and phasers (damage -1.0 at their places in the header): nothing happens.
cp "$work/b.gam" "$work/broken.gam"
printf '\x00\x00\x00\x00\x00\x00\xf0\xbf\x00\x00\x00\x00\x00\x00\xf0\xbf' |
  dd of="$work/broken.gam" bs=1 seek=9296 conv=notrunc status=none
show broken && grep -q 'Phasers  *destroyed' "$work/shown" || fail "the edit missed the phasers"
expect_status 0 "tubes out" "$tool" torpedo "$work/broken.gam" --seed 1 --course 302 --distance 5 --out "$work/h.gam" --state
[ "$(cat "$work/out")" = "random state: 1" ] || fail "destroyed tubes fired: $(cat "$work/out")"
expect_status 0 "phasers out" "$tool" phasers "$work/broken.gam" --seed 1 --energy 500 --single --out "$work/i.gam"
[ -s "$work/out" ] && fail "destroyed phasers fired"
show i && grep -q '^Supplies: energy 2970, shields 0, torpedoes 10$' "$work/shown" || fail "destroyed phasers cost energy"

[ "$failures" -eq 0 ] && echo "all kestrav-tool weapon checks passed"
exit $((failures > 0))
