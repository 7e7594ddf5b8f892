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
