#!/usr/bin/env bash
# Draws the program's own pictures with ImageMagick: the login window's
# 289 x 97 banner, the icon (16, 32 and 48 pixels) and the installer's 164 x 314
# side picture. Run by hand when the art changes; the results are committed
# under app/resources/ and packaging/.
set -euo pipefail
out=$(cd "$(dirname "$0")/../../app/resources" && pwd)
packaging=$(cd "$(dirname "$0")/../../packaging" && pwd)
font=$(fc-match -f '%{file}' 'WenQuanYi Micro Hei')
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Banner: a deep-to-light blue sky, a soft horizon band, the product name and a line.
convert -size 289x97 gradient:'#0b4f9c'-'#4aa3e6' \
  -fill 'rgba(255,255,255,0.12)' -draw 'ellipse 250,110 120,45 0,360' \
  -fill 'rgba(255,255,255,0.18)' -draw 'ellipse 40,115 110,40 0,360' \
  -fill white -draw 'path "M 22,30 q 10,-12 24,-4 q 8,-10 18,-6 q -8,4 -10,12 q -6,14 -24,10 z"' \
  -fill '#0b4f9c' -draw 'circle 55,27 56,28' \
  -font "$font" -fill white -pointsize 26 -annotate +78+46 '蓝鹊商务版' \
  -fill 'rgba(255,255,255,0.85)' -pointsize 12 -annotate +80+70 '企业短信 · 即时沟通 · 随时在线' \
  -quality 92 "$out/banner.jpg"

# Icon: a blue rounded square with a white speech bubble.
icon() {  # icon SIZE
  local s=$1 r=$(( $1 / 5 ))
  convert -size "${s}x${s}" xc:none \
    -fill '#1769c2' -draw "roundrectangle 0,0 $((s - 1)),$((s - 1)) $r,$r" \
    -fill white -draw "ellipse $((s / 2)),$((s * 9 / 20)) $((s * 6 / 16)),$((s * 5 / 16)) 0,360" \
    -draw "polygon $((s * 5 / 16)),$((s * 11 / 16)) $((s * 4 / 16)),$((s * 14 / 16)) $((s * 8 / 16)),$((s * 11 / 16))" \
    -fill '#1769c2' -draw "circle $((s * 5 / 16)),$((s * 9 / 20)) $((s * 5 / 16 + s / 16 + 1)),$((s * 9 / 20))" \
    -draw "circle $((s / 2)),$((s * 9 / 20)) $((s / 2 + s / 16 + 1)),$((s * 9 / 20))" \
    -draw "circle $((s * 11 / 16)),$((s * 9 / 20)) $((s * 11 / 16 + s / 16 + 1)),$((s * 9 / 20))" \
    "$tmp/icon$s.png"
}
for s in 16 32 48; do icon "$s"; done
convert "$tmp/icon16.png" "$tmp/icon32.png" "$tmp/icon48.png" "$out/lanque.ico"

# The installer's welcome and finish pages: the banner's sky upright, the bird
# and the product name at the top (24-bit BMP, as the installer wants it).
convert -size 314x164 gradient:'#0b4f9c'-'#4aa3e6' -rotate 90 \
  -fill 'rgba(255,255,255,0.12)' -draw 'ellipse 150,330 120,60 0,360' \
  -fill 'rgba(255,255,255,0.18)' -draw 'ellipse 10,300 110,50 0,360' \
  -fill white -draw 'translate 46,40 scale 2,2 path "M 0,12 q 10,-12 24,-4 q 8,-10 18,-6 q -8,4 -10,12 q -6,14 -24,10 z"' \
  -fill '#0b4f9c' -draw 'circle 112,37 114,39' \
  -font "$font" -fill white -pointsize 22 -gravity north -annotate +0+110 '蓝鹊商务版' \
  -fill 'rgba(255,255,255,0.85)' -pointsize 11 -annotate +0+145 '企业短信 · 即时沟通' \
  -type TrueColor -define bmp:format=bmp3 -compress none "BMP3:$packaging/wizard.bmp"
