#!/usr/bin/env bash
# --vrml1 on the real viewer: after GLUT's own options and before the path, it reads
# the full language (here a Group, a Transform and a USE, which the subset skips) and
# draws it, framed, with nothing on either output; without it the subset draws another
# picture (the one cube it finds, unframed) and one line names the types it skipped
# and the option.
source "$(dirname "$0")/harnais.bash"

cat >groupe.wrl <<'FIN'
#VRML V1.0 ascii
Group {
  DEF Boite Cube { width 20 height 10 depth 10 }
  Transform { translation 30 0 0 }
  USE Boite
}
FIN
ouvre -sync --vrml1 "$travail/groupe.wrl"
premiere complet "--vrml1 shows nothing"
quitte
vide sortie "--vrml1"
vide erreurs "--vrml1"

ouvre "$travail/groupe.wrl"
premiere sousensemble "the subset shows nothing"
autre sousensemble complet || echec "the subset draws what --vrml1 draws"
quitte
vide sortie "the subset"
grep -qx "orlevan: $travail/groupe.wrl: Group, Transform skipped; --vrml1 reads them" \
    "$travail/erreurs" || echec "no line naming the skipped types"
fin
