#!/bin/sh
# Renders the program's icon (resources/icon.svg) into the sizes that browsers and phones ask a
# web app for, into site/icons/:
#   icon-192.png, icon-512.png   the icon on a transparent ground (the manifest's "any")
#   icon-maskable-512.png        on a full square of ground colour, the icon inside the central
#                                circle that every mask keeps (the manifest's "maskable")
#   apple-touch-icon.png         180 x 180 on the ground colour: iOS fills transparency with black
# The drawing itself (icons/icon.svg) and the favicon, the Windows program's own krugolet.ico,
# are copied when the site is assembled.
# The PNGs are reduced to 256 colours with full transparency (pngquant), a third of their size or
# less: they are part of what a phone downloads.
# Needs rsvg-convert (librsvg2-bin), ImageMagick's convert and identify (imagemagick), pngquant.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
svg=$here/../resources/icon.svg
out=$here/site/icons
ground='#5b2a10'

for tool in rsvg-convert convert identify pngquant; do
  command -v "$tool" >/dev/null || { echo "make-icons.sh: $tool is missing" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

# check FILE "WxH": reduces the file's colours and checks its size.
check() {
  pngquant --force --speed 1 --strip --output "$1" -- "$1"
  got=$(identify -format '%wx%h' "$1")
  [ "$got" = "$2" ] || { echo "make-icons.sh: $1 came out as $got" >&2; exit 1; }
}

for size in 192 512; do
  rsvg-convert -w "$size" -h "$size" "$svg" -o "$out/icon-$size.png"
  check "$out/icon-$size.png" "${size}x$size"
done

# grounded NAME SIZE ICON: the icon at ICON pixels, centred on a SIZE square of the ground.
grounded() {
  rsvg-convert -w "$3" -h "$3" "$svg" -o "$work/icon.png"
  convert -size "$2x$2" "xc:$ground" "$work/icon.png" -gravity center -composite \
    -alpha off -type TrueColor "PNG24:$out/$1"
  check "$out/$1" "$2x$2"
}
# The kept circle has 80% of the side as its diameter; the star's points reach just inside it.
grounded icon-maskable-512.png 512 400
grounded apple-touch-icon.png 180 150
