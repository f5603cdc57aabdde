#!/usr/bin/env bash
# Renders the icon's PNG sizes from the SVG sources; run it after changing an
# SVG and commit the PNGs (the build does not render them). Needs rsvg-convert
# (Debian package librsvg2-bin).
#   16, 32 pixels:        lunarys-small.svg (simplified so it stays legible)
#   48 ... 256 pixels:    lunarys.svg (also installed as the scalable icon)
set -euo pipefail
cd "$(dirname "$0")"
for n in 16 32 48 64 128 256; do
  src=lunarys.svg
  [ "$n" -le 32 ] && src=lunarys-small.svg
  rsvg-convert --width "$n" --height "$n" --output "hicolor/${n}x${n}/apps/lunarys.png" "$src"
done
