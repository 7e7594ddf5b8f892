#!/usr/bin/env bash
# Two copies of the real program: the second hands its file to the first and ends without a
# window; the first receives it. Also: a socket left by a killed copy does not lock the next out.
# Usage: single_instance.sh <path to strumly>
set -euo pipefail
# shellcheck source=lib/files.sh
source "$(dirname "$0")/lib/files.sh"
STRUMLY=${1:?path to the strumly executable}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export STRUMLY_NO_SPLASH=1
export STRUMLY_INSTANCE_SUFFIX=".e2e.$$"
work=$(mktemp -d)
export STRUMLY_TEST_LOG=$work/log.txt
first=""
cleanup() {
  [ -n "$first" ] && kill "$first" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*"; echo "--- log"; cat "$STRUMLY_TEST_LOG" 2>/dev/null || true; exit 1; }
wait_for() {  # pattern, seconds
  for _ in $(seq 1 $(( $2 * 10 ))); do
    grep -q "$1" "$STRUMLY_TEST_LOG" 2>/dev/null && return 0
    sleep 0.1
  done
  return 1
}

"$STRUMLY" --no-splash &
first=$!
wait_for "main window shown" 20 || fail "the first copy did not show its window"

# A real play page file (4/4, strum -300, 100 bpm, 288 free slots), so the first copy opens it
# without a message box standing in the way.
play_page_file "$work/Song.ppf"
[ "$(stat -c %s "$work/Song.ppf")" -eq 25432 ] || fail "the test file is not a play page file"
start=$(date +%s)
timeout 20 "$STRUMLY" --no-splash "$work/Song.ppf" || fail "the second copy did not end cleanly"
[ $(( $(date +%s) - start )) -lt 15 ] || fail "the second copy took too long to hand over"
grep -q "handed over: $work/Song.ppf" "$STRUMLY_TEST_LOG" || fail "the second copy did not hand over"
[ "$(grep -c "main window shown" "$STRUMLY_TEST_LOG")" -eq 1 ] || fail "the second copy showed a window"
wait_for "received: $work/Song.ppf opened=1" 10 || fail "the first copy did not open the file"
kill -0 "$first" || fail "the first copy ended"

# A copy killed outright leaves its socket behind; the next start must still become the first.
kill -9 "$first"
wait "$first" 2>/dev/null || true
first=""
: > "$STRUMLY_TEST_LOG"
"$STRUMLY" --no-splash &
first=$!
wait_for "main window shown" 20 || fail "a stale socket kept the program from starting"
echo "PASS"
