# Sourced by the tests that play the real game under X11 with clicks and keys. The game runs
# as a copy in a folder of its own, with data, settings and runtime folders of its own, so no
# other game or test on this machine takes part.
# Usage: source real_game.sh GAME TOOL
# Gives: $tool, $work (the test's folder, removed at exit), $journals, fail, start_game.
game=$(realpath "$1")
tool=$(realpath "$2")
work=$(mktemp -d)
trap '{ kill -9 $(jobs -p); wait; } 2>/dev/null; rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

mkdir -p "$work/data" "$work/config" "$work/run" "$work/game"
chmod 700 "$work/run"
# kestrav-tool goes beside the game: the game replays a cut-short journal with it.
cp "$game" "$tool" "$(dirname "$game")"/KESTRAV[12].rcc "$work/game/"
# The tests' clicks are at the bridge's own size.
printf '[General]\nBridgeSize=1\n' >"$work/game/KESTRAV.INI"
export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=xcb
journals="$work/data/Kestrav/journals"

# Waits until the game $pid shows a window of the given kind (NORMAL: the bridge, DIALOG: a
# message box), thirty seconds for a loaded machine, and a moment more for it to settle. The
# start-up fly-by's window, laid over the whole screen, does not count.
wait_for_window() {
  local kind=$1 window type
  for _ in $(seq 150); do
    for window in $(xdotool search --onlyvisible --pid "$pid" --name . 2>/dev/null); do
      type=$(xprop -id "$window" _NET_WM_WINDOW_TYPE 2>/dev/null)
      if [[ $type == *"_NET_WM_WINDOW_TYPE_$kind"* && $type != *OVERRIDE* ]]; then
        sleep 1.5
        return 0
      fi
    done
    sleep 0.2
  done
  fail "the game showed no ${kind,,} window in thirty seconds: $(cat "$work/err")"
}

# Starts the game with the arguments given, in the background as $pid, and waits for its bridge.
start_game() {
  "$work/game/kestrav" "$@" 2>>"$work/err" &
  pid=$!
  wait_for_window NORMAL
}

# Kills the game outright, as a crash or a lost power would end it.
kill_game() {
  kill -9 "$pid"
  wait "$pid" 2>/dev/null
}
