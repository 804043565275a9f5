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
for name in M416 AKM M16A4 SCAR-L UNP9 Thomson target; do
    rsvg-convert -o "gun/$name.png" "svg/gun_$name.svg"
done
for name in button buttonH; do
    rsvg-convert -o "profile/$name.png" "svg/profile_$name.svg"
done
