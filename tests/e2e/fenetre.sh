#!/usr/bin/env bash
# The real viewer opens one window titled "Orlevan - " and the path, clears it to
# black for an empty scene, takes + and - (never below 3: a hundred "-" and then
# sixty-nine "+" bring the demo back to its first picture at 72), and prints nothing
# on a clean frame.
source "$(dirname "$0")/harnais.bash"

# An empty scene: a black window, nothing on either output.
printf '#VRML V1.0 ascii\n' >vide.wrl
ouvre "$travail/vide.wrl"
attendImage vide noire || echoue "the empty scene's window is not black"
timeout 5 xdotool key plus plus minus
stable vide2
noire vide2 || echec "the empty scene's window is not black after + and -"
quitte
vide sortie "the empty scene"
vide erreurs "the empty scene"

# The demo: a picture, changed by the count, and the same again at the same count.
cp "$SOURCES/examples/demo.wrl" demo.wrl
ouvre "$travail/demo.wrl"
premiere 72
timeout 20 xdotool key --delay 5 --repeat 100 minus
attendImage 3 autre 72 || echec "100 times - did not change the picture"
timeout 20 xdotool key --delay 5 --repeat 69 plus
attendImage 72bis memes 72 ||
    echec "- 100 times then + 69 times does not give the picture at 72 again"
quitte
vide sortie "the demo"
vide erreurs "the demo"
fin
