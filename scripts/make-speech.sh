#!/usr/bin/env bash
# Renders the spoken note names into resources/wave: Speak_0..Speak_11 name the twelve pitch
# classes with sharps ("C sharp"), Speak_01, _03, _06, _08, _010 the five black keys with flats
# ("D flat"). The clips are PCM mono 11025 Hz 8 bit, the format the speech player expects.
# Needs espeak-ng and sox.
set -euo pipefail
cd "$(dirname "$0")/.."
OUT=resources/wave
mkdir -p "$OUT"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

render() {  # name text
  espeak-ng -v en-us -s 150 -w "$tmp/raw.wav" "$2"
  # Trim the silence espeak leaves around the word so a fast run of notes stays in step.
  sox "$tmp/raw.wav" -r 11025 -c 1 -b 8 -e unsigned-integer "$OUT/$1.wav" \
      silence 1 0.01 1% reverse silence 1 0.01 1% reverse norm -1
}

sharps=("C" "C sharp" "D" "D sharp" "E" "F" "F sharp" "G" "G sharp" "A" "A sharp" "B")
for n in "${!sharps[@]}"; do render "Speak_$n" "${sharps[$n]}"; done
declare -A flats=([1]="D flat" [3]="E flat" [6]="G flat" [8]="A flat" [10]="B flat")
for n in "${!flats[@]}"; do render "Speak_0$n" "${flats[$n]}"; done
echo "wrote $(ls "$OUT"/Speak_*.wav | wc -l) clips to $OUT"
