#!/usr/bin/env bash
# Every project header is included by its layer's path, and each layer of the game includes
# only itself and the layers below it: core and sector never see Qt, the headless host and the
# rules never see a window, and nothing in src/ reaches into the tools or the tests.
# Usage: layer_includes_test.sh SOURCE_DIR
set -uo pipefail
cd "$1" || exit 1
status=0

# allowed LAYER PREFIX...: the include paths a layer's sources may use.
allowed() {
  local layer=$1 pattern
  shift
  pattern="^($(IFS='|'; echo "$*"))/"
  while IFS= read -r line; do
    local file=${line%%:*} path=${line#*#include \"}
    path=${path%%\"*}
    if ! [[ $path =~ $pattern ]]; then
      echo "FAIL: $file includes \"$path\", outside what $layer may use"
      status=1
    fi
  done < <(grep -rn '^#include "' "src/$layer" --include='*.h' --include='*.cpp')
}

allowed core core
allowed sector core sector
allowed headless core headless
allowed stations core sector stations libraries/pictures/program
allowed lifecycle core sector stations lifecycle libraries/pictures/program
allowed shell core sector stations lifecycle shell libraries/pictures/program docs/manual

if grep -rn '^#include <Q' src/core src/sector src/headless; then
  echo "FAIL: the rules include Qt (above)"
  status=1
fi

# A bare name would resolve only through a folder of its own on the include path.
if grep -rn '^#include "[^/"]*"' src tools tests bench fuzz libraries docs --include='*.h' --include='*.cpp'; then
  echo "FAIL: project headers included without their path (above)"
  status=1
fi
exit $status
