#!/usr/bin/env bash
# The real viewer's "Enregistrer", chosen from its pop-up menu with the pointer after
# '+' was pressed three times: the file beside the scene is byte for byte what
# orlevan-export writes with -n 75. Then a save onto a full disk: one line on
# standard error, nothing on standard output, and the viewer still runs.
source "$(dirname "$0")/harnais.bash"

# enregistrer: opens the menu with the pointer in the window and clicks its first
# entry, "Enregistrer".
enregistrer() {
  xdotool mousemove --window "$fenetre" 150 150
  sleep 0.2
  xdotool click 3
  sleep 0.4
  xdotool mousemove_relative 10 10
  sleep 0.2
  xdotool click 1
}

cat >maison.wrl <<'EOF2'
#VRML V1.0 ascii
Separator {
  Material { diffuseColor 0.8 0.2 0.2 }
  Separator { Cube { width 0.5 } Sphere { radius 0.3 } }
  Cone { parts SIDES|BOTTOM } Cylinder { parts (SIDES|BOTTOM) }
}
EOF2

ouvre maison.wrl
premiere depart
xdotool key plus plus plus
sleep 0.5
enregistrer
for _ in $(seq 50); do [ -s maison.cpp ] && break; sleep 0.1; done
[ -s maison.cpp ] || echec "Enregistrer wrote no maison.cpp"
kill -0 "$pid" 2>/dev/null || echoue "the viewer stopped after saving"
quitte
vide sortie "Enregistrer"
grep -v 'glutGetModifiers' erreurs | grep -q . && echec "standard error: $(cat erreurs)"
"$EXPORTE" -n 75 -o attendu.cpp maison.wrl || echec "orlevan-export failed"
cmp -s maison.cpp attendu.cpp || { echec "Enregistrer and orlevan-export -n 75 differ"; diff maison.cpp attendu.cpp >&2; }

# The derived name is a link to /dev/full.
cp maison.wrl plein.wrl
ln -s /dev/full plein.cpp
ouvre plein.wrl
premiere plein
enregistrer
for _ in $(seq 30); do [ -s erreurs ] && break; sleep 0.1; done
sleep 0.3
kill -0 "$pid" 2>/dev/null || echoue "the viewer stopped on a full disk"
quitte
vide sortie "full disk"
une_ligne "full disk" "plein.cpp: No space left on device"
fin
