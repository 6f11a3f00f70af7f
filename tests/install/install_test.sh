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

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

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

# The file type and the menu entry, compiled as a desktop compiles them, then asked the way a
# file manager asks: what is this file, and which program opens it?
XDG_DATA_HOME=$prefix/share update-mime-database "$prefix/share/mime"
update-desktop-database "$prefix/share/applications"
LC_ALL=C grep -qaP '>0=\x00\x04KVF\x00' "$prefix/share/mime/magic" || fail "no magic for saved games"
printf 'KVF\000and the rest of a game' > "$scratch/voyage"
printf 'KVF\000' > "$scratch/LOG.GAM"
printf 'not a game' > "$scratch/notes.gam"
for file in voyage LOG.GAM notes.gam; do
  type=$(XDG_DATA_HOME=$prefix/share gio info -a standard::content-type "$scratch/$file" | sed -n 's/.*content-type: //p')
  [ "$type" = application/x-kestrav-saved-game ] || fail "$file is taken for $type"
done
opener=$(XDG_DATA_HOME=$prefix/share PATH=$prefix/bin:$PATH gio mime application/x-kestrav-saved-game)
grep -q "^Default application.*$id.desktop" <<< "$opener" || fail "saved games do not open in Kestrav"

# The installed program answers on a terminal without any display.
version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/kestrav" --version) || fail "--version failed"
[[ $version == "Kestrav "* ]] || fail "--version said: $version"
if QT_QPA_PLATFORM=offscreen "$prefix/bin/kestrav" --no-such-option > /dev/null 2> "$scratch/usage"; then
  fail "an unknown option was accepted"
fi
grep -q '^Usage: kestrav ' "$scratch/usage" || fail "an unknown option did not show the usage"

# The installed tool finds the mission orders in the picture bundle under ../share/kestrav.
"$prefix/bin/kestrav-tool" new --seed 1 --skill 0 --out "$scratch/mission.gam" > /dev/null \
  || fail "the installed kestrav-tool cannot make a mission"

# A real start, with nothing beside the program but its settings: it finds its bundles under
# ../share/kestrav, opens the bridge and listens for a second start, which hands over to it
# and leaves. A missing bundle would stop it at an error box before it ever listens.
home=$scratch/home
mkdir -p "$home"
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
