#!/usr/bin/env bash
# Printing to PDF from the command line, without a display: a play page file prints its four
# play pages under their title lines, a 120-line tab three sheets of 56 lines, and a bad input
# exits non-zero with its reason and writes nothing.
# Usage: print_pdf.sh <path to strumly>
set -euo pipefail
# shellcheck source=lib/headless.sh
source "$(dirname "$0")/lib/headless.sh" "$@"
pages() { pdfinfo "$1" | awk '/^Pages:/ { print $2 }'; }

if "$STRUMLY" --print-pdf "$work/missing.gpr" "$work/out.pdf" 2> "$work/err"; then fail "a missing file printed"; fi
grep -q "missing.gpr" "$work/err" || fail "the reason does not name the file"
echo "not a song" > "$work/bad.ppf"
if "$STRUMLY" --print-pdf "$work/bad.ppf" "$work/out.pdf" 2> "$work/err"; then fail "a bad file printed"; fi
grep -q "This is not a Strumly PlayPage file" "$work/err" || fail "the reason is not given"
if "$STRUMLY" --print-pdf "$work/bad.xyz" "$work/out.pdf" 2> /dev/null; then fail "an unknown kind printed"; fi
[ ! -e "$work/out.pdf" ] || fail "a failed print left a file"

# An empty 4/4 song: four sheets, the second titled after play page 2 and the file.
play_page_file "$work/song.ppf"
"$STRUMLY" --print-pdf "$work/song.ppf" "$work/song.pdf" || fail "the play page did not print"
[ "$(pages "$work/song.pdf")" = 4 ] || fail "a play page file is not four sheets"
pdftotext -f 2 -l 2 "$work/song.pdf" - | grep -qF "Strumly! Play Page (Page 2):song.ppf" ||
  fail "sheet 2 is not titled after play page 2"

# The sheets are painted as lines and text, not as a picture of the screen: the fonts are in the
# file, the title and the chord's name are text, and no picture is anywhere near a page's size.
play_page_file_with_c "$work/chord.ppf"
"$STRUMLY" --print-pdf "$work/chord.ppf" "$work/chord.pdf" || fail "the chord song did not print"
[ "$(pdffonts "$work/chord.pdf" | tail -n +3 | wc -l)" -ge 1 ] || fail "the PDF holds no fonts"
pdftotext -f 1 -l 1 "$work/chord.pdf" - | grep -qF "Strumly! Play Page (Page 1):chord.ppf" || fail "no title text"
pdftotext -f 1 -l 1 "$work/chord.pdf" - | grep -qx "C major" || fail "the chord's name is not text"
# Every picture left is a small marker, under a tenth of the sheet's width.
big=$(pdfimages -list "$work/chord.pdf" | awk 'NR > 2 && ($4 > 84 || $5 > 84)' | wc -l)
[ "$big" = 0 ] || fail "$big pictures of page size in the PDF"

# 120 lines of tab: sheets of 56, 56 and 8 lines, each under its numbered heading.
for i in $(seq 120); do echo "e|--$i--|"; done > "$work/riff.tab"
"$STRUMLY" --print-pdf "$work/riff.tab" "$work/riff.pdf" || fail "the tab did not print"
[ "$(pages "$work/riff.pdf")" = 3 ] || fail "120 lines are not three sheets"
pdftotext -f 3 -l 3 "$work/riff.pdf" - | grep -qF "Strumly!: riff.tab Page: 3" || fail "sheet 3 has no heading"
pdftotext -f 3 -l 3 "$work/riff.pdf" - | grep -qF -- "--113--" || fail "sheet 3 does not start at line 113"
# Binary data named .tab, or a folder, is refused with its reason; nothing aborts.
head -c 4096 /dev/urandom > "$work/garbage.tab"
if "$STRUMLY" --print-pdf "$work/garbage.tab" "$work/out.pdf" 2> "$work/err"; then fail "binary data printed"; fi
grep -q "garbage.tab is not a text file" "$work/err" || fail "binary data is not refused as such"
mkdir "$work/folder.tab"
run_failing "$STRUMLY" --print-pdf "$work/folder.tab" "$work/out.pdf"
[ "$status" = 1 ] || fail "a folder as input ended with status $status"
grep -q "Cannot open $work/folder.tab: Is a directory." "$work/err" || fail "a folder's reason is not told"
[ ! -e "$work/out.pdf" ] || fail "a refused input left a file"

# The output may not be the input, not even through a link, and nothing extra is ignored.
cp "$work/song.ppf" "$work/kept.ppf"
ln -s "$work/song.ppf" "$work/link.pdf"
for out in "$work/song.ppf" "$work/link.pdf"; do
  if "$STRUMLY" --print-pdf "$work/song.ppf" "$out" 2> "$work/err"; then fail "$out: the input was written over"; fi
  grep -q "is the input file" "$work/err" || fail "$out: the reason is not told"
done
cmp -s "$work/song.ppf" "$work/kept.ppf" || fail "the input was changed"
run_failing "$STRUMLY" --print-pdf "$work/song.ppf" "$work/out.pdf" extra
[ "$status" = 2 ] && grep -q "^Usage:" "$work/err" || fail "an extra argument did not end with the usage"
[ ! -e "$work/out.pdf" ] || fail "a refused command wrote a file"
run_failing "$STRUMLY" --print-pdf "$work/song.ppf" ""
[ "$status" = 2 ] && grep -q "the output file name is empty" "$work/err" || fail "an empty output name is not told"
# A folder as output names it and says why.
if "$STRUMLY" --print-pdf "$work/song.ppf" "$work" 2> "$work/err"; then fail "a folder became a PDF"; fi
grep -q "Could not write $work: Is a directory." "$work/err" || fail "a folder as output is not told"

full_folder
refused_full song.pdf "$STRUMLY" --print-pdf "$work/song.ppf" "$work/full/song.pdf"
echo "PASS"
