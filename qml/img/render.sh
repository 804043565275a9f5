#!/bin/sh
# Renders the scene's pictures from their SVG sources. The PNGs are kept in
# the repository, so the build never needs this script or its tool
# (rsvg-convert, Debian package librsvg2-bin).
set -eu
cd "$(dirname "$0")"
for name in slide dropBtn dropBtnU checkBtn; do
    rsvg-convert -o "index/$name.png" "svg/$name.svg"
done
mkdir -p macros
for name in delay keyDown keyUp mouseDown mouseUp; do
    rsvg-convert -o "macros/$name.png" "svg/$name.svg"
done
for name in background titleBar titleLogo; do
    rsvg-convert -o "$name.png" "svg/$name.svg"
done
