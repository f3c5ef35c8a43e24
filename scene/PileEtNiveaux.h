#ifndef ORLEVAN_PILEETNIVEAUX_H
#define ORLEVAN_PILEETNIVEAUX_H

// What the full language's groups and the saved files that draw them share, with no
// reader in it (it belongs to the library of the solids): a matrix stack deeper than
// OpenGL's, and LOD's distance rule.

namespace vrml1 {

// The matrix push and pop of the groups: OpenGL's modelview stack holds only 32
// matrices, files nest deeper; past PILE_GL levels the matrix is kept here instead.
// Saved files call the same (empileMatrice/depileMatrice of the run-time library).
const int PILE_GL = 24;
void empileMatrice();
void depileMatrice();

// The distance rule of LOD: the index of the child to draw for a centre c under the
// current OpenGL modelview matrix, or -1 when there are no children.
int niveauLOD(const float c[3], const float* ranges, int nbRanges, int nbEnfants);
// The same rule for a distance already known.
int niveauDistance(double distance, const float* ranges, int nbRanges, int nbEnfants);

}  // namespace vrml1

#endif
