#!/bin/sh
# Redraws loxane-48.png from loxane.svg. The raster is flattened onto the navy
# ground and written as plain 24-bit RGB with no metadata, so it is the same
# bytes every time it is made.
set -eu
cd "$(dirname "$0")"
rendered=$(mktemp --suffix=.png)
trap 'rm -f "$rendered"' EXIT
rsvg-convert -w 48 -h 48 loxane.svg -o "$rendered"
convert "$rendered" -background '#030063' -alpha remove -alpha off -strip PNG24:loxane-48.png
