#!/usr/bin/env bash
# Checks the Debian package scripts/package built: exactly the files an installed game needs in
# Debian's places, dependencies on the runtime libraries and fonts but nothing of the build,
# the version the program itself reports, and a program and tool that work from the unpacked
# tree.
#
#   package_test.sh <kestrav_VERSION_amd64.deb>
set -euo pipefail

deb=$1
id=io.github.kestrav.Kestrav
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

expected=(
  usr/games/kestrav usr/games/kestrav-tool
  usr/share/kestrav/KESTRAV1.rcc usr/share/kestrav/KESTRAV2.rcc
  usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml usr/share/mime/packages/$id.xml
  usr/share/man/man6/kestrav.6.gz usr/share/man/man6/kestrav-tool.6.gz
  usr/share/doc/kestrav/copyright usr/share/doc/kestrav/changelog.gz
)
for size in 16 24 32 48 64 128 256; do expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$id.png"); done
dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | sort > "$scratch/files"
printf '%s\n' "${expected[@]}" | sort > "$scratch/expected"
diff -u "$scratch/expected" "$scratch/files" || fail "the package holds other files than the installed game"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in fonts-liberation libqt6widgets6 libqt6multimedia6 libqt6network6; do
  grep -qE "(^|, )$needed( |,|$)" <<< "$depends" || fail "the package does not depend on $needed"
done
if grep -qE -- '-dev( |,|$)|(^|, )(gcc|g\+\+|cpp|clang|cmake|ninja-build|build-essential)' <<< "$depends"; then
  fail "the package depends on part of the build"
fi
[ "$(dpkg-deb -f "$deb" Architecture)" = amd64 ] || fail "the package is not for amd64"

dpkg-deb -x "$deb" "$scratch/root"
version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$scratch/root/usr/games/kestrav" --version) || fail "--version failed"
[ "$version" = "Kestrav $(dpkg-deb -f "$deb" Version)" ] || fail "the program says '$version', the package $(dpkg-deb -f "$deb" Version)"
"$scratch/root/usr/games/kestrav-tool" new --seed 1 --skill 0 --out "$scratch/mission.gam" > /dev/null \
  || fail "the packaged kestrav-tool cannot make a mission"

[ "$failures" -eq 0 ] && echo "package OK"
exit "$failures"
