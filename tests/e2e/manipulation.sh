#!/usr/bin/env bash
# The view manipulation in the real viewer, driven like a user: drags with Shift,
# Ctrl and Alt, the letter keys, a preset view, the spin, and Escape.
source "$ORLEVAN_SOURCE_DIR/tests/e2e/fenetre.bash"

# Lopsided on purpose, so that every turn shows.
cat >"$TRAVAIL/scene.wrl" <<'WRL'
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
lance "$TRAVAIL/scene.wrl"
depart="$TRAVAIL/depart.png"
attends_stable "$depart"
[ "$(non_noirs "$depart")" -gt 1000 ] || echec "nothing drawn"

# Shift + drag turns the picture; the same drag back restores it exactly.
glisse shift 100 100 3 0 10
attends_stable "$TRAVAIL/tourne.png"
[ "$(ecart "$depart" "$TRAVAIL/tourne.png")" -gt 500 ] || echec "Shift+drag did not turn"
glisse shift 130 100 -3 0 10
attends_stable "$TRAVAIL/retour.png"
[ "$(ecart "$depart" "$TRAVAIL/retour.png")" = 0 ] || echec "the drag back did not restore"

# Shift + Ctrl turns about the view axis.
glisse "shift ctrl" 100 100 2 0 10
attends_stable "$TRAVAIL/z.png"
[ "$(ecart "$depart" "$TRAVAIL/z.png")" -gt 500 ] || echec "Shift+Ctrl+drag did not turn"

# Letter keys turn, a capital turns back; Ctrl + Left puts every angle back to 0.
xdotool key x
attends_stable "$TRAVAIL/x.png"
[ "$(ecart "$TRAVAIL/z.png" "$TRAVAIL/x.png")" -gt 100 ] || echec "x did not turn"
xdotool key y Right Prior
attends_stable "$TRAVAIL/touches.png"
[ "$(ecart "$TRAVAIL/x.png" "$TRAVAIL/touches.png")" -gt 100 ] || echec "y and arrows did not turn"
xdotool key ctrl+Left
attends_stable "$TRAVAIL/remis.png"
[ "$(ecart "$depart" "$TRAVAIL/remis.png")" = 0 ] || echec "Ctrl+Left did not reset the view"

# Ctrl + drag down zooms in: more of the window is covered; back up restores it.
glisse ctrl 100 100 0 2 10
attends_stable "$TRAVAIL/zoom.png"
[ "$(non_noirs "$TRAVAIL/zoom.png")" -gt $(( $(non_noirs "$depart") * 21 / 20 )) ] \
  || echec "Ctrl+drag down did not enlarge"
glisse ctrl 100 120 0 -2 10
attends_stable "$TRAVAIL/dezoom.png"
[ "$(ecart "$depart" "$TRAVAIL/dezoom.png")" -lt 50 ] || echec "Ctrl+drag up did not shrink back"

# Alt + drag pans: the picture follows the pointer, 30 pixels right and 20 down.
glisse alt 100 100 3 2 10
attends_stable "$TRAVAIL/pan.png"
convert "$TRAVAIL/dezoom.png" -roll +30+20 -crop 290x250+40+30 +repage "$TRAVAIL/attendu.png"
convert "$TRAVAIL/pan.png" -crop 290x250+40+30 +repage "$TRAVAIL/obtenu.png"
[ "$(ecart "$TRAVAIL/dezoom.png" "$TRAVAIL/pan.png")" -gt 500 ] || echec "Alt+drag did not pan"
[ "$(ecart "$TRAVAIL/attendu.png" "$TRAVAIL/obtenu.png")" -lt 100 ] \
  || echec "Alt+drag did not follow the pointer"

# Shift + Return spins: the picture keeps changing, until Shift + Return again.
xdotool key shift+Return
sleep 0.3
capture "$TRAVAIL/tour1.png"
sleep 0.7
capture "$TRAVAIL/tour2.png"
[ "$(ecart "$TRAVAIL/tour1.png" "$TRAVAIL/tour2.png")" -gt 500 ] || echec "Shift+Return did not spin"
xdotool key shift+Return
attends_stable "$TRAVAIL/arrete.png"

# A plain Return does not start it.
xdotool key Return
sleep 0.5
capture "$TRAVAIL/immobile.png"
[ "$(ecart "$TRAVAIL/arrete.png" "$TRAVAIL/immobile.png")" = 0 ] || echec "Return alone spun"

quitte
echo "manipulation: ok"
