#!/bin/sh
# Renders the scene's pictures from their SVG sources. The PNGs are kept in
# the repository, so the build never needs this script or its tool
# (rsvg-convert, Debian package librsvg2-bin).
set -eu
cd "$(dirname "$0")"
for name in slide dropBtn dropBtnU checkBtn; do
    rsvg-convert -o "index/$name.png" "svg/$name.svg"
done
for name in background titleBar titleLogo; do
    rsvg-convert -o "$name.png" "svg/$name.svg"
done
# The performance and lighting pages: each folder gets its own copy, so that
# a skin can redraw one page's picture alone.
for folder in dpiSetting mouseRate lightControl; do
    rsvg-convert -o "$folder/restore.png" svg/perf/restore.svg
done
rsvg-convert -o mouseRate/close.png svg/perf/close.svg
rsvg-convert -o mouseRate/pointer.png svg/perf/pointer.svg
rsvg-convert -o scrollRate/wheel.png svg/perf/wheel.svg
rsvg-convert -o lightControl/colorBar.png svg/perf/colorBar.svg
rsvg-convert -o lightControl/scale.png svg/perf/scale.svg
