#!/usr/bin/env bash
# kestrav-tool replay end to end: usage errors, journals written by hand from the format's
# definition replayed to the expected game or stopped at the expected record, damaged and
# foreign journals refused in one line, and a short soak's journals replaying to the soak's own
# final games. Usage: replay_tool_test.sh TOOL
set -uo pipefail
tool=$(realpath "$1")
source "$(dirname "$0")/../tool_checks.sh"
cd "$work" || exit 1

# FNV-1a, 64 bits, of a file's bytes, in 16 hex digits.
fnv() { python3 -c 'import sys
h = 0xcbf29ce484222325
for b in open(sys.argv[1], "rb").read():
    h = ((h ^ b) * 0x100000001b3) % 2**64
print("%016x" % h)' "$1"; }

expect_status 2 "no journal" "$tool" replay
expect_status 2 "a stray option" "$tool" replay j.journal --speed 2
expect_status 2 "--until without a tick" "$tool" replay j.journal --until
expect_status 2 "--until not a number" "$tool" replay j.journal --until soon
grep -q '^usage: kestrav-tool replay JOURNAL' "$work/err" || fail "no usage text"
expect_status 1 "a missing journal" "$tool" replay missing.journal
[ "$(cat "$work/err")" = "kestrav-tool: missing.journal: no such file" ] || fail "missing: $(cat "$work/err")"

# Seed 12345 at skill 2 (kestrav_tool_test.sh): stardate 1584.0, energy 3000, no shields, ten
# torpedoes, the ship in quadrant 8,3 (index 2 * 8 + 7 = 23) at sector 7,3 (6,2 from 0), 38 aliens.
expect_status 0 "new" "$tool" new --seed 12345 --skill 2 --out new.gam
header() {
  printf 'kestrav-journal 1\nprogram by hand\nstart new 12345 2\nrandom 777\nclock 1000000 1045000\n'
}
{
  header
  echo "1000000 check $(fnv new.gam) energy=3000 shields=0 torpedoes=10 stardate=1584.0 quadrant=23 sector=6,2 aliens=38"
} >start.journal
expect_status 0 "replay the start" "$tool" replay start.journal --out start.gam
[ "$(cat "$work/out")" = "replayed 1 records to tick 1000000; 1 checkpoints agree; the mission goes on" ] ||
  fail "start: $(cat "$work/out")"
cmp -s start.gam new.gam || fail "the replayed start is not the new mission"

# A commit of 500 units to the shields, checked against the figures of the game before it.
{
  header
  echo "1000000 shields 2500 500"
  echo "1000000 check $(fnv new.gam) energy=3000 shields=0 torpedoes=10 stardate=1584.0 quadrant=23 sector=6,2 aliens=38"
  echo "1000100 end"
} >stale.journal
expect_status 1 "a checkpoint that differs" "$tool" replay stale.journal --out shields.gam
cat >expected <<TEXT
kestrav-tool: stale.journal: line 7, tick 1000000: the game differs from the journal's checkpoint after "shields 2500 500" (line 6)
  energy: journal 3000, replay 2500
  shields: journal 0, replay 500
  saved game: journal $(fnv new.gam), replay $(fnv shields.gam)
TEXT
diff expected "$work/err" >/dev/null || fail "the difference: $(cat "$work/err")"
[ -s "$work/out" ] && fail "a failed replay printed on standard output"

# The same commit with the right checkpoint, then the end: --state describes the game as show does.
sed -e "7s/.*/1000000 check $(fnv shields.gam) energy=2500 shields=500 torpedoes=10 stardate=1584.0 quadrant=23 sector=6,2 aliens=38/" \
  stale.journal >shields.journal
expect_status 0 "replay the commit" "$tool" replay shields.journal --state
[ "$(head -n 1 "$work/out")" = "replayed 3 records to tick 1000100; 1 checkpoints agree; the mission ended" ] ||
  fail "commit: $(head -n 1 "$work/out")"
"$tool" show shields.gam >shown
tail -n +2 "$work/out" | diff - shown >/dev/null || fail "--state is not the show description"

# --until stops before the first record past its tick.
expect_status 0 "until" "$tool" replay shields.journal --until 1000099
[ "$(cat "$work/out")" = "replayed 2 records to tick 1000000; 1 checkpoints agree; the mission goes on" ] ||
  fail "until: $(cat "$work/out")"

# Damaged and foreign journals: one line naming the journal, its line and the fault.
refused() {  # file expected-error
  expect_status 1 "refuse $1" "$tool" replay "$1"
  [ "$(cat "$work/err")" = "kestrav-tool: $1: $2" ] || fail "$1: $(cat "$work/err")"
}
head -c 100 shields.journal >truncated.journal
refused truncated.journal "line 6: a line cut short or too long"
sed -e 's/shields 2500 500/shields 2500 5OO/' shields.journal >number.journal
refused number.journal 'line 6: a bad figure "5OO"'
sed -e 's/shields 2500 500/cloak 1/' shields.journal >unknown.journal
refused unknown.journal 'line 6: an unknown record "cloak"'
sed -e '1s/1/9/' shields.journal >version.journal
refused version.journal "line 1: a journal of another format version (this program reads version 1)"
refused new.gam "line 1: not a Kestrav journal"
head -c 30000 /dev/urandom >noise.journal
expect_status 1 "noise" "$tool" replay noise.journal
[ "$(wc -l <"$work/err")" -eq 1 ] || fail "noise: not one line of error"
{ header; echo "1000000 shields 2500 500"; echo "@4 1000000 frames"; } >nowait.journal
refused nowait.journal "line 7, tick 1000000: it came during a wait that the record before it never made"

# A short soak's journals, a new one at each reload, each replaying to its checkpoints; the
# last of every mission ends on the soak's own final game, byte for byte.
mkdir journals
expect_status 0 "soak with journals" "$tool" soak --seed 5 --missions 24 --journals journals --scratch "$work"
for mission in $(seq 1 24); do
  last=$(ls journals/soak-5-"$mission"-*.journal 2>/dev/null | sort -t- -k4 -n | tail -n 1)
  [ -n "$last" ] || { fail "mission $mission left no journal"; continue; }
  for journal in journals/soak-5-"$mission"-*.journal; do
    expect_status 0 "replay $journal" "$tool" replay "$journal" --out replayed.gam
    grep -q 'the mission ended$' "$work/out" || fail "$journal does not end"
  done
  "$tool" replay "$last" --out replayed.gam >/dev/null 2>&1
  cmp -s replayed.gam journals/soak-5-"$mission".gam || fail "mission $mission replays to another game"
done

[ "$failures" -eq 0 ] && echo "all kestrav-tool replay checks passed"
exit $((failures > 0))
