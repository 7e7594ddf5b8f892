# shellcheck shell=bash disable=SC2034  # STRUMLY and work are for the scripts that source this
# Sourced by the end-to-end scripts that run the real program's command line without a display
# (any attempt to open a window would fail). Takes the script's arguments: the path to strumly.
# Gives STRUMLY, a scratch folder $work removed on exit, fail, run_failing, and the files of files.sh.
set -euo pipefail
STRUMLY=${1:?path to the strumly executable}
unset DISPLAY WAYLAND_DISPLAY
export QT_QPA_PLATFORM=
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
# Runs a command that is to fail: its error output goes to "$work/err", its exit status to $status.
run_failing() {
  status=0
  "$@" 2> "$work/err" || status=$?
}

# shellcheck source=files.sh
source "$(dirname "${BASH_SOURCE[0]}")/files.sh"

# A folder on a small file system that is already full: "$work/full". The tests run as root, and
# a machine that cannot mount one fails the test rather than skipping what it checks.
full_folder() {
  mkdir -p "$work/full"
  mount -t tmpfs -o size=64k tmpfs "$work/full" || fail "cannot mount a small file system to fill"
  trap 'umount "$work/full"; rm -rf "$work"' EXIT
  cat /dev/zero > "$work/full/filler" 2> /dev/null || true
}
# Whether a command failed for a full disk, naming the file the user gave, and left nothing there.
refused_full() {
  local name=$1
  shift
  if "$@" 2> "$work/err"; then fail "$name: a write to a full disk succeeded"; fi
  grep -q "Could not write $work/full/$name: No space left on device." "$work/err" ||
    fail "$name: the reason is not told: $(cat "$work/err")"
  [ "$(ls "$work/full")" = filler ] || fail "$name: a failed write left a file: $(ls "$work/full")"
}
