#!/bin/sh
# Regenerates every picture of quillmere in assets/pictures/ (1x and @2x),
# the desktop icon in assets/icons/ and the overview docs/contact-sheet.png, from the drawings in assets/src/
# and glyphs of the Noto Color Emoji font.  Deterministic: a re-run gives
# byte-identical files.
#
# Usage:   assets/make-pictures.sh          (from anywhere)
#          assets/make-pictures.sh --install   also apt-get installs what is missing
#
# Debian packages: python3 python3-pil python3-fonttools librsvg2-bin fonts-noto-color-emoji
#                  fonts-lobster fonts-dejavu-core
set -eu
here=$(cd "$(dirname "$0")" && pwd)
packages="python3 python3-pil python3-fonttools librsvg2-bin fonts-noto-color-emoji fonts-lobster fonts-dejavu-core"

missing=""
for p in $packages; do
    dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
done
if [ -n "$missing" ]; then
    if [ "${1:-}" = "--install" ]; then
        apt-get update && apt-get install -y $missing
    else
        echo "missing Debian packages:$missing" >&2
        echo "install them (apt-get install$missing) or run: $0 --install" >&2
        exit 1
    fi
fi
# Debian's python3 (with python3-pil), not whatever python3 comes first on PATH.
exec /usr/bin/python3 "$here/make_pictures.py"
