# shellcheck shell=bash disable=SC2034  # STRUMLY and work are for the scripts that source this
# Sourced by the end-to-end scripts that run the real program's command line without a display
# (any attempt to open a window would fail). Takes the script's arguments: the path to strumly.
# Gives STRUMLY, a scratch folder $work removed on exit, fail, and the files of files.sh.
set -euo pipefail
STRUMLY=${1:?path to the strumly executable}
unset DISPLAY WAYLAND_DISPLAY
export QT_QPA_PLATFORM=
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# shellcheck source=files.sh
source "$(dirname "${BASH_SOURCE[0]}")/files.sh"
