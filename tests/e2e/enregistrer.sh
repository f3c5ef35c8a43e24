#!/usr/bin/env bash
# The real viewer's "Enregistrer", chosen from its pop-up menu with the pointer after
# '+' was pressed three times: the file beside the scene is byte for byte what
# orlevan-export writes with -n 75. Then a save onto a full disk: one line on
# standard error, nothing on standard output, and the viewer still runs.
set -uo pipefail

viewer=$1
exporte="$ORLEVAN_BUILD_DIR/orlevan-export"
travail=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$travail"' EXIT
cd "$travail" || exit 1
echecs=0
echec() { echo "FAIL: $*" >&2; echecs=$((echecs + 1)); }

# demarre SCENE: starts the viewer, waits for its window, puts the pointer in it
# (without a window manager the keyboard follows the pointer).
demarre() {
  "$viewer" "$1" >sortie 2>erreur &
  pid=$!
  fenetre=
  for _ in $(seq 100); do
    fenetre=$(xdotool search --name "^Orlevan - $1\$" 2>/dev/null | head -1)
    [ -n "$fenetre" ] && break
    sleep 0.1
  done
  [ -n "$fenetre" ] || { echec "no window for $1"; return 1; }
  sleep 0.5
  xdotool mousemove --window "$fenetre" 150 150
  sleep 0.2
}

# Opens the menu where the pointer is and clicks its first entry, "Enregistrer".
enregistrer() {
  xdotool click 3
  sleep 0.4
  xdotool mousemove_relative 10 10
  sleep 0.2
  xdotool click 1
}

# attend_fichier PATH: waits for the save to appear.
attend_fichier() {
  for _ in $(seq 50); do [ -s "$1" ] && return 0; sleep 0.1; done
  return 1
}

cat >maison.wrl <<'EOF'
#VRML V1.0 ascii
Separator {
  Material { diffuseColor 0.8 0.2 0.2 }
  Separator { Cube { width 0.5 } Sphere { radius 0.3 } }
  Cone { parts SIDES|BOTTOM } Cylinder { parts (SIDES|BOTTOM) }
}
EOF

if demarre maison.wrl; then
  xdotool key plus plus plus
  sleep 0.5
  enregistrer
  attend_fichier maison.cpp || echec "Enregistrer wrote no maison.cpp"
  "$exporte" -n 75 -o attendu.cpp maison.wrl || echec "orlevan-export failed"
  cmp -s maison.cpp attendu.cpp || { echec "Enregistrer and orlevan-export -n 75 differ"; diff maison.cpp attendu.cpp >&2; }
  kill -0 "$pid" 2>/dev/null || echec "the viewer stopped after saving"
  [ ! -s sortie ] || echec "standard output: $(cat sortie)"
  grep -v 'glutGetModifiers' erreur | grep -q . && echec "standard error: $(cat erreur)"
  kill "$pid"; wait "$pid" 2>/dev/null; pid=
fi

# The derived name is a link to /dev/full.
cp maison.wrl plein.wrl
ln -s /dev/full plein.cpp
if demarre plein.wrl; then
  enregistrer
  for _ in $(seq 30); do [ -s erreur ] && break; sleep 0.1; done
  sleep 0.3
  kill -0 "$pid" 2>/dev/null || echec "the viewer stopped on a full disk"
  [ ! -s sortie ] || echec "full disk: standard output: $(cat sortie)"
  [ "$(wc -l <erreur)" -eq 1 ] || echec "full disk: expected one line, got: $(cat erreur)"
  grep -q 'plein.cpp.*No space left on device' erreur || echec "full disk: $(cat erreur)"
  kill "$pid"; wait "$pid" 2>/dev/null; pid=
fi

[ "$echecs" -eq 0 ] || { echo "$echecs failure(s)" >&2; exit 1; }
echo "Enregistrer: all checks passed"
