#!/usr/bin/env bash
# A mission cut short: the real game killed with kill -9 in the middle of a red alert, then
# started again. It must offer to resume the mission, and on Yes open the bridge on the game as
# the journal left it: the new journal begins with exactly the game that the killed one replays
# to. Declined or accepted, the old journal is offered once.
# Usage: resume_after_kill_test.sh GAME TOOL (under xvfb-run, screen 1920x1080)
set -uo pipefail
game=$(realpath "$1")
tool=$(realpath "$2")
work=$(mktemp -d)
trap '{ kill -9 $(jobs -p); wait; } 2>/dev/null; rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

mkdir -p "$work/data" "$work/config" "$work/run" "$work/game"
chmod 700 "$work/run"
cp "$game" "$tool" "$(dirname "$game")"/KESTRAV[12].rcc "$work/game/"
# The clicks below are at the bridge's own size.
printf '[General]\nBridgeSize=1\n' > "$work/game/KESTRAV.INI"
export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=xcb
journals="$work/data/Kestrav/journals"
# Seed 6 at skill 1 puts the ship in a quadrant with a Klingon: red alert from the start.
"$tool" new --seed 6 --skill 1 --out "$work/red.gam" >/dev/null || fail "no mission to open"

"$work/game/kestrav" "$work/red.gam" 2>/dev/null &
pid=$!
sleep 4
xdotool mousemove 576 334 click 1 # the Controls window's SHL
sleep 0.7
xdotool key --delay 120 Up Up Up Up Return
sleep 20 # the Klingon's clocks run
kill -9 "$pid"
wait "$pid" 2>/dev/null

killed=$(ls "$journals"/*.journal 2>/dev/null | head -n 1)
[ -n "$killed" ] || { fail "no journal"; exit 1; }
grep -q ' shields ' "$killed" || fail "the commit is not in the journal"
grep -q ' idle ' "$killed" || fail "no alien pass in the journal"
grep -q ' end$' "$killed" && fail "the killed game's journal says its mission ended"
"$tool" replay "$killed" --out "$work/expected.gam" >/dev/null 2>&1 || fail "the killed game's journal does not replay"

"$work/game/kestrav" 2>/dev/null &
pid=$!
sleep 5
import -window root "${SCREENSHOT_DIR:-$work}/resume-offer.png" 2>/dev/null
xdotool key Return # Yes
sleep 4
import -window root "${SCREENSHOT_DIR:-$work}/resumed.png" 2>/dev/null
kill -9 "$pid"
wait "$pid" 2>/dev/null

[ -e "$killed" ] && fail "the journal was not marked as offered"
[ -e "${killed%.journal}-cut-short.journal" ] || fail "the offered journal is gone"
resumed=$(ls "$journals"/*.journal | grep -v -- -cut-short | head -n 1)
[ -n "$resumed" ] || { fail "the resumed mission has no journal"; exit 1; }
grep -q '^start load ' "$resumed" || fail "the resumed mission did not begin from a game"
grep '^game ' "$resumed" | cut -c6- | xxd -r -p >"$work/resumed.gam"
cmp -s "$work/resumed.gam" "$work/expected.gam" || fail "the bridge opened on another game than the journal's"
[ -e "$work/data/Kestrav/journals/$(basename "${killed%.journal}")-cut-short.gam" ] && fail "the replayed game was left behind"

# The resumed game is offered in its turn, once.
"$work/game/kestrav" 2>/dev/null &
pid=$!
sleep 5
xdotool key Escape # No
sleep 1
kill -9 "$pid"
wait "$pid" 2>/dev/null
[ -e "${resumed%.journal}-cut-short.journal" ] || fail "the second cut-short mission was not offered"

[ "$failures" -eq 0 ] && echo "a mission killed in red alert resumes where it stood"
exit $((failures > 0))
