#!/usr/bin/env bash
# Renders logo.svg into the multi-size tray icon logo.ico.
# Needs librsvg2-bin (rsvg-convert) and imagemagick (convert).
set -euo pipefail
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for size in 16 24 32 48 64 256; do
    rsvg-convert -w "$size" -h "$size" logo.svg -o "$tmp/logo-$size.png"
done
convert "$tmp"/logo-{16,24,32,48,64,256}.png logo.ico
