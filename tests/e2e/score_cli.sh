#!/usr/bin/env bash
# Play-along scoring from the command line: a song's own WAV export, taken as the student's take,
# is one right strum near its beat; silence is one missed strum; wrong arguments exit 2, and a
# missing, non-PCM or empty take or a song without chords exits 1 with the reason.
# Usage: score_cli.sh <path to strumly>
set -euo pipefail
# shellcheck source=lib/headless.sh
source "$(dirname "$0")/lib/headless.sh" "$@"

play_page_file_with_c "$work/c.ppf"
"$STRUMLY" --export-wav "$work/c.ppf" "$work/take.wav" || fail "the WAV export failed"
"$STRUMLY" --score "$work/c.ppf" "$work/take.wav" > "$work/out" || fail "--score failed"
[ "$(wc -l < "$work/out")" -eq 2 ] || fail "not one line and the summary: $(cat "$work/out")"
read -r place chord kind verdict offset < <(head -1 "$work/out")
[ "$place $chord $kind $verdict" = "1.1 C major right" ] || fail "the strum was judged: $(head -1 "$work/out")"
offset=${offset#+}
[ "${offset#-}" -le 30 ] || fail "the exported strum is $offset ms off its beat"
grep -Eq '^1 of 1 chord right, 0 partly, 0 missed; on average ' "$work/out" || fail "summary: $(tail -1 "$work/out")"

# The take heard 100 ms late, and the latency given: still right.
sox "$work/take.wav" "$work/late.wav" pad 0.1 0
"$STRUMLY" --score "$work/c.ppf" "$work/late.wav" --latency 100 | head -1 | grep -q '^1.1 C major right ' ||
  fail "the late take with its latency was not right"

sox -n -r 44100 -b 16 -c 1 "$work/silence.wav" trim 0 3
"$STRUMLY" --score "$work/c.ppf" "$work/silence.wav" > "$work/out" || fail "--score of silence failed"
[ "$(cat "$work/out")" = $'1.1 C major missed -\n0 of 1 chord right, 0 partly, 1 missed' ] ||
  fail "silence was judged: $(cat "$work/out")"

refused() {
  local want=$1 reason=$2 status=0
  shift 2
  "$STRUMLY" --score "$@" > "$work/out" 2> "$work/err" || status=$?
  [ "$status" -eq "$want" ] || fail "$*: exit status $status"
  grep -q -- "$reason" "$work/err" || fail "$*: the reason is not told: $(cat "$work/err")"
  [ ! -s "$work/out" ] || fail "$*: printed $(cat "$work/out")"
}
refused 2 "--latency takes a whole number" "$work/c.ppf" "$work/take.wav" --latency soon
refused 2 "--latency takes a whole number" "$work/c.ppf" "$work/take.wav" --latency
refused 2 "takes a song file and a WAV file" "$work/c.ppf"
refused 1 "Cannot open $work/missing.wav" "$work/c.ppf" "$work/missing.wav"
refused 1 "Cannot read $work/missing.ppf" "$work/missing.ppf" "$work/take.wav"
sox "$work/take.wav" -e a-law "$work/alaw.wav"
refused 1 "alaw.wav: is not PCM" "$work/c.ppf" "$work/alaw.wav"
sox -n -r 44100 -b 16 "$work/empty.wav" trim 0 0
refused 1 "empty.wav: has no samples" "$work/c.ppf" "$work/empty.wav"
play_page_file "$work/none.ppf"
refused 1 "none.ppf: the song has no chords to score" "$work/none.ppf" "$work/take.wav"
echo "score_cli: ok"
