#!/usr/bin/env bash
# The flight recorder in the real game, on X11: a saved game opened, the shields charged, the
# phasers and a torpedo fired, console commands typed and the game saved, by clicks and keys as a
# player gives them. The journal must appear in the player's data folder, replay without a
# difference, and replay up to the save to exactly the bytes of the saved file.
# Usage: journal_session_test.sh GAME TOOL (under xvfb-run, screen 1920x1080)
set -uo pipefail
source "$(dirname "$0")/real_game.sh" "$1" "$2"
# Seed 2 at skill 1 puts the ship in a quadrant of four stars and no alien: no red alert, so the
# game can be saved, and the stars twinkle all the while.
"$tool" new --seed 2 --skill 1 --out "$work/voyage.gam" >/dev/null || fail "no mission to open"

start_game "$work/voyage.gam"
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.7; }
keys() { xdotool key --delay 120 "$@"; sleep 0.7; }
# The Controls window's buttons where the bridge first puts them on a 1920x1080 screen.
click 576 334 # SHL
keys Up Up Up Return
click 454 371 # PHA
keys Up Up Return
sleep 2
click 393 371 # PHO
keys Return
sleep 3
click 576 371 # COM
xdotool type --delay 80 "LOC"
keys Return
xdotool type --delay 80 "SCA"
keys Return
sleep 2
keys ctrl+s
sleep 2
kill_game

journals=("$work"/data/Kestrav/journals/*.journal)
[ -f "${journals[0]}" ] || { fail "no journal in the data folder"; exit 1; }
[ "${#journals[@]}" -eq 1 ] || fail "${#journals[@]} journals for one mission"
journal=${journals[0]}
for kind in "start load" " shields " " charge " " phasers " " torpedo " ' console ">LOC' " frames" " save"; do
  grep -q -- "$kind" "$journal" || fail "the journal has no$kind"
done
grep -q ' end$' "$journal" && fail "a killed game's journal says its mission ended"
"$tool" replay "$journal" >"$work/out" 2>&1 || fail "the journal does not replay: $(cat "$work/out")"

# Up to the save and its checkpoint: the saved file's bytes.
through=$(($(grep -n ' save$' "$journal" | head -n 1 | cut -d: -f1) + 1))
head -n "$through" "$journal" >"$work/saved.journal"
"$tool" replay "$work/saved.journal" --out "$work/replayed.gam" >"$work/out" 2>&1 || fail "$(cat "$work/out")"
cmp -s "$work/replayed.gam" "$work/voyage.gam" || fail "the replay up to the save is not the saved game"

[ "$failures" -eq 0 ] && echo "the real game's journal replays to its saved game"
exit $((failures > 0))
