#!/usr/bin/env bash
# The real game on the X11 platform draws its bridge at the size the player chose, or for
# Automatic at the largest whole factor the screen holds: the frame's menu bar, at the top
# of the screen, is as many times taller.
# Usage: bridge_size_test.sh GAME
set -uo pipefail
game=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cp "$game" "$(dirname "$game")/KESTRAV1.rcc" "$(dirname "$game")/KESTRAV2.rcc" "$work/"

# How bright the screen's row Y is, from 0 (black) to 1 (white), once the frame is up.
cat > "$work/look.sh" <<'LOOK'
set -u
export XDG_RUNTIME_DIR=$1 HOME=$1
"$2/kestrav" 2>/dev/null &
for _ in $(seq 60); do  # the menu bar comes after the fly-by
  sleep 0.5
  import -window root "$1/shot.png" 2>/dev/null || continue
  [ "$(convert "$1/shot.png" -crop 8x1+2+1 -format '%[fx:mean>0.5]' info:)" = 1 ] && break
done
sleep 0.5
import -window root "$1/shot.png"
for y in 28 50; do convert "$1/shot.png" -crop 400x1+400+$y -format '%[fx:mean>0.5] ' info:; done
kill %1
LOOK

# screen, Bridge Size in the settings file (none: no file), whether rows 28 and 50 lie in the menu bar
check() {
  local screen=$1 size=$2 expected=$3 run="$work/run-$1-$2"
  mkdir -m 700 "$run"
  rm -f "$work/KESTRAV.INI"
  [ "$size" != none ] && printf '[General]\nBridgeSize=%s\n' "$size" > "$work/KESTRAV.INI"
  local seen
  seen=$(xvfb-run -a -s "-screen 0 ${screen}x24 -noreset" env QT_QPA_PLATFORM=xcb bash "$work/look.sh" "$run" "$work")
  [ "$seen" = "$expected " ] || fail "$screen with BridgeSize=$size: menu bar rows '$seen', expected '$expected '"
}

check 1920x1080 none "1 0"  # Automatic, Large
check 1920x1080 1 "0 0"     # Normal
check 1280x1024 0 "0 0"     # Automatic, Normal
check 1280x1024 3 "1 1"     # Huge, bigger than the screen wants
check 3840x2160 9 "1 1"     # no such size: Automatic, Huge

[ "$failures" -eq 0 ] && echo "bridge sizes OK"
exit "$failures"
