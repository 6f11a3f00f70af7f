#!/usr/bin/env bash
# kestrav-tool soak end to end: usage errors, the JSON report, the same seed playing the same
# missions, and one mission played alone as it plays among the others.
# Usage: soak_tool_test.sh TOOL
set -uo pipefail
tool=$(realpath "$1")
source "$(dirname "$0")/../tool_checks.sh"
cd "$work" || exit 1

expect_status 2 "no seed" "$tool" soak --missions 3
expect_status 2 "no missions" "$tool" soak --seed 1
expect_status 2 "no mission at all" "$tool" soak --seed 1 --missions 0
expect_status 2 "skill 6" "$tool" soak --seed 1 --missions 3 --skill 6
expect_status 2 "a mission past the last" "$tool" soak --seed 1 --missions 3 --mission 4
expect_status 2 "an option without its value" "$tool" soak --seed 1 --missions 3 --report
expect_status 2 "a stray option" "$tool" soak --seed 1 --missions 3 --course 9

# Twelve missions, two at each skill.
expect_status 0 "soak" "$tool" soak --seed 3 --missions 12 --report "$work/first.json"
grep -q '^missions 12: won [0-9]* ' "$work/out" || fail "no summary"
[ "$(grep -c '^  skill [0-5]: won [0-9]* of 2 ' "$work/out")" -eq 6 ] || fail "not two missions at each skill"
grep -q 'missions 12 of 12' "$work/err" || fail "no progress shown"
for key in missions won lost violations actions_per_second; do
  grep -q "^  \"$key\": " "$work/first.json" || fail "the report has no $key"
done
grep -q '^  "missions": 12,$' "$work/first.json" || fail "the report's mission count"
grep -q '^  "violations": \[\],$' "$work/first.json" || fail "violations in a sound game"
python3 -c 'import json, sys; json.load(open(sys.argv[1]))' "$work/first.json" || fail "the report is not JSON"

# The same seed plays the same missions; only the pace differs.
expect_status 0 "soak again" "$tool" soak --seed 3 --missions 12 --report "$work/again.json"
strip_pace() { grep -v -e '"seconds"' -e '"actions_per_second"' "$1"; }
[ "$(strip_pace "$work/first.json")" = "$(strip_pace "$work/again.json")" ] || fail "the same seed played differently"

# Mission 5 alone is mission 5 of the twelve: skill 4, and its own length.
expect_status 0 "one mission" "$tool" soak --seed 3 --missions 12 --mission 5 --report "$work/one.json"
grep -q '^  skill 4: won [01] of 1 ' "$work/out" || fail "mission 5 is not at skill 4"
ls "$work"/soak-*.gam >/dev/null 2>&1 && fail "a saved game was left behind"

[ "$failures" -eq 0 ] && echo "all kestrav-tool soak checks passed"
exit $((failures > 0))
