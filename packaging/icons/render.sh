#!/bin/sh
# Renders the launcher icon from the logo: hicolor/<size>x<size>/apps/ PNGs.
# The PNGs are kept in the repository, so the build never needs this script
# or its tool (rsvg-convert, Debian package librsvg2-bin).
set -eu
cd "$(dirname "$0")"
for size in 16 24 32 48 64 128 256; do
    mkdir -p "${size}x${size}"
    rsvg-convert -w "$size" -h "$size" -o "${size}x${size}/org.k7config.k7config.png" ../../modules/img/logo.svg
done
