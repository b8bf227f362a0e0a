#!/usr/bin/env bash
# Renders the Windows icon data/icons/bg.kelvaro.Kelvaro.ico from the SVG: 16, 32 and 48 pixel
# images, and the 256 pixel one stored as PNG, as Windows takes it, to keep kelvaro.exe small.
# Needs librsvg2-bin and icoutils.
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for size in 16 32 48 256; do
  rsvg-convert -w "$size" -h "$size" bg.kelvaro.Kelvaro.svg -o "$work/$size.png"
done
icotool -c -o bg.kelvaro.Kelvaro.ico "$work/16.png" "$work/32.png" "$work/48.png" -r "$work/256.png"
