#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Draws the help's pictures with ImageMagick. The PNG files are kept in the
# repository, so the build does not need ImageMagick; run this again after
# changing a drawing.
set -euo pipefail
cd "$(dirname "$0")"

font=DejaVu-Sans
bold=DejaVu-Sans-Bold
mono=DejaVu-Sans-Mono

# The main window, as a sketch: title bar, menu bar, the five tabs with the
# "Basic data" fields, and the status bar.
field() { # x y width height [text] [greyed]
    local fill=white
    [ "${6:-}" = greyed ] && fill='#e3e3e3'
    echo "fill $fill stroke #7a7a7a rectangle $1,$2 $(( $1 + $3 )),$(( $2 + $4 ))"
}
label() { # right-edge y text
    echo "fill black stroke none text-anchor end text $1,$(( $2 + 14 )) '$3' text-anchor start"
}
{
    echo "fill #f0f0f0 stroke #55606b rectangle 0,0 519,419"
    echo "fill #3b6ea5 stroke none rectangle 1,1 518,26"
    echo "fill white font $bold font-size 12 text 10,19 'Kestrin Editor'"
    echo "fill none stroke white stroke-width 2 line 496,8 506,18 line 506,8 496,18 stroke-width 1"
    echo "fill none stroke white stroke-width 2 line 472,18 482,18 stroke-width 1"
    echo "fill black stroke none font $font font-size 11 text 10,44 'File' text 52,44 'Create' text 110,44 'Help'"
    echo "stroke #c8c8c8 line 1,52 518,52"
    # tab strip
    x=12
    for t in "Basic data" Requirements Installation Details Credits; do
        w=$(( ${#t} * 7 + 18 ))
        if [ "$x" -eq 12 ]; then
            echo "fill white stroke #7a7a7a rectangle $x,60 $(( x + w )),82"
        else
            echo "fill #e6e6e6 stroke #7a7a7a rectangle $x,63 $(( x + w )),82"
        fi
        echo "fill black stroke none text $(( x + 9 )),77 '$t'"
        x=$(( x + w + 2 ))
    done
    echo "fill white stroke #7a7a7a rectangle 12,82 507,384"
    echo "stroke white line 13,82 $(( 12 + 10 * 7 + 17 )),82"
    echo "font $font font-size 11"
    label 104 96 "Article:";      field 112 96 130 20; echo "fill black stroke none text 118,110 'SP mission'"
    echo "fill #d8d8d8 stroke #7a7a7a rectangle 224,97 241,115 fill black stroke none polygon 228,103 237,103 232.5,109"
    label 104 124 "Name:";        field 112 124 380 20
    label 104 152 "Version:";     field 112 152 380 20
    label 104 180 "Author(s):";   field 112 180 380 56
    label 104 244 "Release date:"; field 112 244 380 20
    label 104 276 "Web:";         field 112 276 380 20; echo "fill black stroke none text 118,290 'http://'"
    label 104 302 "Email:";       field 112 302 380 20; echo "fill black stroke none text 118,316 '@'"
    label 104 328 "Skype:";       field 112 328 300 20 "" greyed
    echo "fill white stroke #555 rectangle 424,332 436,344 fill black stroke none text 442,343 'Allow'"
    label 104 354 "ICQ:";         field 112 354 300 20 "" greyed
    echo "fill white stroke #555 rectangle 424,358 436,370 fill black stroke none text 442,369 'Allow'"
    # status bar
    echo "stroke #b0b0b0 line 1,392 518,392"
    echo "fill black stroke none font $font font-size 10 text 8,409 'Kestrin Editor by Vantry'"
    for p in "NUM:300" "CAPS:372" "INS:444"; do
        echo "fill none stroke #a0a0a0 rectangle ${p#*:},396 $(( ${p#*:} + 66 )),414"
        echo "fill #606060 stroke none text $(( ${p#*:} + 8 )),410 '${p%%:*}'"
    done
} > window.mvg
convert -size 520x420 xc:white -font "$font" -draw "$(cat window.mvg)" -strip png8:main-window.png
rm window.mvg

# What Create does: the form, the command, the file.
box() { # x text1 text2 colour
    echo "fill $4 stroke #41566b stroke-width 1.5 roundrectangle $1,18 $(( $1 + 140 )),92 10,10"
    echo "fill black stroke none font $bold font-size 12 text-anchor middle text $(( $1 + 70 )),50 '$2'"
    echo "fill #333 stroke none font $font font-size 10 text $(( $1 + 70 )),70 '$3' text-anchor start"
}
arrow() { # x1 x2
    echo "stroke #41566b stroke-width 2 line $1,55 $(( $2 - 8 )),55 stroke-width 1"
    echo "fill #41566b stroke none polygon $(( $2 - 10 )),48 $2,55 $(( $2 - 10 )),62"
}
{
    box 10 "The form" "five tabs of fields" "#eaf1f8"
    arrow 152 198
    box 200 "Create" "assembles the text" "#fff4d6"
    arrow 342 388
    box 390 "ReadMe.txt" "saved where you chose" "#e8f5e4"
} > flow.mvg
convert -size 540x110 xc:white -draw "$(cat flow.mvg)" -strip png8:create-flow.png
rm flow.mvg
