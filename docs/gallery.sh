#!/bin/sh
# Renders every style (rows 0-7) in every state (columns 0-4) at 121 x 89 with
# colour scheme 1 and a caption, each inside its window region on the default
# container colour, and assembles docs/gallery.png.
# Usage: docs/gallery.sh [path/to/candybutton-render]   (default build/tools/…)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
render=${1:-$here/../build/tools/candybutton-render}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rows=""
for style in 0 1 2 3 4 5 6 7; do
  cells=""
  for state in 0 1 2 3 4; do
    "$render" --style "$style" --state "$state" --scheme 1 --caption "Music" \
      --width 121 --height 89 -o "$work/face.png" --mask "$work/mask.pbm"
    # Show what the window shows: the face inside its region, the container
    # colour outside.
    convert -size 121x89 xc:'#C0C0C0' "$work/face.png" \( "$work/mask.pbm" -negate \) -composite \
      "$work/s${style}_${state}.png"
    cells="$cells $work/s${style}_${state}.png"
  done
  # shellcheck disable=SC2086
  montage -label "" $cells -tile 5x1 -geometry +6+4 -background '#C0C0C0' "$work/row$style.png"
  convert "$work/row$style.png" -gravity West -background white -splice 70x0 \
    -font DejaVu-Sans -pointsize 13 -annotate +6+0 "style $style" "$work/row$style.png"
  rows="$rows $work/row$style.png"
done
header="$work/header.png"
convert -size 70x24 xc:white "$header"
for state in 0 1 2 3 4; do
  convert "$header" \( -size 133x24 xc:white -font DejaVu-Sans -pointsize 13 -gravity center \
    -annotate +0+0 "state $state" \) +append "$header"
done
# shellcheck disable=SC2086
convert "$header" $rows -append +repage "$here/gallery.png"
echo "wrote $here/gallery.png"
