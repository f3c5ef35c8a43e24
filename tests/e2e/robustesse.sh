#!/usr/bin/env bash
# The real binaries on inputs that are not plain scene files: folders and endless
# devices (one line, an empty scene, never a hang), named pipes (read like a file),
# an output that names the input (refused, the scene untouched), and a 100 MB scene.
# Usage: robustesse.sh VIEWER (DISPLAY set, ORLEVAN_BUILD_DIR given by the harness).
set -uo pipefail
visionneuse=$1
export_=${ORLEVAN_BUILD_DIR:?}/orlevan-export
dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
echecs=0
echoue() { echo "FAIL: $*" >&2; echecs=$((echecs + 1)); }

scene='#VRML V1.0 ascii
Separator { Material { diffuseColor 1 0 0 } Cube { width 1 } Sphere { radius 0.4 } }'
printf '%s\n' "$scene" >"$dossier/scene.wrl"

# Exactly one line on standard error, naming $2.
une_ligne() {  # FILE PATH CONTEXT
  local n
  n=$(wc -l <"$1")
  [ "$n" -eq 1 ] && grep -qF -- "$2" "$1" || { echoue "$3: expected one line naming $2, got:"; cat "$1" >&2; }
}

# Starts the viewer on a path, waits for its window, checks its standard error with
# the given function, looks at the picture, then quits with Escape (status 0).
visionne() {  # PATH CHECK(stderr-file) WANT_PICTURE(0/1)
  local chemin=$1 verifie=$2 image=$3 fenetre pid statut
  "$visionneuse" "$chemin" 2>"$dossier/err" &
  pid=$!
  fenetre=$(timeout 20 xdotool search --sync --onlyvisible --name "^Orlevan - ${chemin}\$" | head -n 1)
  if [ -z "$fenetre" ]; then
    echoue "viewer on $chemin: no window within 20 s"; kill "$pid" 2>/dev/null; wait "$pid"; return
  fi
  # A drawn scene has more than the background colour; an empty one has nothing else.
  # The first frame may take a while on a loaded machine: look again for 20 s.
  local ecart essai
  for essai in $(seq 40); do
    sleep 0.5
    ecart=$(import -window "$fenetre" png:- 2>/dev/null | identify -format '%[fx:standard_deviation]' -)
    awk -v e="${ecart:-0}" 'BEGIN { exit !(e > 0.01) }' && break
    [ "$image" = 1 ] || break
  done
  "$verifie" "$dossier/err" "$chemin"
  if [ "$image" = 1 ]; then
    awk -v e="${ecart:-0}" 'BEGIN { exit !(e > 0.01) }' || echoue "viewer on $chemin: nothing drawn ($ecart)"
  else
    awk -v e="${ecart:-1}" 'BEGIN { exit !(e < 0.001) }' || echoue "viewer on $chemin: not empty ($ecart)"
  fi
  xdotool key --window "$fenetre" Escape 2>/dev/null  # the window is gone before the key is up
  timeout 20 tail --pid="$pid" -f /dev/null
  wait "$pid"; statut=$?
  [ "$statut" -eq 0 ] || echoue "viewer on $chemin: status $statut after Escape"
}
refus() { une_ligne "$1" "$2" "viewer on $2"; }
silence() { [ ! -s "$1" ] || { echoue "viewer on $2 printed:"; cat "$1" >&2; }; }

# Folders and devices that never give a token or never end.
for chemin in "$dossier" /dev/zero /dev/urandom; do
  visionne "$chemin" refus 0
  timeout 20 "$export_" -o - "$chemin" >"$dossier/out" 2>"$dossier/err"
  statut=$?
  [ "$statut" -eq 1 ] || echoue "orlevan-export on $chemin: status $statut (124 is a hang)"
  [ ! -s "$dossier/out" ] || echoue "orlevan-export on $chemin: wrote output"
  une_ligne "$dossier/err" "$chemin" "orlevan-export on $chemin"
done

# Named pipes: process substitution and a FIFO, read once, straight through.
visionne <(printf '%s\n' "$scene") silence 1
"$export_" -o - <(printf '%s\n' "$scene") >"$dossier/out" 2>"$dossier/err" \
  && grep -q '^  solidCube(1.000000F' "$dossier/out" \
  || echoue "orlevan-export on a process substitution: $(cat "$dossier/err")"
mkfifo "$dossier/tube.wrl"
printf '%s\n' "$scene" >"$dossier/tube.wrl" &
timeout 20 "$export_" -n 5 "$dossier/tube.wrl" 2>"$dossier/err" \
  && grep -q '^  solidSphere(0.400000F,5);' "$dossier/tube.cpp" \
  || echoue "orlevan-export on a FIFO: $(cat "$dossier/err")"
wait

# -o naming the input, by its own name, another spelling, a symbolic or a hard link.
ln -s scene.wrl "$dossier/lien.cpp"
ln "$dossier/scene.wrl" "$dossier/dur.cpp"
for sortie in "$dossier/scene.wrl" "$dossier/./scene.wrl" "$dossier/lien.cpp" "$dossier/dur.cpp"; do
  "$export_" -o "$sortie" "$dossier/scene.wrl" 2>"$dossier/err"
  statut=$?
  [ "$statut" -ne 0 ] || echoue "orlevan-export -o $sortie: status 0"
  une_ligne "$dossier/err" "$sortie" "orlevan-export -o $sortie"
  [ "$(cat "$dossier/scene.wrl")" = "$scene" ] || echoue "orlevan-export -o $sortie changed the scene"
done
[ -L "$dossier/lien.cpp" ] || echoue "the link was replaced"

# 100 MB of valid nodes: read whole, every node saved.
bloc='Separator { Translation { translation 1 2 3 } Cube { width 1 height 2 depth 3 } Sphere { radius 0.5 } }'
blocs=$((100 * 1024 * 1024 / (${#bloc} + 1) + 1))
{ echo '#VRML V1.0 ascii'; yes "$bloc" | head -n "$blocs"; } >"$dossier/grand.wrl"
debut=$(date +%s.%N)
cubes=$("$export_" -n 3 -o - "$dossier/grand.wrl" 2>"$dossier/err" | grep -c '^  solidCube(')
fin=$(date +%s.%N)
[ "$cubes" -eq "$blocs" ] || echoue "100 MB scene: $cubes cubes saved of $blocs; $(cat "$dossier/err")"
awk -v d="$debut" -v f="$fin" -v n="$blocs" 'BEGIN { printf "100 MB scene (%d groups): read and saved in %.1f s\n", n, f - d }'
rm -f "$dossier/grand.wrl"

[ "$echecs" -eq 0 ] && echo "robustesse: all cases passed"
exit $((echecs > 0))
