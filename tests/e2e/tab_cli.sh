#!/usr/bin/env bash
# The tab commands of the real program, without a display: a raw tab file becomes a tab page file,
# a text without tab is refused and writes nothing, and the tab page plays into a MIDI file whose
# note-ons all find their note-offs.
# Usage: tab_cli.sh <path to strumly>
set -euo pipefail
# shellcheck source=lib/headless.sh
source "$(dirname "$0")/lib/headless.sh" "$@"

printf 'Intro\r\ne|-0---3-|\r\nB|---1---|\r\nG|-------|\r\nD|-12----|\r\nA|-------|\r\nD|-0-----|\r\n' > "$work/song.tab"
"$STRUMLY" --convert-tab "$work/song.tab" "$work/song.vxt" || fail "the conversion failed"
[ "$(head -n 1 "$work/song.vxt")" = $'kv6.50TabPage\r' ] || fail "not a tab page file"
# Tempo 100, sustain 11, slice 60, Loop False, markers 0 0 11 0, then the three check boxes.
[ "$(sed -n 2,12p "$work/song.vxt" | tr -d '\r' | tr '\n' ' ')" = "100 11 60 False 0 0 11 0 False True True " ] ||
  fail "the header is not the page's defaults"
[ "$(sed -n 17p "$work/song.vxt")" = $'\r' ] || fail "the block does not start with its empty line"
[ "$(wc -l < "$work/song.vxt")" = 23 ] || fail "the page is not sixteen header lines and one block"

echo "just words, no tab at all" > "$work/words.tab"
if "$STRUMLY" --convert-tab "$work/words.tab" "$work/words.vxt" 2> "$work/err"; then fail "a text without tab converted"; fi
grep -q "no tab found" "$work/err" || fail "the reason is not given"
[ ! -e "$work/words.vxt" ] || fail "a refused conversion wrote a file"

"$STRUMLY" --export-midi "$work/song.vxt" "$work/song.mid" || fail "the MIDI export failed"
[ "$(head -c 4 "$work/song.mid")" = "MThd" ] || fail "not a MIDI file"
python3 - "$work/song.mid" <<'PY' || fail "the MIDI file's notes do not pair up"
import sys
data = open(sys.argv[1], "rb").read()
track = data[data.index(b"MTrk") + 8:]
i, sounding, ons = 0, {}, 0
def vlq():
    global i
    v = 0
    while True:
        b = track[i]; i += 1
        v = (v << 7) | (b & 0x7F)
        if b < 0x80: return v
while i < len(track):
    vlq()
    status = track[i]; i += 1
    if status == 0xFF:
        kind = track[i]; i += 1
        length = vlq(); i += length
        if kind == 0x2F: break
        continue
    kind = status & 0xF0
    if kind in (0xC0, 0xD0):
        i += 1
        continue
    note, velocity = track[i], track[i + 1]; i += 2
    if kind == 0x90 and velocity > 0:
        ons += 1
        sounding[note] = sounding.get(note, 0) + 1
    elif kind == 0x80 or kind == 0x90:
        sounding[note] = 0
# Five notes: e 0 and 3, B 1, D 12 and the low D 0 (drop D), each played once.
assert ons == 5, ons
assert all(count == 0 for count in sounding.values()), sounding
PY
"$STRUMLY" --export-wav "$work/song.vxt" "$work/song.wav" || fail "the WAV export of a tab page failed"
[ "$(head -c 4 "$work/song.wav")" = "RIFF" ] || fail "not a WAV file"

# A folder, binary data or the input itself: refused with the reason, never an abort.
mkdir "$work/folder"
run_failing "$STRUMLY" --convert-tab "$work/folder" "$work/out.vxt"
[ "$status" = 1 ] || fail "a folder as input ended with status $status"
grep -q "Cannot open $work/folder: Is a directory." "$work/err" || fail "a folder's reason is not told"
printf 'e|-0-\x01\x02\x03\x04\x05\x06\x07\x08\x0e\x0f\x10\x11\x12\n' > "$work/controls.tab"
if "$STRUMLY" --convert-tab "$work/controls.tab" "$work/out.vxt" 2> "$work/err"; then fail "control characters converted"; fi
grep -q "controls.tab is not a text file" "$work/err" || fail "control characters are not refused as such"
cp "$work/song.tab" "$work/kept.tab"
if "$STRUMLY" --convert-tab "$work/song.tab" "$work/song.tab" 2> "$work/err"; then fail "the raw tab was written over"; fi
cmp -s "$work/song.tab" "$work/kept.tab" || fail "the input was changed"
[ ! -e "$work/out.vxt" ] || fail "a refused conversion wrote a file"

full_folder
refused_full song.vxt "$STRUMLY" --convert-tab "$work/song.tab" "$work/full/song.vxt"
echo "PASS"
