#!/usr/bin/env bash
# The view manipulation in the real viewer, driven like a user: drags with Shift,
# Ctrl and Alt, the letter and arrow keys, a preset view, the spin, and Escape.
source "$(dirname "$0")/harnais.bash"

# Lopsided on purpose, so that every turn shows.
cat >scene.wrl <<'WRL'
#VRML V1.0 ascii
Separator {
  Separator {
    Translation { translation -0.4 0.3 0 }
    Material { diffuseColor 0.9 0.2 0.2 }
    Cube { width 0.6 height 0.3 depth 0.2 }
  }
  Separator {
    Translation { translation 0.4 -0.2 0.2 }
    Material { diffuseColor 0.2 0.5 0.9 }
    Cone { bottomRadius 0.25 height 0.7 }
  }
}
WRL
ouvre scene.wrl
premiere depart

# Shift + drag turns the picture; the same drag back restores it exactly.
glisse shift 100 100 3 0 10
stable tourne
differe depart tourne 500 "Shift+drag did not turn"
glisse shift 130 100 -3 0 10
stable retour
pareil depart retour 0 "the drag back did not restore the picture"

# Shift + Ctrl turns about the view axis.
glisse "shift ctrl" 100 100 2 0 10
stable autour_z
differe depart autour_z 500 "Shift+Ctrl+drag did not turn"

# Letter and arrow keys turn; Ctrl + Left puts every angle back to 0.
xdotool key x
stable x
differe autour_z x 100 "x did not turn"
xdotool key y Right Prior
stable touches
differe x touches 100 "y and the arrows did not turn"
xdotool key ctrl+Left
stable remise
pareil depart remise 0 "Ctrl+Left did not reset the view"

# Ctrl + drag down zooms in: more of the window is covered; back up restores it
# (within the rounding of the factor).
glisse ctrl 100 100 0 2 10
stable zoom
[ "$(non_noirs zoom)" -gt $(( $(non_noirs depart) * 21 / 20 )) ] \
  || echec "Ctrl+drag down did not enlarge"
glisse ctrl 100 120 0 -2 10
stable dezoom
pareil depart dezoom 50 "Ctrl+drag up did not shrink back"

# Alt + drag pans: the picture follows the pointer, 30 pixels right and 20 down.
glisse alt 100 100 3 2 10
stable pan
differe dezoom pan 500 "Alt+drag did not pan"
convert "$(image dezoom)" -roll +30+20 -crop 290x250+40+30 +repage "$(image attendu)"
convert "$(image pan)" -crop 290x250+40+30 +repage "$(image obtenu)"
pareil attendu obtenu 100 "Alt+drag did not follow the pointer"

# Shift + Return spins: the picture keeps changing, until Shift + Return again.
xdotool key shift+Return
sleep 0.3
capture tour1
sleep 0.7
capture tour2
differe tour1 tour2 500 "Shift+Return did not spin"
xdotool key shift+Return
stable arrete

# A plain Return does not start it.
xdotool key Return
sleep 0.5
capture immobile
pareil arrete immobile 0 "Return alone spun"

quitte
fin
