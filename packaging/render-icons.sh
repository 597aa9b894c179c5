#!/bin/sh
# Renders the PNG icons of the hicolor theme from packaging/icons/pravent.svg (librsvg2-bin).
set -e
cd "$(dirname "$0")/icons"
for size in 48 128; do
  rsvg-convert -w "$size" -h "$size" pravent.svg -o "pravent-$size.png"
done
