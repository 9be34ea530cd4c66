#!/bin/sh
# Renders the vector drawings into the images that krugolet.rc links in:
#   star.svg              -> star.bmp      (bitmap 10022, 190 x 190)
#   eagle.svg             -> eagle.bmp     (bitmap 10023, 187 x 239)
#   icon-16.svg, icon.svg -> krugolet.ico  (icon 9012, 16, 32 and 48 pixels)
#   icon-16.svg, icon.svg -> icons/krugolet-N.png (the desktop's icon, N x N pixels)
# The bitmaps are plain 24-bit BI_RGB DIBs (BMP3) without alpha, since that
# is what LoadBitmap hands to StretchBlt unchanged; transparent parts become
# the button-face grey so that the pictures merge with the window.
# Needs rsvg-convert (librsvg2-bin) and ImageMagick's convert (imagemagick).
set -eu

here=$(cd "$(dirname "$0")" && pwd)
grey='rgb(192,192,192)'

for tool in rsvg-convert convert identify; do
  command -v "$tool" >/dev/null || { echo "make-images.sh: $tool is missing" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# bitmap NAME WIDTH HEIGHT: NAME.svg -> NAME.bmp of exactly that size.
bitmap() {
  rsvg-convert -w "$2" -h "$3" "$here/$1.svg" -o "$work/$1.png"
  convert "$work/$1.png" -background "$grey" -alpha remove -alpha off \
    -type TrueColor -compress None "BMP3:$here/$1.bmp"
  got=$(identify -format '%m %wx%h %[channels] %z' "$here/$1.bmp")
  [ "$got" = "BMP3 $2x$3 srgb 8" ] || { echo "make-images.sh: $1.bmp came out as $got" >&2; exit 1; }
}

bitmap star 190 190
bitmap eagle 187 239

rsvg-convert -w 16 -h 16 "$here/icon-16.svg" -o "$work/icon-16.png"
rsvg-convert -w 32 -h 32 "$here/icon.svg" -o "$work/icon-32.png"
rsvg-convert -w 48 -h 48 "$here/icon.svg" -o "$work/icon-48.png"
convert "$work/icon-16.png" "$work/icon-32.png" "$work/icon-48.png" "$here/krugolet.ico"
got=$(identify -format '%wx%h %[channels],' "$here/krugolet.ico")
[ "$got" = "16x16 srgba,32x32 srgba,48x48 srgba," ] || { echo "make-images.sh: krugolet.ico came out as $got" >&2; exit 1; }

# The desktop's icon theme asks for these sizes; 16 pixels has a drawing of its own.
mkdir -p "$here/icons"
for size in 16 22 24 32 48 64 128 256; do
  source=icon.svg
  [ "$size" -eq 16 ] && source=icon-16.svg
  rsvg-convert -w "$size" -h "$size" "$here/$source" -o "$here/icons/krugolet-$size.png"
  got=$(identify -format '%wx%h' "$here/icons/krugolet-$size.png")
  [ "$got" = "${size}x${size}" ] || { echo "make-images.sh: icons/krugolet-$size.png came out as $got" >&2; exit 1; }
done
