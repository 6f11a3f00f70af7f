#!/usr/bin/env bash
# The real game on the X11 platform, read through the desktop's accessibility bus in a
# session bus of its own, as a screen reader reads it (screen_reader_atspi.py). Skips (77)
# where the accessibility bus or its Python binding is not installed.
# Usage: screen_reader_atspi_test.sh GAME
set -uo pipefail
game=$1
here=$(cd "$(dirname "$0")" && pwd)
launcher=/usr/libexec/at-spi-bus-launcher
for tool in dbus-run-session xvfb-run xdotool; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
[ -x "$launcher" ] || { echo "SKIP: at-spi2-core is not installed"; exit 77; }
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/home"
cp "$game" "$(dirname "$game")/KESTRAV1.rcc" "$(dirname "$game")/KESTRAV2.rcc" "$work/"

cat > "$work/session.sh" <<SESSION
set -u
export HOME=$work/home XDG_RUNTIME_DIR=$work/home XDG_CONFIG_HOME=$work/home XDG_DATA_HOME=$work/home
export QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
$launcher --launch-immediately >/dev/null 2>&1 &
bus=\$!
"$work/kestrav" 2>"$work/game.log" &
played=\$!
/usr/bin/python3 "$here/screen_reader_atspi.py"
read=\$?
kill \$played \$bus 2>/dev/null
wait \$played 2>/dev/null
exit \$read
SESSION

dbus-run-session -- xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" bash "$work/session.sh" 2> >(grep -v 'fd limit' >&2)
