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

# A damaged file puts a message up in the first copy; the connection that brought it is done
# with by then, so the second copy ends, the first lives on and still takes the next start.
printf 'not a tab page' > "$work/Damaged.vxt"
timeout 20 "$STRUMLY" --no-splash "$work/Damaged.vxt" || fail "the damaged file's hand-over did not end"
timeout 20 "$STRUMLY" --no-splash "$work/Song.ppf" || fail "a hand-over behind a message did not end"
sleep 0.5
kill -0 "$first" || fail "the first copy ended after a damaged file"

# A copy killed outright leaves its socket behind; the next start must still become the first.
kill -9 "$first"
wait "$first" 2>/dev/null || true
first=""
: > "$STRUMLY_TEST_LOG"
"$STRUMLY" --no-splash &
first=$!
wait_for "main window shown" 20 || fail "a stale socket kept the program from starting"

# With the splash: a start while it shows hands its file over, and the window opens it once it
# is up, after the file the first copy was started with.
kill "$first"
wait "$first" 2>/dev/null || true
: > "$STRUMLY_TEST_LOG"
cp "$work/Song.ppf" "$work/Other.ppf"
STRUMLY_NO_SPLASH="" "$STRUMLY" "$work/Song.ppf" &
first=$!
wait_for "splash shown" 20 || fail "the splash did not show"
timeout 20 "$STRUMLY" --no-splash "$work/Other.ppf" || fail "the hand-over during the splash did not end"
grep -q "main window shown" "$STRUMLY_TEST_LOG" && fail "the splash was gone before the hand-over"
wait_for "received: $work/Other.ppf opened=1" 20 || fail "a file handed over during the splash was dropped"
grep "received:" "$STRUMLY_TEST_LOG" | head -1 | grep -q "Song.ppf opened=1" ||
  fail "the start's own file did not come before the handed-over one"
echo "PASS"
