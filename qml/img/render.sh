#!/bin/sh
# Renders the scene's pictures from their SVG sources: svg/<name>.svg gives
# <name>.png (window-wide pictures) and svg/<folder>/<name>.svg gives
# <folder>/<name>.png. The PNGs are kept in the repository, so the build
# never needs this script or its tool (rsvg-convert, Debian package
# librsvg2-bin).
set -eu
cd "$(dirname "$0")"
for source in svg/*.svg svg/*/*.svg; do
    target=${source#svg/}
    target=${target%.svg}.png
    mkdir -p "$(dirname "$target")"
    rsvg-convert -o "$target" "$source"
done
