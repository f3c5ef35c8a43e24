#!/usr/bin/env bash
# The real viewer opens one window titled "Orlevan - " and the path, clears it to
# black for an empty scene, takes + and - (never below 3: a hundred "-" and then
# sixty-nine "+" bring the demo back to its first picture at 72), and prints nothing
# on a clean frame.
source "$(dirname "$0")/commun.bash"

# An empty scene: a black window, nothing on either output.
printf '#VRML V1.0 ascii\n' >"$travail/vide.wrl"
lance "$travail/vide.wrl"
attendFenetre "Orlevan - $travail/vide.wrl"
attendImage "$travail/vide.png" noire || echoue "the empty scene's window is not black"
timeout 5 xdotool key plus plus minus
image "$travail/vide2.png"
noire "$travail/vide2.png" || echoue "the empty scene's window is not black after + and -"
quitteParEchap
[ -s "$travail/sortie" ] && echoue "standard output is not empty"
[ -s "$travail/erreurs" ] && echoue "standard error is not empty"

# The demo: a picture, changed by the count, and the same again at the same count.
cp "$SOURCES/examples/demo.wrl" "$travail/demo.wrl"
lance "$travail/demo.wrl"
attendFenetre "Orlevan - $travail/demo.wrl"
attendImage "$travail/72.png" pasNoire || echoue "the demo scene shows nothing"
image "$travail/72.png"
timeout 20 xdotool key --delay 5 --repeat 100 minus
attendImage "$travail/3.png" differe "$travail/72.png" ||
    echoue "100 times - did not change the picture"
timeout 20 xdotool key --delay 5 --repeat 69 plus
attendImage "$travail/72bis.png" memes "$travail/72.png" ||
    echoue "- 100 times then + 69 times does not give the picture at 72 again"
quitteParEchap
[ -s "$travail/sortie" ] && echoue "standard output is not empty after clean frames"
[ -s "$travail/erreurs" ] && echoue "standard error is not empty"
echo "ok"
