#!/usr/bin/env bash
# A mission cut short: the real game killed with kill -9 in the middle of a red alert, then
# started again. It must offer to resume the mission, and on Yes open the bridge on the game as
# the journal left it: the new journal begins with exactly the game that the killed one replays
# to. Declined or accepted, the old journal is offered once.
# Usage: resume_after_kill_test.sh GAME TOOL (under xvfb-run, screen 1920x1080)
set -uo pipefail
source "$(dirname "$0")/real_game.sh" "$1" "$2"
# Seed 6 at skill 1 puts the ship in a quadrant with a Klingon: red alert from the start.
"$tool" new --seed 6 --skill 1 --out "$work/red.gam" >/dev/null || fail "no mission to open"

start_game "$work/red.gam"
xdotool mousemove 576 334 click 1 # the Controls window's SHL
sleep 0.7
xdotool key --delay 120 Up Up Up Up Return
sleep 20 # the Klingon's clocks run
kill_game

killed=$(ls "$journals"/*.journal 2>/dev/null | head -n 1)
[ -n "$killed" ] || { fail "no journal"; exit 1; }
grep -q ' shields ' "$killed" || fail "the commit is not in the journal"
grep -q ' idle ' "$killed" || fail "no alien pass in the journal"
grep -q ' end$' "$killed" && fail "the killed game's journal says its mission ended"
"$tool" replay "$killed" --out "$work/expected.gam" >"$work/out" 2>&1 ||
  fail "the killed game's journal does not replay: $(cat "$work/out")"

start_game
wait_for_window DIALOG # the offer to resume
import -window root "${SCREENSHOT_DIR:-$work}/resume-offer.png" 2>/dev/null
xdotool key Return # Yes
sleep 4
import -window root "${SCREENSHOT_DIR:-$work}/resumed.png" 2>/dev/null
kill_game

[ -e "$killed" ] && fail "the journal was not marked as offered"
[ -e "${killed%.journal}-cut-short.journal" ] || fail "the offered journal is gone"
resumed=$(ls "$journals"/*.journal | grep -v -- -cut-short | head -n 1)
[ -n "$resumed" ] || { fail "the resumed mission has no journal"; exit 1; }
grep -q '^start load ' "$resumed" || fail "the resumed mission did not begin from a game"
grep '^game ' "$resumed" | cut -c6- | xxd -r -p >"$work/resumed.gam"
cmp -s "$work/resumed.gam" "$work/expected.gam" || fail "the bridge opened on another game than the journal's"
[ -e "$work/data/Kestrav/journals/$(basename "${killed%.journal}")-cut-short.gam" ] && fail "the replayed game was left behind"

# The resumed game is offered in its turn, once.
start_game
wait_for_window DIALOG # the offer to resume
xdotool key Escape # No
sleep 1
kill_game
[ -e "${resumed%.journal}-cut-short.journal" ] || fail "the second cut-short mission was not offered"

[ "$failures" -eq 0 ] && echo "a mission killed in red alert resumes where it stood"
exit $((failures > 0))
