#!/bin/sh
# Renders a fixed set of buttons (every style in every state, and the looks
# that exercise colours, pictures, fonts and highlights) with the renderer
# given as $1 into the folder $2, one PPM and one PBM mask each. Two folders
# made by two renderers compare with `cmp`, file by file.
set -eu
render=$1
out=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
mkdir -p "$out"
n=0
one() {
  n=$((n + 1))
  "$render" "$@" -o "$out/$n.ppm" --mask "$out/$n.pbm"
}
for style in 0 1 2 3 4 5 6 7; do
  for state in 0 1 2 3 4; do
    one --style $style --state $state --scheme 1 --caption Music
  done
  one --style $style --width 37 --height 23 --caption "Tiny"
  one --style $style --width 300 --height 60 --enabled 0 --caption Disabled --scheme 3
  one --style $style --checked 1 --picture "$root/resources/brindlecovemediacenter.ico" --picture-alignment 2 --caption Pic
  one --style $style --state 3 --picture "$root/resources/box.bmp" --picture-alignment 0 --caption Box \
      --caption-highlite 0x00FF00 --icon-highlite 0x0000FF
  one --style $style --color-up 0x2040F0 --color-hover 0x80FF80 --color-down 0x102030 --color-bright 0xFFFFFF \
      --border-brightness 40 --container-color 0x336699 --fore-color 0xFFFFFF --font "DejaVu Sans:11" --caption "Ünïcode"
  one --style $style --width 1 --height 1
  one --style $style --state 2 --picture "$root/resources/logo.bmp" --picture-alignment 4 --border-brightness -70 --caption "Left"
done
echo "$n renders in $out"
