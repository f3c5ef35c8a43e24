#!/usr/bin/env bash
# Writes a benchmark mesh on standard output, in the full VRML 1.0 syntax: a rolling
# terrain of COTE x COTE points (a Coordinate3) and its (COTE-1)^2 squares, each cut
# into two triangles (an IndexedFaceSet of 2 (COTE-1)^2 faces), inside the viewer's
# view (x and y in -0.9 .. 0.9). COTE 708 gives 999,698 triangles, about 40 MB.
# The values follow a fixed formula: every machine writes the same file.
#   genere-maillage.sh COTE
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: genere-maillage.sh COTE" >&2; exit 2; }

exec awk -v cote="$1" '
BEGIN {
    print "#VRML V1.0 ascii\n"
    print "Separator {"
    print "  ShapeHints { vertexOrdering COUNTERCLOCKWISE shapeType SOLID }"
    print "  Coordinate3 { point ["
    pas = 1.8 / (cote - 1)
    for (j = 0; j < cote; ++j) {
        ligne = "   "
        for (i = 0; i < cote; ++i) {
            x = -0.9 + i * pas; y = -0.9 + j * pas
            ligne = ligne sprintf(" %.5f %.5f %.5f,", x, y, 0.15 * sin(7 * x) * cos(5 * y))
        }
        print ligne
    }
    print "  ] }"
    print "  IndexedFaceSet { coordIndex ["
    for (j = 0; j + 1 < cote; ++j) {
        ligne = "   "
        for (i = 0; i + 1 < cote; ++i) {
            a = j * cote + i; b = a + 1; c = a + cote + 1; d = a + cote
            ligne = ligne sprintf(" %d, %d, %d, -1, %d, %d, %d, -1,", a, b, c, a, c, d)
        }
        print ligne
    }
    print "  ] }"
    print "}"
}'
