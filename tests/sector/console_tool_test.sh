#!/usr/bin/env bash
# kestrav-tool console end to end: usage errors, the answers of typed lines byte for byte,
# the row's last cell, prompts left by earlier output, time passing, rerouted messages, the
# ricochet, and damaged input. Usage: console_tool_test.sh TOOL
set -uo pipefail
tool=$1
source "$(dirname "$0")/../tool_checks.sh"

"$tool" new --seed 12345 --skill 2 --out "$work/a.gam" >/dev/null || fail "new"  # ship at 8,3 / 7,3
"$tool" new --seed 1 --skill 1 --out "$work/r.gam" >/dev/null || fail "new"      # a ricochet star at hand

expect_output() {  # description expected-bytes
  cmp -s <(printf '%s' "$2") "$work/out" || fail "$1: got $(od -c "$work/out" | head -5)"
}

# Usage errors: at least one line, a seed and an output.
expect_status 2 "no line" "$tool" console "$work/a.gam" --seed 1 --out "$work/x.gam"
expect_status 2 "no seed" "$tool" console "$work/a.gam" --line LOC --out "$work/x.gam"
expect_status 2 "no output" "$tool" console "$work/a.gam" --seed 1 --line LOC
expect_status 2 "line without text" "$tool" console "$work/a.gam" --seed 1 --out "$work/x.gam" --line
expect_status 2 "unknown option" "$tool" console "$work/a.gam" --seed 1 --line LOC --warp 2 --out "$work/x.gam"
[ -e "$work/x.gam" ] && fail "a file was written on a usage error"

# Answers in order, prompts included, typed characters not echoed; lower case is typed upper.
expect_status 0 "loc pow" "$tool" console "$work/a.gam" --seed 1 --line loc --line POW --out "$work/b.gam"
expect_output "loc pow" $'\nQuadrant 8,3  Sector 7,3\n>\n  Dilithium: 3000\n    Shields: 0\nTotal Power: 3000\n>'

# The row holds 38 characters the interpreter reads: a keyword reaching the last cell is cut.
dots=...................................
expect_status 0 "keyword in the last cell" "$tool" console "$work/a.gam" --seed 1 --line "${dots}LOC" --out "$work/b.gam"
expect_output "keyword in the last cell" $'huh?\n>'
expect_status 0 "keyword before the last cell" "$tool" console "$work/a.gam" --seed 1 --line "${dots:1}LOC" --out "$work/b.gam"
expect_output "keyword before the last cell" $'\nQuadrant 8,3  Sector 7,3\n>'

# An empty line and one of spaces get a fresh prompt.
expect_status 0 "empty and spaces" "$tool" console "$work/a.gam" --seed 1 --line "" --line "   " --line ski --out "$work/b.gam"
expect_output "empty and spaces" $'>>Officer\n>'

# ADV lets time pass in the saved game; a wrong time changes nothing.
expect_status 0 "adv" "$tool" console "$work/a.gam" --seed 1 --line "adv 2.5" --line "adv 0" --out "$work/c.gam"
expect_output "adv" $'>Invalid time entry.\n>'
"$tool" show "$work/c.gam" >"$work/shown"
grep -q '^Stardate: 1586.5 ' "$work/shown" || fail "adv 2.5: stardate"

# BAS draws for uncharted starbases: the same seed gives the same guesses and random state.
expect_status 0 "bas" "$tool" console "$work/a.gam" --seed 77 --line bas --line bas --out "$work/d.gam" --state
cp "$work/out" "$work/first"
grep -q '^Starbase possible at Quadrant [1-8],[1-8]$' "$work/out" || fail "bas: a guessed starbase"
[ "$(tail -c 1 "$work/out" | od -An -c | tr -d ' ')" = '\n' ] || fail "--state ends its line"
[ "$(sed -n '$!{h;d};x;p' "$work/out")" = ">" ] || fail "--state: a line break after the last prompt"
grep -qx 'random state: [0-9]*' <(sed -n '$p' "$work/out") || fail "--state: random state"
expect_status 0 "bas again" "$tool" console "$work/a.gam" --seed 77 --line bas --line bas --out "$work/e.gam" --state
cmp -s "$work/first" "$work/out" || fail "same seed gave different answers"

# Rerouted messages land in the console; the ricochet counts down, then throws the ship.
expect_status 0 "ricochet" "$tool" console "$work/r.gam" --seed 9 --line rer --line ric --line unr --out "$work/f.gam"
expect_output "ricochet" "$(printf 'Rerouting Message Panel to Computer\n>Scanning...\nComputing ricochet coordinates...\n[10]\n[9]\n[8]\n[7]\n[6]\n[5]\n[4]\n[3]\n[2]\n[1]\n[0]\n>Enabling normal Message Panel\n>')"
"$tool" show "$work/f.gam" >"$work/shown"
grep -q '^Ship: quadrant 5,1 sector 8,8$' "$work/shown" || fail "ricochet: the ship was not thrown"
expect_status 0 "no ricochet" "$tool" console "$work/a.gam" --seed 9 --line ric --out "$work/g.gam"
expect_output "no ricochet" $'Scanning...\nNo stars in Quadrant\n>'

# A rerouted message after the prompt leaves the next row without one: typed at column 0,
# two leading spaces are the blank line that only prompts.
expect_status 0 "red alert" "$tool" console "$work/r.gam" --seed 2 --line rer --line ric --line "  loc" --line loc \
  --out "$work/g.gam"
tail -c 51 "$work/out" >"$work/tail" && mv "$work/tail" "$work/out"
expect_output "red alert" $']\n>Sounding Red Alert.\n>\nQuadrant 6,6  Sector 1,7\n>'

# Damaged input: a message naming the file, nothing written.
printf 'KVFX' >"$work/bad.gam"
expect_status 1 "not a game" "$tool" console "$work/bad.gam" --seed 1 --line LOC --out "$work/h.gam"
grep -q 'bad.gam' "$work/err" || fail "damaged file not named"
[ -e "$work/h.gam" ] && fail "a file was written from a damaged game"

[ "$failures" -eq 0 ] && echo "all kestrav-tool console checks passed"
exit $((failures > 0))
