#!/usr/bin/env bash
# Writes a benchmark scene on standard output: N Separators, each holding a
# Translation, a Material and one shape, the shapes cycling Cube, Sphere, Cone,
# Cylinder. The groups sit on a square grid inside the viewer's view (x and y in
# -0.9 .. 0.9), so every shape of a drawn frame lands on the screen.
#   genere-scene.sh N            N groups
#   genere-scene.sh -o OCTETS    as many groups as make the file about OCTETS bytes
#   genere-scene.sh -c -o OCTETS the same in the full language (--vrml1): named
#                                groups, comments, Transform, lists in brackets with
#                                commas, parts in parentheses, every fifth group a USE
# The values follow a fixed formula, not a random generator: every machine writes the
# same file.
set -euo pipefail

usage() { echo "usage: genere-scene.sh [-c] N | [-c] -o OCTETS" >&2; exit 2; }
[ $# -ge 1 ] || usage
groupes=0 octets=0 complet=0
if [ "$1" = "-c" ]; then complet=1; shift; [ $# -ge 1 ] || usage; fi
if [ "$1" = "-o" ]; then
    [ $# -eq 2 ] || usage
    octets=$2
else
    [ $# -eq 1 ] || usage
    groupes=$1
fi

exec awk -v groupes="$groupes" -v octets="$octets" -v complet="$complet" '
function groupe(i,    cote, x, y, z, pas, taille, forme, t) {
    # In the full language every fifth group is a USE of the one before.
    if (complet && i % 5 == 4) return sprintf("USE G%d  # group %d again\n", i - 1, i - 1)
    # The grid holds the requested groups, or one group per 150 bytes of the size.
    cote = int(sqrt(total - 1)) + 1
    pas = 1.8 / cote
    taille = pas * 0.35
    x = -0.9 + pas * (i % cote + 0.5)
    y = -0.9 + pas * (int(i / cote) % cote + 0.5)
    z = ((i * 7) % 11 - 5) * 0.1
    if (complet) {
        t = sprintf("DEF G%d Separator {  # group %d\n", i, i)
        t = t sprintf("  Transform { translation %.4f %.4f %.4f }\n", x, y, z)
        t = t sprintf("  Material { diffuseColor [ %.3f %.3f %.3f, ] shininess [ %.2f ] }\n",
                      (i % 5) * 0.2, (i % 7) / 7, (i % 3) * 0.4 + 0.2, (i % 4) * 0.25)
    } else {
        t = "Separator {\n"
        t = t sprintf("  Translation { translation %.4f %.4f %.4f }\n", x, y, z)
        t = t sprintf("  Material { diffuseColor %.3f %.3f %.3f shininess %.2f }\n",
                      (i % 5) * 0.2, (i % 7) / 7, (i % 3) * 0.4 + 0.2, (i % 4) * 0.25)
    }
    forme = i % 4
    if (forme == 0)
        t = t sprintf("  Cube { width %.4f height %.4f depth %.4f }\n",
                      taille * 1.6, taille * 1.4, taille * 1.2)
    else if (forme == 1)
        t = t sprintf("  Sphere { radius %.4f }\n", taille)
    else if (forme == 2)
        t = t sprintf("  Cone { bottomRadius %.4f height %.4f parts ALL }\n",
                      taille, taille * 2)
    else
        t = t sprintf("  Cylinder { radius %.4f height %.4f parts %s }\n",
                      taille * 0.8, taille * 2, complet ? "( SIDES | BOTTOM )" : "SIDES|BOTTOM")
    return t "}\n"
}
BEGIN {
    total = groupes > 0 ? groupes : int(octets / 150) + 1
    printf "#VRML V1.0 ascii\n\n"
    ecrits = 18
    for (i = 0; groupes > 0 ? i < groupes : ecrits < octets; i++) {
        t = groupe(i)
        printf "%s", t
        ecrits += length(t)
    }
}'
