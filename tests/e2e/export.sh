#!/usr/bin/env bash
# orlevan-export end to end: options, defaults (count 72, the save command's derived
# name), -o -, exit statuses, and one-line messages on standard error with standard
# output kept clean. Expected files are written here by hand.
source "$(dirname "$0")/harnais.bash"

# exporte STATUS ARGS...: runs the converter, which must exit 0, or not 0 for STATUS 1.
exporte() {
  local attendu=$1; shift
  [ "$attendu" = 0 ] || attendu='!0'
  execute "$attendu" "$EXPORTE" "$@"
}
identiques() { cmp -s "$1" "$2" || { echec "$3: files differ"; diff "$1" "$2" >&2; }; }

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
  exporte 0 $aide
  grep -q '^usage: orlevan-export \[-n COUNT\] \[-o OUTPUT\] SCENE' sortie || echec "$aide: no usage"
  vide erreurs "$aide"
done

# Defaults: count 72, output beside the scene under the derived name.
exporte 0 maison.wrl
vide sortie defaults; vide erreurs defaults
attendu 72 >attendu72
identiques attendu72 maison.cpp "defaults"

# -n and -o, in either order, -o replacing an existing file.
echo old >autre.c
exporte 0 -o autre.c -n 5 maison.wrl
attendu 5 >attendu5
identiques attendu5 autre.c "-n 5 -o autre.c"
exporte 0 -n 3 -o autre.c maison.wrl
attendu 3 >attendu3
identiques attendu3 autre.c "-n 3"

# -o -: the file on standard output, nothing written beside the scene.
rm -f maison.cpp
exporte 0 -o - -n 80 maison.wrl
attendu 80 >attendu80
identiques attendu80 sortie "-o -"
vide erreurs "-o -"
[ ! -e maison.cpp ] || echec "-o - also wrote maison.cpp"

# The derived name looks for the "." in the last component only.
mkdir -p scenes old.files travail.d
cp maison.wrl scenes/house.wrl; cp maison.wrl old.files/scene.wrl; cp maison.wrl a.b.wrl
cp maison.wrl sansextension
(cd travail.d && "$EXPORTE" ../scenes/house.wrl) || echec "../scenes/house.wrl"
identiques attendu72 scenes/house.cpp "../scenes/house.wrl"
[ ! -e .cpp ] && [ ! -e travail.d/.cpp ] || echec "../scenes/house.wrl wrote .cpp"
exporte 0 old.files/scene.wrl
identiques attendu72 old.files/scene.cpp "old.files/scene.wrl"
[ ! -e old.cpp ] || echec "old.files/scene.wrl wrote old.cpp"
exporte 0 ./a.b.wrl
identiques attendu72 a.cpp "./a.b.wrl"
exporte 0 sansextension
identiques attendu72 sansextensioncpp "sansextension"

# A file whose first tokens are not "#VRML V1.0": the viewer's empty scene, with its
# warning, and status 0.
printf 'hello world\nCube { }\n' >pasvrml.wrl
exporte 0 pasvrml.wrl
vide sortie "bad header"
une_ligne "bad header" pasvrml.wrl
{ entete; echo '}'; } >vide.cpp
identiques vide.cpp pasvrml.cpp "bad header"

# Bad counts and options: a message and usage or one line, status non-zero, no file.
for n in 2 0 -5 abc '' 5x 1e3 99999999999; do
  rm -f maison.cpp
  exporte 1 -n "$n" maison.wrl
  vide sortie "-n '$n'"
  une_ligne "-n '$n'" "count"
  [ ! -e maison.cpp ] || echec "-n '$n' wrote a file"
done
exporte 1 -x maison.wrl; vide sortie "-x"; une_ligne "-x" "-x" "usage: orlevan-export"
exporte 1 --bogus maison.wrl; vide sortie "--bogus"; une_ligne "--bogus" "--bogus" "usage:"
exporte 1; vide sortie "no scene"; une_ligne "no scene" "usage:"
exporte 1 maison.wrl autre.wrl; vide sortie "two scenes"; une_ligne "two scenes" "usage:"
exporte 1 maison.wrl -o; vide sortie "-o without a value"; une_ligne "-o without a value" "-o"
grep -q '^orlevan-export: ' erreurs || echec "messages begin with the program's name"

# A scene that cannot be read: one line naming it, non-zero, nothing written.
exporte 1 absente.wrl
vide sortie "missing scene"; une_ligne "missing scene" absente.wrl "No such file"
[ ! -e absente.cpp ] || echec "missing scene wrote a file"
exporte 1 -o - scenes
vide sortie "a folder as scene"; une_ligne "a folder as scene" scenes

# Outputs that cannot be written: one line naming the path and the reason.
exporte 1 -o /dev/full maison.wrl
vide sortie "/dev/full"; une_ligne "/dev/full" /dev/full "No space left on device"
exporte 1 -o absent/x.cpp maison.wrl
vide sortie "missing folder"; une_ligne "missing folder" absent/x.cpp "No such file or directory"
"$EXPORTE" -o - maison.wrl >/dev/full 2>erreurs
[ $? -ne 0 ] || echec "-o - into /dev/full exited 0"
une_ligne "-o - into /dev/full" "standard output" "No space left on device"
ln -s /dev/full plein.cpp; cp maison.wrl plein.wrl
exporte 1 plein.wrl
vide sortie "derived name on /dev/full"; une_ligne "derived name on /dev/full" plein.cpp "No space"
# The scene itself is never overwritten (t.cpp derives t.cpp).
cp maison.wrl t.cpp
exporte 1 t.cpp
une_ligne "scene named like its output" t.cpp
identiques maison.wrl t.cpp "scene named like its output"
cp maison.wrl garde.wrl
exporte 1 -o garde.wrl garde.wrl
une_ligne "-o the scene itself" garde.wrl
identiques maison.wrl garde.wrl "-o the scene itself"
# A derived name longer than 299 characters is refused, not cut.
long=$(printf 'x%.0s' $(seq 1 200))
mkdir "$long"; cp maison.wrl "$long/$(printf 'y%.0s' $(seq 1 97))"
exporte 1 "$long/$(printf 'y%.0s' $(seq 1 97))"
vide sortie "long name"; une_ligne "long name" "longer than"
[ "$(ls "$long" | wc -l)" -eq 1 ] || echec "long name wrote a file: $(ls "$long")"

fin
