#ifndef ORLEVAN_LIAISONS_H
#define ORLEVAN_LIAISONS_H

#include "shapes/Maillage.h"

namespace vrml1 {

// Which of a bound list's values (materials or normals) a vertex of a mesh takes, by
// the binding. The builders walk coordIndex and give, for each vertex, its position j
// in coordIndex, the number of its face or polyline, of its part (the face for faces,
// the segment for lines) and of the vertex itself among all of them.
struct Choix {
    int liaison = OVERALL;           // never DEFAULT: the shape resolved it
    const int32_t* index = nullptr;  // the _INDEXED field; null when left at [-1]
    long nbIndex = 0;
    const int32_t* coordIndex = nullptr;
    long nbValeurs = 0;              // values in the state (at least one)
    long* manquants = nullptr;       // counts the values asked for beyond the last

    Choix(int liaison, const int32_t* index, long nbIndex, const int32_t* coordIndex,
          long nbValeurs, long* manquants);
    long valeur(long j, long face, long partie, long sommet) const;

private:
    long indexe(long k) const;
    long borne(long i) const;
};

// The binding DEFAULT stands for, by shape.
inline int resous(int liaison, int parDefaut) { return liaison == DEFAULT ? parDefaut : liaison; }

// True when the bound materials give more than one colour: otherwise the shape is
// drawn in the material itself, as with OVERALL.
bool plusieursCouleurs(const EntreeMaillage& e);
// Values of the material cycle: the longer of the diffuse colours and transparencies.
long nbMateriaux(const EntreeMaillage& e);
// The colour of material m (its diffuse colour and 1 - its transparency, each
// component repeating its last value past its end) as r g b a bytes.
void couleur(const EntreeMaillage& e, long m, unsigned char c[4]);
// The base colour: the first material value, as unlit shapes show it.
void couleurBase(const EntreeMaillage& e, float base[4]);

}  // namespace vrml1

#endif
