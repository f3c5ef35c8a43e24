#!/usr/bin/env bash
# --vrml1 on the real viewer: after GLUT's own options and before the path, it reads
# the full language (here a Group, a Transform and a USE, which the subset skips) and
# draws it, framed, with nothing on either output; without it the subset draws another
# picture (the one cube it finds, unframed) and one line names the types it skipped
# and the option.
source "$(dirname "$0")/commun.bash"

cat >"$travail/groupe.wrl" <<'FIN'
#VRML V1.0 ascii
Group {
  DEF Boite Cube { width 20 height 10 depth 10 }
  Transform { translation 30 0 0 }
  USE Boite
}
FIN
lance -sync --vrml1 "$travail/groupe.wrl"
attendFenetre "Orlevan - $travail/groupe.wrl"
attendImage "$travail/complet.png" pasNoire || echoue "--vrml1 shows nothing"
quitteParEchap
[ -s "$travail/sortie" ] && echoue "standard output is not empty"
[ -s "$travail/erreurs" ] && echoue "standard error is not empty"

lance "$travail/groupe.wrl"
attendFenetre "Orlevan - $travail/groupe.wrl"
attendImage "$travail/sousensemble.png" differe "$travail/complet.png" ||
    echoue "the subset draws what --vrml1 draws"
quitteParEchap
grep -qx "orlevan: $travail/groupe.wrl: Group, Transform skipped; --vrml1 reads them" \
    "$travail/erreurs" || echoue "no line naming the skipped types"
echo "ok"
