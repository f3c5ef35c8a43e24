#!/usr/bin/env bash
# The real binaries on inputs that are not plain scene files: folders and endless
# devices (one line, an empty scene, never a hang), named pipes (read like a file),
# an output that names the input (refused, the scene untouched), and a 100 MB scene.
# Usage: robustesse.sh VIEWER (DISPLAY set, ORLEVAN_BUILD_DIR given by the harness).
source "$(dirname "$0")/harnais.bash"

scene='#VRML V1.0 ascii
Separator { Material { diffuseColor 1 0 0 } Cube { width 1 } Sphere { radius 0.4 } }'
printf '%s\n' "$scene" >scene.wrl

# visionne PATH 0|1: the viewer on PATH opens its window, refuses PATH in one line and
# shows nothing (0), or draws the scene in silence (1), then ends on Escape.
visionne() {
  ouvre "$1"
  if [ "$2" = 1 ]; then
    premiere image "viewer on $1: nothing drawn"
    vide erreurs "viewer on $1"
  else
    sleep 0.5
    capture image
    noire image || echec "viewer on $1: not empty"
    une_ligne "viewer on $1" "$1"
  fi
  quitte
}

# Folders and devices that never give a token or never end.
for chemin in "$travail" /dev/zero /dev/urandom; do
  visionne "$chemin" 0
  execute 1 "$EXPORTE" -o - "$chemin"  # 124 is a hang
  vide sortie "orlevan-export on $chemin"
  une_ligne "orlevan-export on $chemin" "$chemin"
done

# Named pipes: process substitution and a FIFO, read once, straight through.
visionne <(printf '%s\n' "$scene") 1
execute 0 "$EXPORTE" -o - <(printf '%s\n' "$scene")
grep -q '^  solidCube(1.000000F' sortie || echec "orlevan-export on a process substitution"
mkfifo tube.wrl
printf '%s\n' "$scene" >tube.wrl &
execute 0 "$EXPORTE" -n 5 tube.wrl
grep -q '^  solidSphere(0.400000F,5);' tube.cpp || echec "orlevan-export on a FIFO"
wait

# -o naming the input, by its own name, another spelling, a symbolic or a hard link.
ln -s scene.wrl lien.cpp
ln scene.wrl dur.cpp
for sortie in "$travail/scene.wrl" "$travail/./scene.wrl" "$travail/lien.cpp" "$travail/dur.cpp"; do
  execute '!0' "$EXPORTE" -o "$sortie" "$travail/scene.wrl"
  une_ligne "orlevan-export -o $sortie" "$sortie"
  [ "$(cat scene.wrl)" = "$scene" ] || echec "orlevan-export -o $sortie changed the scene"
done
[ -L lien.cpp ] || echec "the link was replaced"

# 100 MB of valid nodes: read whole, every node saved.
bloc='Separator { Translation { translation 1 2 3 } Cube { width 1 height 2 depth 3 } Sphere { radius 0.5 } }'
blocs=$((100 * 1024 * 1024 / (${#bloc} + 1) + 1))
{ echo '#VRML V1.0 ascii'; yes "$bloc" | head -n "$blocs"; } >grand.wrl
debut=$(date +%s.%N)
cubes=$("$EXPORTE" -n 3 -o - grand.wrl 2>erreurs | grep -c '^  solidCube(')
duree=$(awk -v d="$debut" -v f="$(date +%s.%N)" 'BEGIN { printf "%.1f", f - d }')
[ "$cubes" -eq "$blocs" ] || echec "100 MB scene: $cubes cubes saved of $blocs; $(cat erreurs)"
echo "100 MB scene ($blocs groups): read and saved in $duree s"
rm -f grand.wrl

fin
