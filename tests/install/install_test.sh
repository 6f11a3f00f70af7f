#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what a desktop gets: the files in their
# places, a menu entry and description the validators accept, a file type that knows saved
# games, and a program that starts from there on its own.
#
#   install_test.sh <build folder> <scratch prefix>
set -euo pipefail

build=$1
prefix=$2
id=io.github.kestrav.Kestrav
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" > /dev/null

for file in bin/kestrav bin/kestrav-tool share/kestrav/KESTRAV1.rcc share/kestrav/KESTRAV2.rcc \
            share/applications/$id.desktop share/metainfo/$id.metainfo.xml share/mime/packages/$id.xml; do
  [ -f "$prefix/$file" ] || fail "$file is not installed"
done
[ -x "$prefix/bin/kestrav" ] || fail "bin/kestrav cannot be run"
for size in 16 24 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
  if [ ! -f "$icon" ]; then fail "no ${size}px icon"; continue; fi
  got=$(identify -format '%wx%h' "$icon")
  [ "$got" = "${size}x${size}" ] || fail "the ${size}px icon is $got"
done

desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
grep -qx 'Exec=kestrav %f' "$prefix/share/applications/$id.desktop" || fail "the entry does not pass the file on"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" > /dev/null || fail "appstreamcli validate"

# The file type, compiled as the desktop compiles it: by name and by the first bytes.
update-mime-database "$prefix/share/mime"
grep -q '^application/x-kestrav-saved-game:\*\.gam$' "$prefix/share/mime/globs" || fail "no *.gam glob"
grep -qa 'application/x-kestrav-saved-game' "$prefix/share/mime/magic" || fail "no magic for saved games"
grep -q 'MimeType=application/x-kestrav-saved-game;' "$prefix/share/applications/$id.desktop" ||
  fail "the entry does not open saved games"

# The installed program answers on a terminal without any display.
version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/kestrav" --version) || fail "--version failed"
[[ $version == "Kestrav "* ]] || fail "--version said: $version"
"$prefix/bin/kestrav" --no-such-option > /dev/null 2>&1 && fail "an unknown option was accepted"

# A real start, with nothing beside the program but its settings: it finds its bundles under
# ../share/kestrav, opens the bridge and listens for a second start, which hands over to it
# and leaves. A missing bundle would stop it at an error box before it ever listens.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -m 700 "$home/runtime"
export HOME=$home XDG_RUNTIME_DIR=$home/runtime XDG_CONFIG_HOME=$home/config QT_QPA_PLATFORM=offscreen
"$prefix/bin/kestrav" > "$home/first.log" 2>&1 &
first=$!
listening=""
for _ in $(seq 1 200); do
  if compgen -G "$XDG_RUNTIME_DIR/kestrav-*" > /dev/null; then listening=yes; break; fi
  kill -0 "$first" 2> /dev/null || break
  sleep 0.1
done
if [ -n "$listening" ]; then
  timeout 20 "$prefix/bin/kestrav" || fail "a second start did not hand over to the first"
  kill -0 "$first" 2> /dev/null || fail "the first program ended when the second started"
else
  fail "the installed program did not come up"
  cat "$home/first.log" >&2
fi
kill "$first" 2> /dev/null || true
wait "$first" 2> /dev/null || true

[ "$failures" -eq 0 ] && echo "installed tree OK"
exit "$failures"
