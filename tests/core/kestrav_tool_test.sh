#!/usr/bin/env bash
# kestrav-tool end to end: usage errors, repeatable missions, and clean rejection of
# damaged files. Usage: kestrav_tool_test.sh TOOL
set -uo pipefail
tool=$1
source "$(dirname "$0")/../tool_checks.sh"

# Usage errors.
expect_status 2 "no verb" "$tool"
expect_status 2 "unknown verb" "$tool" fly
expect_status 2 "missing --out" "$tool" new --seed 1 --skill 0
expect_status 2 "skill out of range" "$tool" new --seed 1 --skill 6 --out "$work/x.gam"
expect_status 2 "seed not a number" "$tool" new --seed 12x --skill 0 --out "$work/x.gam"
expect_status 2 "seed beyond 32 bits" "$tool" new --seed 4294967296 --skill 0 --out "$work/x.gam"
expect_status 2 "show without a file" "$tool" show
expect_status 2 "show with --state" "$tool" show "$work/x.gam" --state
grep -q '^usage: kestrav-tool new' "$work/err" || fail "usage text missing"

# The same seed and skill give the same file, the orders and the final random state.
expect_status 0 "new" "$tool" new --seed 12345 --skill 2 --out "$work/a.gam" --state
grep -q '^INTERSTELLAR COMM UID#6576$' "$work/out" || fail "orders not printed"
grep -q 'attacked on stardate 1622.0' "$work/out" || fail "attack stardate not filled in"
[ "$(tail -n 1 "$work/out")" = "random state: 3675633058" ] || fail "random state line wrong"
expect_status 0 "new again" "$tool" new --seed 12345 --skill 2 --out "$work/b.gam"
cmp -s "$work/a.gam" "$work/b.gam" || fail "same seed gave different files"
grep -q 'random state' "$work/out" && fail "random state printed without --state"
[ "$(stat -c %s "$work/a.gam")" -eq 10824 ] || fail "file size"

expect_status 0 "show" "$tool" show "$work/a.gam"
grep -q '^Skill: Officer (2)$' "$work/out" || fail "show: skill"
grep -q '^Ship: quadrant 8,3 sector 7,3$' "$work/out" || fail "show: ship position"

# Without its picture bundle the tool cannot brief a mission.
mkdir "$work/alone"
cp "$tool" "$work/alone/"
expect_status 1 "missing bundle" "$work/alone/$(basename "$tool")" new --seed 1 --skill 0 --out "$work/c.gam"
grep -q 'KESTRAV1.rcc' "$work/err" || fail "missing bundle not named"
[ -e "$work/c.gam" ] && fail "a file was written without a bundle"

# Damaged files: one line on standard error naming the file, nothing on standard output.
: >"$work/empty.gam"
head -c 5000 "$work/a.gam" >"$work/short.gam"
cat "$work/a.gam" "$work/a.gam" >"$work/long.gam"
printf 'KVFX' >"$work/magic.gam"
head -c 20000 /dev/urandom >"$work/noise.gam"
cp "$work/a.gam" "$work/ship.gam"
printf '\x40\x00\x00\x00' | dd of="$work/ship.gam" bs=1 seek=9440 conv=notrunc status=none
for bad in empty short long magic noise ship missing; do
  expect_status 1 "show $bad" "$tool" show "$work/$bad.gam"
  [ "$(wc -l <"$work/err")" -eq 1 ] || fail "show $bad: not one line of error"
  grep -q "$work/$bad.gam" "$work/err" || fail "show $bad: file not named"
  [ -s "$work/out" ] && fail "show $bad: printed a summary"
done
grep -q 'is not a KESTRAV game file' <("$tool" show "$work/magic.gam" 2>&1) || fail "bad magic text"

# A mission that is over: waiting past the attack stardate ends it and saves it as it stands,
# and every verb that acts then refuses the game without writing anything.
expect_status 0 "wait past the attack" "$tool" wait "$work/a.gam" --seed 1 --ms 100000000 --out "$work/over.gam"
"$tool" show "$work/over.gam" >"$work/shown"
grep -q '^Stardate: 1622\.1 ' "$work/shown" || fail "the wait did not run to the attack stardate"
refuse_finished() {  # verb options...
  local verb=$1
  shift
  rm -f "$work/after.gam"
  expect_status 1 "$verb on a finished mission" "$tool" "$verb" "$work/over.gam" --seed 1 "$@" --out "$work/after.gam"
  grep -q "over.gam: the mission is over (the time for it has run out)" "$work/err" || fail "$verb: no clear refusal"
  [ -s "$work/out" ] && fail "$verb: printed something on a finished mission"
  [ -e "$work/after.gam" ] && fail "$verb: wrote a file for a finished mission"
}
refuse_finished move --course 90 --impulse 1
refuse_finished ricochet
refuse_finished torpedo --course 90 --distance 5
refuse_finished phasers --energy 100 --wide
refuse_finished console --line "BAS"
refuse_finished wait --ms 1000
expect_status 0 "show a finished mission" "$tool" show "$work/over.gam"

[ "$failures" -eq 0 ] && echo "all kestrav-tool checks passed"
exit $((failures > 0))
