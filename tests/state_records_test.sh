#!/usr/bin/env bash
# Every piece of the game's changeable state lives in its layer's one record (coreState,
# sectorState, stationState, shellState), so resetting a layer resets all of it. This reads
# the writable data of each layer's library and fails on any variable outside the records:
# a new global, a function's static or a variable in an anonymous namespace. Constants
# are not data: make them const or constexpr. What the compiler and Qt's meta-object code add
# (guard variables, vtables, type information, staticMetaObject, names reserved to the
# implementation such as the sanitizers') is not ours.
# Usage: state_records_test.sh LAYER=LIBRARY...
set -uo pipefail
status=0

record_of() {
  case $1 in
    core) echo coreState ;;
    sector) echo sectorState ;;
    stations) echo stationState ;;
    shell) echo shellState ;;
    *) echo "" ;;  # lifecycle, headless: no state of their own
  esac
}

# "OBJECT<tab>NAME" for each variable in writable data of an archive. objdump -t prints a
# symbol as "ADDRESS FLAGS SECTION SIZE NAME", with "O" among the flags for a variable; the
# read-only-after-relocation sections (.data.rel.ro*) hold constants.
writable_objects() {
  objdump -t -C "$1" | awk -F'\t' '
    /^[^ ]+\.o: +file format/ { object = $1; sub(/: +file format.*$/, "", object); next }
    NF >= 2 && $1 ~ / O / {
      section = $1; sub(/^.* O /, "", section)
      if (section !~ /^(\.bss|\.tbss|\.tdata|\.data|\*COM\*)/ || section ~ /^\.data\.rel\.ro/) next
      name = $2; sub(/^[0-9a-f]+ +/, "", name); sub(/^\.hidden /, "", name)
      print object "\t" name
    }'
}

for argument in "$@"; do
  layer=${argument%%=*} library=${argument#*=}
  record=$(record_of "$layer")
  [ -f "$library" ] || { echo "FAIL: no library $library"; status=1; continue; }
  while IFS=$'\t' read -r object name; do
    case $name in
      "$record" | "guard variable for "* | *staticMetaObject | "vtable for "* | "typeinfo "* | DW.ref.* | \
        QtPrivate::* | *qt_meta_* | *qt_incomplete_metaTypeArray* | __* | .L*) continue ;;
    esac
    echo "FAIL: $layer: $name in $object is changeable state outside ${record:-any record}"
    status=1
  done < <(writable_objects "$library")
done

[ "$status" -eq 0 ] && echo "all the game's changeable state is in its layers' records"
exit "$status"
