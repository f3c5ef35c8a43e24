#!/usr/bin/env bash
# orlevan-export end to end: options, defaults (count 72, the save command's derived
# name), -o -, exit statuses, and one-line messages on standard error with standard
# output kept clean. Expected files are written here by hand.
set -uo pipefail

exporte="$ORLEVAN_BUILD_DIR/orlevan-export"
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
cd "$travail" || exit 1
echecs=0

echec() { echo "FAIL: $*" >&2; echecs=$((echecs + 1)); }

# lance STATUT COMMAND...: runs the converter, keeps its streams in sortie/erreur.
lance() {
  local attendu=$1; shift
  "$exporte" "$@" >sortie 2>erreur
  local statut=$?
  if [ "$attendu" = 0 ]; then
    [ "$statut" -eq 0 ] || echec "orlevan-export $* exited $statut: $(cat erreur)"
  else
    [ "$statut" -ne 0 ] || echec "orlevan-export $* exited 0"
  fi
}
sortie_vide() { [ ! -s sortie ] || echec "$1: standard output not empty: $(head -c 200 sortie)"; }
erreur_vide() { [ ! -s erreur ] || echec "$1: standard error not empty: $(cat erreur)"; }
# une_ligne CONTEXT TEXT...: standard error is one line holding every TEXT.
une_ligne() {
  local quoi=$1; shift
  [ "$(wc -l <erreur)" -eq 1 ] || echec "$quoi: expected one line on standard error, got: $(cat erreur)"
  for t in "$@"; do grep -qF -- "$t" erreur || echec "$quoi: standard error lacks '$t': $(cat erreur)"; done
}
pareil() { cmp -s "$1" "$2" || { echec "$3: files differ"; diff "$1" "$2" >&2; }; }

entete() {
  printf '%s\n' '#include <GL/glut.h>' '#include <GL/glu.h>' '#include <GL/gl.h>' '' \
    '#include "SolidObjects.h"' '#include "Utils.h"' '' 'void scene(void) {'
}
attendu() {  # the expected file of maison.wrl with count $1
  entete
  printf '%s\n' '  glPushMatrix();' '  empileMaterial();' '  empileLights();' \
    "  solidCone(0.500000F,1.500000F,$1,\"SIDES|BOTTOM\");" '  depileLights();' \
    '  depileMaterial();' '  glPopMatrix();' "  solidCube(-1.000000F,2.000000F,2.000000F,$1);" '}'
}
cat >maison.wrl <<'EOF'
#VRML V1.0 ascii
Separator { Cone { bottomRadius 0.5 height 1.5 parts SIDES|BOTTOM } }
Cube { width -1 }
EOF

# --help and -h: usage on standard output, status 0.
for aide in --help -h; do
  lance 0 $aide
  grep -q '^usage: orlevan-export \[-n COUNT\] \[-o OUTPUT\] SCENE' sortie || echec "$aide: no usage"
  erreur_vide "$aide"
done

# Defaults: count 72, output beside the scene under the derived name.
lance 0 maison.wrl
sortie_vide defaults; erreur_vide defaults
attendu 72 >attendu72
pareil attendu72 maison.cpp "defaults"

# -n and -o, in either order, -o replacing an existing file.
echo old >autre.c
lance 0 -o autre.c -n 5 maison.wrl
attendu 5 >attendu5
pareil attendu5 autre.c "-n 5 -o autre.c"
lance 0 -n 3 -o autre.c maison.wrl
attendu 3 >attendu3
pareil attendu3 autre.c "-n 3"

# -o -: the file on standard output, nothing written beside the scene.
rm -f maison.cpp
lance 0 -o - -n 80 maison.wrl
attendu 80 >attendu80
pareil attendu80 sortie "-o -"
erreur_vide "-o -"
[ ! -e maison.cpp ] || echec "-o - also wrote maison.cpp"

