#ifndef ORLEVAN_MONDE_H
#define ORLEVAN_MONDE_H

// A scene read in full VRML 1.0 (--vrml1): its tree, the first camera, the framing
// used when there is none, what was read (for --info), and the saved C file.

#include <cstdio>
#include <deque>
#include <map>
#include <unordered_map>
#include <string>
#include <vector>

#include "scene/Groupes.h"
#include "scene/Mesure.h"
#include "scene/MessagesVrml.h"

namespace vrml1 {

class Camera;

class Monde {
public:
    Separator racine;            // the file's top-level nodes
    std::vector<Noeud*> noeuds;  // every node read, inlines included, in reading order
    std::map<std::string, int> types;        // nodes read per type (once read)
    std::map<std::string, int> nonDessines;  // of those, the types that draw nothing
    Messages messages;

    Camera* camera = nullptr;         // the first camera read, which sets the view
    Transformation matriceCamera;     // the transform it was read under
    bool cadre = false;               // no camera: the scene is framed
    float echelle = 1, centre[3] = {0, 0, 0};

    Monde() = default;
    Monde(const Monde&) = delete;
    ~Monde();  // frees every node (the fuzz target reads millions of scenes)

    // Reads the file open as in (named chemin, with the identity dev/ino); false,
    // after one line on standard error, when it is no VRML 1.0 file.
    bool lit(const char* chemin, FILE* in, dev_t dev, ino_t ino);

    // Draws a frame's worth: the camera or the framing, then the tree.
    void dessine(int nb);
    // The generated C file.
    void enregistre(FILE* out);
    // The first frame played in software with the tessellation count nb.
    Mesure mesure(int nb) const;

    // For the reader.
    void ajoute(Noeud* n);
    void noteCamera(Camera* c, const Transformation& matrice);
    void ajouteChemin(const std::string& chemin) { chemins.push_back(chemin); }
    const char* dernierChemin() const { return chemins.back().c_str(); }

private:
    // The counts while reading, by the address of each class's type name.
    std::unordered_map<const char*, std::pair<int, bool>> comptesTypes;  // count, drawn
    std::deque<std::string> chemins;  // names of the files read, for the nodes' messages
    Transformation vueInitiale() const;
    int64_t travailMax(int nb) const;
    void calculeCadre();
};

}  // namespace vrml1

#endif
