#!/usr/bin/env bash
# The command-line exports of the real program, without a display: a bad input exits non-zero
# with its reason and writes nothing; a play page file becomes a MIDI file and a WAV file.
# Usage: export.sh <path to strumly>
set -euo pipefail
# shellcheck source=lib/headless.sh
source "$(dirname "$0")/lib/headless.sh" "$@"

if "$STRUMLY" --export-midi "$work/missing.ppf" "$work/out.mid" 2> "$work/err"; then fail "a missing file exported"; fi
grep -q "missing.ppf" "$work/err" || fail "the reason does not name the file"
[ ! -e "$work/out.mid" ] || fail "a failed export left a file"
echo "not a song" > "$work/bad.ppf"
if "$STRUMLY" --export-wav "$work/bad.ppf" "$work/out.wav" 2> "$work/err"; then fail "a bad file exported"; fi
grep -q "This is not a Strumly PlayPage file" "$work/err" || fail "the reason is not given"
[ ! -e "$work/out.wav" ] || fail "a failed export left a file"

# An empty 4/4 song at 100 bpm: a MIDI file with its tempo, and a WAV file of sound.
play_page_file "$work/song.ppf"
"$STRUMLY" --export-midi "$work/song.ppf" "$work/out.mid" || fail "the MIDI export failed"
[ "$(head -c 4 "$work/out.mid")" = "MThd" ] || fail "not a MIDI file"
# 100 beats per minute: 600000 microseconds a beat, 09 27 C0 in the tempo event.
od -An -tx1 "$work/out.mid" | tr -d '\n' | grep -q "ff 51 03 09 27 c0" || fail "the tempo is not 100 bpm"
"$STRUMLY" --export-wav "$work/song.ppf" "$work/out.wav" || fail "the WAV export failed"
[ "$(head -c 4 "$work/out.wav")" = "RIFF" ] || fail "not a WAV file"
# The output is never the input; a raw tab is named for what it is.
cp "$work/song.ppf" "$work/kept.ppf"
if "$STRUMLY" --export-midi "$work/song.ppf" "$work/song.ppf" 2> "$work/err"; then fail "the song was written over"; fi
grep -q "is the input file" "$work/err" || fail "the reason is not told"
cmp -s "$work/song.ppf" "$work/kept.ppf" || fail "the input was changed"
printf 'e|-0-|\nB|-1-|\nG|-0-|\nD|-2-|\nA|-3-|\nE|---|\n' > "$work/riff.tab"
if "$STRUMLY" --export-midi "$work/riff.tab" "$work/riff.mid" 2> "$work/err"; then fail "a raw tab exported"; fi
grep -q "riff.tab is raw tab; convert it into a tab page first" "$work/err" || fail "a raw tab is not named"

# A full disk: the system's reason, and no file.
full_folder
refused_full out.mid "$STRUMLY" --export-midi "$work/song.ppf" "$work/full/out.mid"
refused_full out.wav "$STRUMLY" --export-wav "$work/song.ppf" "$work/full/out.wav"
echo "PASS"