# The derived name looks for the "." in the last component only.
mkdir -p scenes old.files travail.d
cp maison.wrl scenes/house.wrl; cp maison.wrl old.files/scene.wrl; cp maison.wrl a.b.wrl
cp maison.wrl sansextension
(cd travail.d && "$exporte" ../scenes/house.wrl) || echec "../scenes/house.wrl"
pareil attendu72 scenes/house.cpp "../scenes/house.wrl"
[ ! -e .cpp ] && [ ! -e travail.d/.cpp ] || echec "../scenes/house.wrl wrote .cpp"
lance 0 old.files/scene.wrl
pareil attendu72 old.files/scene.cpp "old.files/scene.wrl"
[ ! -e old.cpp ] || echec "old.files/scene.wrl wrote old.cpp"
lance 0 ./a.b.wrl
pareil attendu72 a.cpp "./a.b.wrl"
lance 0 sansextension
pareil attendu72 sansextensioncpp "sansextension"

# A file whose first tokens are not "#VRML V1.0": the viewer's empty scene, with its
# warning, and status 0.
printf 'hello world\nCube { }\n' >pasvrml.wrl
lance 0 pasvrml.wrl
sortie_vide "bad header"
une_ligne "bad header" pasvrml.wrl
{ entete; echo '}'; } >vide.cpp
pareil vide.cpp pasvrml.cpp "bad header"

# Bad counts and options: a message and usage or one line, status non-zero, no file.
for n in 2 0 -5 abc '' 5x 1e3 99999999999; do
  rm -f maison.cpp
  lance 1 -n "$n" maison.wrl
  sortie_vide "-n '$n'"
  une_ligne "-n '$n'" "count"
  [ ! -e maison.cpp ] || echec "-n '$n' wrote a file"
done
lance 1 -x maison.wrl; sortie_vide "-x"; une_ligne "-x" "-x" "usage: orlevan-export"
lance 1 --bogus maison.wrl; sortie_vide "--bogus"; une_ligne "--bogus" "--bogus" "usage:"
lance 1; sortie_vide "no scene"; une_ligne "no scene" "usage:"
lance 1 maison.wrl autre.wrl; sortie_vide "two scenes"; une_ligne "two scenes" "usage:"
lance 1 maison.wrl -o; sortie_vide "-o without a value"; une_ligne "-o without a value" "-o"
grep -q '^orlevan-export: ' erreur || echec "messages begin with the program's name"

# A scene that cannot be read: one line naming it, non-zero, nothing written.
lance 1 absente.wrl
sortie_vide "missing scene"; une_ligne "missing scene" absente.wrl "No such file"
[ ! -e absente.cpp ] || echec "missing scene wrote a file"
lance 1 -o - scenes
sortie_vide "a folder as scene"; une_ligne "a folder as scene" scenes

# Outputs that cannot be written: one line naming the path and the reason.
lance 1 -o /dev/full maison.wrl
sortie_vide "/dev/full"; une_ligne "/dev/full" /dev/full "No space left on device"
lance 1 -o absent/x.cpp maison.wrl
sortie_vide "missing folder"; une_ligne "missing folder" absent/x.cpp "No such file or directory"
"$exporte" -o - maison.wrl >/dev/full 2>erreur
[ $? -ne 0 ] || echec "-o - into /dev/full exited 0"
une_ligne "-o - into /dev/full" "standard output" "No space left on device"
ln -s /dev/full plein.cpp; cp maison.wrl plein.wrl
lance 1 plein.wrl
sortie_vide "derived name on /dev/full"; une_ligne "derived name on /dev/full" plein.cpp "No space"
# The scene itself is never overwritten (t.cpp derives t.cpp).
cp maison.wrl t.cpp
lance 1 t.cpp
une_ligne "scene named like its output" t.cpp
pareil maison.wrl t.cpp "scene named like its output"
cp maison.wrl garde.wrl
lance 1 -o garde.wrl garde.wrl
une_ligne "-o the scene itself" garde.wrl
pareil maison.wrl garde.wrl "-o the scene itself"
# A derived name longer than 299 characters is refused, not cut.
long=$(printf 'x%.0s' $(seq 1 200))
mkdir "$long"; cp maison.wrl "$long/$(printf 'y%.0s' $(seq 1 97))"
lance 1 "$long/$(printf 'y%.0s' $(seq 1 97))"
sortie_vide "long name"; une_ligne "long name" "longer than"
[ "$(ls "$long" | wc -l)" -eq 1 ] || echec "long name wrote a file: $(ls "$long")"

[ "$echecs" -eq 0 ] || { echo "$echecs failure(s)" >&2; exit 1; }
echo "orlevan-export: all checks passed"
