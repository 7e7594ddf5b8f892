#!/usr/bin/env bash
# The command-line listeners: a plucked A3 (220 Hz, made by sox, not by the listener) is heard
# at 0 ms as A3 with a few cents at most; a struck chord's line has the contract's shape; missing,
# foreign, non-PCM and empty files fail with the reason.
# Usage: hear_cli.sh <path to strumly>
set -euo pipefail
# shellcheck source=lib/headless.sh
source "$(dirname "$0")/lib/headless.sh" "$@"

sox -n -r 44100 -b 24 -c 2 "$work/a3.wav" synth 1.5 pluck A3
"$STRUMLY" --hear-notes "$work/a3.wav" > "$work/out" || fail "--hear-notes failed"
read -r ms note cents < <(head -1 "$work/out")
[ "$ms" = 0 ] && [ "$note" = A3 ] || fail "the plucked A3 was heard as: $(head -1 "$work/out")"
[ "${cents#-}" -le 5 ] || fail "the plucked A3 is $cents cents off"

sox -n -r 44100 -b 16 -c 3 "$work/three.wav" synth 1.5 pluck C3 pluck E3 pluck G3
sox "$work/three.wav" -c 1 "$work/chord.wav" remix -
"$STRUMLY" --hear-chords "$work/chord.wav" > "$work/out" || fail "--hear-chords failed"
grep -Eq '^0( (C|C#|D|D#|E|F|F#|G|G#|A|A#|B))+( .*)?$' "$work/out" || fail "--hear-chords printed: $(cat "$work/out")"

refused() {
  local file=$1 reason=$2 status=0
  "$STRUMLY" --hear-notes "$file" > "$work/out" 2> "$work/err" || status=$?
  [ "$status" -eq 1 ] || fail "$file: exit status $status"
  grep -q "$reason" "$work/err" || fail "$file: the reason is not told: $(cat "$work/err")"
  [ ! -s "$work/out" ] || fail "$file: printed $(cat "$work/out")"
}
refused "$work/missing.wav" "Cannot open $work/missing.wav"
head -c 200 /dev/urandom > "$work/noise.wav"
refused "$work/noise.wav" "noise.wav: is not a WAV file"
sox "$work/a3.wav" -e a-law "$work/alaw.wav"
refused "$work/alaw.wav" "alaw.wav: is not PCM"
sox -n -r 44100 -b 16 "$work/empty.wav" trim 0 0
refused "$work/empty.wav" "empty.wav: has no samples"
echo "hear_cli: ok"
