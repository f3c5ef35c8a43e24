#ifndef ORLEVAN_LECTEURVRML_H
#define ORLEVAN_LECTEURVRML_H

// The reader of the full VRML 1.0 language (--vrml1): nodes of the 36 standard types
// with their fields, DEF/USE, the extension syntax of other types (fields [...] and
// isA), unknown types without it skipped by matching braces, and WWWInline of local
// files. It keeps the traversal state (Etat) while reading, so that each shape is
// prepared once with what the nodes before it set.

#include <sys/types.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "scene/Etat.h"
#include "scene/Lexeur.h"
#include "scene/Noms.h"

namespace vrml1 {

class Monde;
class Noeud;
class Groupe;
class WWWInline;

// Deepest nesting of nodes (groups and inlines together) that the reader follows;
// a deeper block is skipped, so that a crafted file cannot exhaust the stack.
const int PROFONDEUR_MAX_VRML = 1000;
// Deepest chain of WWWInline files.
const int INLINES_MAX = 16;

// The whole content of a file, or false (errno tells why). Reads a pipe as well.
bool litFichier(FILE* in, std::string* texte);
// Where the nodes of a text start: after the header line "#VRML V1.0 ascii";
// std::string::npos when the text does not begin with it.
size_t apresEntete(const std::string& texte);
// True for the name of one of the 36 node types of the standard.
bool estTypeStandard(std::string_view nom);

class Lecteur {
public:
    explicit Lecteur(Monde& monde) : monde(monde) {}

    // Reads the nodes of a text that has passed apresEntete into parent. chemin names
    // the file for messages; relative inline names are taken from its folder.
    void litTexte(const std::string& texte, size_t debut, const char* chemin, Groupe* parent,
                  Etat& etat);

    std::vector<std::pair<dev_t, ino_t>> ouverts;  // the chain of files being read

private:
    Monde& monde;
    Lexeur* lex = nullptr;
    std::string dossier;                    // of the file being read, "" or ending in /
    Noms noms;  // DEF names of the file being read
    int profondeur = 0;                     // nodes open, inlines included
    int horsChoix = 0;  // > 0 inside a Switch child that is not drawn, or a LOD

    void litNoeud(std::string_view premier, Groupe* parent, Etat& etat);
    Noeud* cree(std::string_view type);
    void litBloc(Noeud* n, Etat& etat);
    void litEnfant(std::string_view premier, Groupe* g, Etat& etat, const Etat& avant,
                   Etat* choisi);
    Noeud* litExtension(std::string_view type, Groupe* parent, Etat& etat);
    void sauteBloc();
    void sauteInconnu(const class Champs& champs);
    void litInline(WWWInline* n, Etat& etat);
};

}  // namespace vrml1

#endif
