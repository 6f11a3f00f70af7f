# Shared by the kestrav-tool end-to-end scripts: a scratch folder, a failure count and
# a way to run the tool and check its exit status. Source it after setting `tool`.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

expect_status() {  # expected-status description command...
  local expected=$1 what=$2
  shift 2
  "$@" >"$work/out" 2>"$work/err"
  local status=$?
  [ "$status" -eq "$expected" ] || fail "$what: status $status, expected $expected"
}
