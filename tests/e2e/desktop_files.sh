#!/usr/bin/env bash
# The desktop's view of Strumly: the launcher and the software-centre entry validate, the file
# types parse, and the options that answer on the terminal do so without a window.
# Usage: desktop_files.sh <path to strumly>
set -euo pipefail
# shellcheck source=lib/headless.sh
source "$(dirname "$0")/lib/headless.sh" "$@"
ROOT=$(cd "$(dirname "$0")/../.." && pwd)

desktop-file-validate "$ROOT/resources/desktop/strumly.desktop" || fail "the launcher does not validate"
appstreamcli validate --no-net "$ROOT/resources/desktop/io.github.strumly.Strumly.metainfo.xml" ||
  fail "the metainfo does not validate"
for ext in ppf vxt cpf gpr cds spf tab; do
  grep -q "pattern=\"\*\.$ext\"" "$ROOT/resources/desktop/strumly-mime.xml" || fail "no file type for .$ext"
done
# Every screenshot the metainfo lists is one the repository holds.
grep -o 'docs/images/[a-z0-9-]*\.png' "$ROOT/resources/desktop/io.github.strumly.Strumly.metainfo.xml" |
  while read -r shot; do [ -f "$ROOT/$shot" ] || fail "missing screenshot $shot"; done
for size in 16 32 48 64 128 256; do
  [ -f "$ROOT/resources/icons/hicolor/${size}x${size}/apps/strumly.png" ] || fail "no ${size}px icon"
done

# Without a display: any attempt to open a window would fail, so these prove there is none.
"$STRUMLY" --version > "$work/out" || fail "--version failed"
grep -qx "Strumly [0-9]*\.[0-9]*\.[0-9]*" "$work/out" || fail "--version printed: $(cat "$work/out")"
"$STRUMLY" --help > "$work/out" || fail "--help failed"
grep -q -- "--export-midi" "$work/out" || fail "--help does not list the options"
status=0
"$STRUMLY" --no-such-option > "$work/out" 2> "$work/err" || status=$?
[ "$status" -eq 2 ] || fail "an unknown option exited with $status"
grep -q "no-such-option" "$work/err" && grep -q "Usage:" "$work/err" || fail "an unknown option gave no usage"
echo "PASS"
