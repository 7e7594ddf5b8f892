# shellcheck shell=bash
# Sourced by the end-to-end scripts: input files written byte by byte.

# An empty 4/4 play page file at 100 bpm, strum -300, 288 free slots: 25432 bytes.
play_page_file() {
  {
    printf '\x00\x0bkv6PlayPage'; head -c 4 /dev/zero
    printf '\x04-300'; head -c 11 /dev/zero
    head -c 52 /dev/zero; printf '\x64\x00\x00'
    for _ in $(seq 288); do printf '\x01'; head -c 87 /dev/zero; done
  } > "$1"
}

# The same song with an open C major chord ("C major") in its first slot.
play_page_file_with_c() {
  {
    printf '\x00\x0bkv6PlayPage'; head -c 4 /dev/zero
    printf '\x04-300'; head -c 11 /dev/zero
    head -c 52 /dev/zero; printf '\x64\x00\x00'
    # empty, name, tuning name, formula (each length-prefixed in its fixed field)
    printf '\x00\x05major'; head -c 10 /dev/zero
    printf '\x08Standard'; head -c 7 /dev/zero
    printf '\x051 3 5'; head -c 15 /dev/zero
    printf '\x40\x3b\x37\x32\x2d\x28'                          # tuning E B G D A E
    printf '\x00\x00\x01\x01\x00\x00\x02\x02\x03\x03\x00\x05'  # fret, finger per string
    printf '\x00\x04\x07\xff\xff\xff\xff'                      # intervals
    printf '\x40\x3c\x37\x34\x30\x00'                          # pitches, low E not played
    printf '\x01\x00\x18'                                      # begin fret, root C, bass C
    for _ in $(seq 287); do printf '\x01'; head -c 87 /dev/zero; done
  } > "$1"
}
