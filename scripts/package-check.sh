#!/usr/bin/env bash
# Builds the Debian package from an already built tree (build/ or $1), installs it the way a user
# would (`apt-get install ./strumly_*.deb`), runs the installed program as an ordinary user with a
# fresh home (--version and one --print-pdf of a shipped tab file), and removes the package again.
# Any failure fails the script; the package is removed on the way out whatever happened.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=$(realpath "${1:-build}")
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
CHECK_USER=strumly-check
fail() { echo "package check: $*" >&2; exit 1; }

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD_DIR/CMakeCache.txt")
[ -n "$version" ] || fail "no configured build in $BUILD_DIR"
deb="$BUILD_DIR/strumly_${version}_$(dpkg --print-architecture).deb"
rm -f "$BUILD_DIR"/strumly_*.deb
(cd "$BUILD_DIR" && cpack -G DEB >/dev/null)
[ -s "$deb" ] || fail "cpack made no $(basename "$deb")"
echo "built $(basename "$deb") ($(du -k "$deb" | cut -f1) KiB)"
echo "depends: $(dpkg-deb -f "$deb" Depends)"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "shlibdeps found no Qt dependency"

contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for path in ./usr/bin/strumly ./usr/share/strumly/Kv.ini ./usr/share/strumly/kvs.dat \
  ./usr/share/applications/strumly.desktop ./usr/share/icons/hicolor/scalable/apps/strumly.svg \
  ./usr/share/icons/hicolor/48x48/apps/strumly.png ./usr/share/mime/packages/strumly.xml \
  ./usr/share/metainfo/io.github.strumly.Strumly.metainfo.xml ./usr/share/man/man1/strumly.1 \
  ./usr/lib/udev/rules.d/70-strumly-fretlight.rules; do
  grep -qxF "$path" <<<"$contents" || fail "$path is not in the package"
done

if dpkg-query -W -f='${Status}' strumly 2>/dev/null | grep -q "install ok installed"; then
  echo "note: replacing the strumly package already installed; it is removed afterwards"
fi
home=""
cleanup() {
  $SUDO apt-get remove -y -qq strumly >/dev/null 2>&1 || true
  if [ -n "$home" ]; then $SUDO rm -rf "$home"; fi
}
trap cleanup EXIT
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get install -y -qq "$deb" >/dev/null
[ -x /usr/bin/strumly ] || fail "/usr/bin/strumly is not installed"

id "$CHECK_USER" >/dev/null 2>&1 || $SUDO useradd --system --no-create-home --shell /usr/sbin/nologin "$CHECK_USER"
home=$(mktemp -d /tmp/strumly-check-home.XXXXXX)
mkdir -m 700 "$home/run"
$SUDO chown -R "$CHECK_USER:" "$home"
as_user() {
  $SUDO runuser -u "$CHECK_USER" -- env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$home/run" \
    QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 "$@"
}

answer=$(as_user /usr/bin/strumly --version)
[ "$answer" = "Strumly $version" ] || fail "--version said '$answer', not 'Strumly $version'"

pdf="$home/tutorial.pdf"
as_user /usr/bin/strumly --print-pdf "/usr/share/strumly/Tablature Tutorial.tab" "$pdf"
[ -s "$pdf" ] || fail "--print-pdf wrote no PDF"
[ "$(head -c 5 "$pdf")" = "%PDF-" ] || fail "--print-pdf wrote something that is not a PDF"
pages=$(pdfinfo "$pdf" | sed -n 's/^Pages: *//p')
[ "${pages:-0}" -ge 1 ] || fail "the PDF has no page"
# The installed copy found its data in /usr/share/strumly: it seeded the user's settings from there.
[ -s "$home/.config/Strumly/Kv.ini" ] || fail "the installed copy did not find /usr/share/strumly"
$SUDO dpkg --verify strumly || fail "the installed files changed while the program ran"
echo "installed program: --version and --print-pdf ($pages pages, $(du -k "$pdf" | cut -f1) KiB) as $CHECK_USER"

$SUDO apt-get remove -y -qq strumly >/dev/null
[ ! -e /usr/bin/strumly ] || fail "apt-get remove left /usr/bin/strumly"
echo "package check passed: built, installed, run and removed"
