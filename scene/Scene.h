#ifndef ORLEVAN_SCENE_H
#define ORLEVAN_SCENE_H

#include <sys/types.h>

#include <cstdio>

#include "scene/Arene.h"
#include "scene/ListeNoeuds.h"
#include "shapes/Facettes.h"  // nbFacettes, which dessine sets

// The nodes of one loaded VRML 1.0 file.
namespace vrml1 {
class Monde;
}

class Scene {
public:
    // The memory of the tree: its nodes, lists and cells, given back all at once
    // when the scene is destroyed (the viewer and the converter never destroy theirs).
    Arene arene;
    ListeNoeuds* noeuds;  // top-level nodes, in file order
    // With --vrml1: the scene read in the full language (noeuds stays empty).
    vrml1::Monde* monde = nullptr;
    // False when the file could not be opened or is not a file one can read through
    // (a folder, a device): the scene is then empty.
    bool lisible = false;

    // Reads the file. A file that cannot be read, or whose first tokens are not
    // "#VRML" "V1.0", gives an empty scene and one line on standard error.
    // complet (--vrml1): the file is read in the full VRML 1.0 language, whose header
    // is "#VRML V1.0 ascii".
    explicit Scene(const char* chemin, bool complet = false);
    // Gives back the whole tree: the full language's nodes (which hold arrays of
    // their own) through their destructors, then the arena.
    ~Scene();
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    // Draws the whole scene with the given tessellation count, its top-level material
    // and lights confined to the frame as a Separator confines its children's.
    void dessine(int nb);

    // Writes the generated C file. Refuses to overwrite the scene's own file. On
    // failure, one line on standard error and false.
    bool enregistre(const char* chemin) const;
    // Writes the generated C text to an open stream.
    void enregistre(FILE* out) const;
    // True when chemin names the very file the scene was read from.
    bool estSonFichier(const char* chemin) const;

private:
    dev_t peripherique = 0;  // identity of the file read, so that saving never
    ino_t inode = 0;         // writes over it
};

const int TAILLE_NOM = 300;  // room for a path, its terminator included

// The save command's output name: the scene path cut after the first "." of its
// last component, then "cpp" (maison.wrl gives maison.cpp, maison gives maisoncpp).
// False, with one line on standard error, when it does not fit TAILLE_NOM bytes.
bool nomSortie(const char* nomScene, char sortie[TAILLE_NOM]);

// The save command: writes the scene under the name derived from its path.
bool sauvegarde(const Scene* scene, const char* nomScene);

#endif
