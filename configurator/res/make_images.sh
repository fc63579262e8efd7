#!/bin/bash
# make_images.sh OUTDIR: draws the Configurator's pictures with ImageMagick:
#   banner.jpg  the About page's banner, 550 x 229
#   leds.bmp    the status lights red, green, yellow (16 x 16 each, magenta = transparent)
#   glyphs.bmp  the button glyphs retry, ignore, no (16 x 16 each, magenta = transparent)
#   icon.ico    the program icon, 16 x 16 and 32 x 32
set -eu
out=$1
mkdir -p "$out"
convert=/usr/bin/convert  # another "convert" may come first on PATH

# A soft sky with a stylised quill in the middle; the right and the bottom
# stay calm, since the About page writes its texts there.
$convert -size 550x229 gradient:'#cfdff2'-'#ffffff' \
  -fill '#1f3f6b' -draw 'rectangle 0,0 549,5' \
  -fill '#e8eef7' -stroke '#9db5d6' -strokewidth 2 \
  -draw 'polygon 170,150 260,20 315,12 285,70 205,140' \
  -stroke '#5d7fae' -strokewidth 3 -draw 'line 165,160 300,18' \
  -stroke '#1f3f6b' -strokewidth 2 -draw 'line 150,178 172,150' \
  -fill none -stroke '#9db5d6' -strokewidth 2 \
  -draw 'bezier 130,184 200,170 280,190 350,176' \
  -quality 92 "$out/banner.jpg"

# Pictures on magenta, drawn without anti-aliasing so that the transparent
# colour stays exact.
$convert -size 48x16 xc:'#ff00ff' +antialias -stroke '#303030' -strokewidth 1 \
  -fill '#d42020' -draw 'circle 7,7 7,1' \
  -fill '#20b030' -draw 'circle 23,7 23,1' \
  -fill '#f0c010' -draw 'circle 39,7 39,1' \
  -fill white -stroke none -draw 'rectangle 5,4 6,5' -draw 'rectangle 21,4 22,5' \
  -draw 'rectangle 37,4 38,5' \
  -type TrueColor BMP3:"$out/leds.bmp"

$convert -size 48x16 xc:'#ff00ff' +antialias \
  -fill none -stroke '#1f5fbf' -strokewidth 2 -draw 'arc 2,2 13,13 200,500' \
  -fill '#1f5fbf' -stroke none -draw 'polygon 1,3 6,3 3,8' \
  -fill '#208030' -draw 'polygon 18,6 26,6 26,2 31,8 26,14 26,10 18,10' \
  -fill none -stroke '#c02020' -strokewidth 2 -draw 'circle 40,7 40,2' -draw 'line 36,11 44,3' \
  -type TrueColor BMP3:"$out/glyphs.bmp"

for size in 16 32; do
  $convert -size ${size}x${size} xc:none -fill '#1f3f6b' \
    -draw "roundrectangle 0,0 $((size - 1)),$((size - 1)) $((size / 6)),$((size / 6))" \
    -fill white -draw "polygon $((size / 5)),$((size * 4 / 5)) $((size * 3 / 5)),$((size / 5)) $((size * 4 / 5)),$((size / 6)) $((size * 2 / 5)),$((size * 3 / 5))" \
    PNG32:"$out/icon$size.png"
done
$convert "$out/icon16.png" "$out/icon32.png" "$out/icon.ico"
rm -f "$out/icon16.png" "$out/icon32.png"
