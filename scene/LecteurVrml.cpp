#include "scene/LecteurVrml.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <functional>

#include "properties/LumieresVrml.h"
#include "properties/ProprietesVrml.h"
#include "properties/TransformsVrml.h"
#include "scene/Groupes.h"
#include "scene/Monde.h"
#include "shapes/Ensembles.h"
#include "shapes/PrimitivesVrml.h"
#include "viewer/CamerasVrml.h"

namespace vrml1 {

bool litFichier(FILE* in, std::string* texte) {
    texte->clear();
    struct stat e;
    if (fstat(fileno(in), &e) == 0 && S_ISREG(e.st_mode) && e.st_size > 0)
        texte->reserve(static_cast<size_t>(e.st_size) + 1);
    char tampon[65536];
    size_t lus;
    while ((lus = fread(tampon, 1, sizeof tampon, in)) > 0) texte->append(tampon, lus);
    return !ferror(in);
}

size_t apresEntete(const std::string& texte) {
    static const char entete[] = "#VRML V1.0 ascii";
    if (texte.compare(0, sizeof entete - 1, entete) != 0) return std::string::npos;
    size_t fin = texte.find_first_of("\n\r", sizeof entete - 1);
    return fin == std::string::npos ? texte.size() : fin;
}

// The 36 node types of the standard.
template <class T>
static Noeud* fabrique() {
    return new T;
}
static const std::pair<const char*, Noeud* (*)()> types[] = {
    {"AsciiText", fabrique<AsciiText>},
    {"Cone", fabrique<Cone>},
    {"Coordinate3", fabrique<Coordinate3>},
    {"Cube", fabrique<Cube>},
    {"Cylinder", fabrique<Cylinder>},
    {"DirectionalLight", fabrique<DirectionalLight>},
    {"FontStyle", fabrique<FontStyle>},
    {"Group", fabrique<Group>},
    {"IndexedFaceSet", fabrique<IndexedFaceSet>},
    {"IndexedLineSet", fabrique<IndexedLineSet>},
    {"Info", fabrique<Info>},
    {"LOD", fabrique<Lod>},
    {"Material", fabrique<Material>},
    {"MaterialBinding", fabrique<MaterialBinding>},
    {"MatrixTransform", fabrique<MatrixTransform>},
    {"Normal", fabrique<Normal>},
    {"NormalBinding", fabrique<NormalBinding>},
    {"OrthographicCamera", fabrique<OrthographicCamera>},
    {"PerspectiveCamera", fabrique<PerspectiveCamera>},
    {"PointLight", fabrique<PointLight>},
    {"PointSet", fabrique<PointSet>},
    {"Rotation", fabrique<Rotation>},
    {"Scale", fabrique<Scale>},
    {"Separator", fabrique<Separator>},
    {"ShapeHints", fabrique<ShapeHints>},
    {"Sphere", fabrique<Sphere>},
    {"SpotLight", fabrique<SpotLight>},
    {"Switch", fabrique<Switch>},
    {"Texture2", fabrique<Texture2>},
    {"Texture2Transform", fabrique<Texture2Transform>},
    {"TextureCoordinate2", fabrique<TextureCoordinate2>},
    {"Transform", fabrique<Transform>},
    {"TransformSeparator", fabrique<TransformSeparator>},
    {"Translation", fabrique<Translation>},
    {"WWWAnchor", fabrique<WWWAnchor>},
    {"WWWInline", fabrique<WWWInline>},
};

bool estTypeStandard(std::string_view nom) {
    for (const auto& t : types)
        if (nom == t.first) return true;
    return false;
}

Noeud* Lecteur::cree(std::string_view type) {
    for (const auto& t : types)
        if (egal(type, t.first)) {
            Noeud* n = t.second();
            monde.ajoute(n);
            n->fichier = lex->fichier;
            n->ligne = lex->ligne;
            return n;
        }
    return nullptr;
}

void Lecteur::litTexte(const std::string& texte, size_t debut, const char* chemin,
                       Groupe* parent, Etat& etat) {
    Lexeur lexeur(texte.c_str() + debut, texte.size() - debut, chemin);
    lexeur.ligne = 1;
    lex = &lexeur;
    const char* barre = strrchr(chemin, '/');
    dossier = barre ? std::string(chemin, barre - chemin + 1) : "";
    while (!lex->fini()) {
        std::string_view mot = lex->mot();
        if (mot.empty()) {
            monde.messages.signale(Probleme::Syntaxe, *lex, "unexpected '%c'", lex->regarde());
            lex->sauteJeton();
            continue;
        }
        litNoeud(mot, parent, etat);
    }
}

// Skips the rest of a block whose "{" has been read, strings and nested blocks
// included, without recursion.
void Lecteur::sauteBloc() {
    int niveau = 1;
    while (niveau > 0 && !lex->fini()) {
        char c = lex->regarde();
        if (c == '{') ++niveau;
        else if (c == '}') --niveau;
        lex->sauteJeton();
    }
}

void Lecteur::litNoeud(std::string_view premier, Groupe* parent, Etat& etat) {
    std::string_view nom;
    bool def = premier == "DEF";
    if (def || premier == "USE") {
        nom = lex->mot();
        if (!def) {
            Noeud* n = noms.cherche(nom);
            if (!n) {
                monde.messages.signale(Probleme::Nom, *lex, "USE of unknown name '%.*s'",
                                       static_cast<int>(nom.size()), nom.data());
                return;
            }
            parent->enfants.push_back(n);
            ++n->utilisations;
            n->metAJour(etat);
            return;
        }
        premier = lex->mot();
    }
    std::string type(premier);
    if (!lex->prend('{')) {
        monde.messages.signale(Probleme::Syntaxe, *lex, "'{' expected after '%s'", type.c_str());
        return;
    }
    if (profondeur >= PROFONDEUR_MAX_VRML) {
        monde.messages.signale(Probleme::Profondeur, *lex,
                               "nodes nested deeper than %d levels; this block is skipped",
                               PROFONDEUR_MAX_VRML);
        sauteBloc();
        return;
    }
    Noeud* n = cree(type);
    ++profondeur;
    if (n) {
        parent->enfants.push_back(n);
        litBloc(n, etat);
    } else {
        n = litExtension(type, parent, etat);
    }
    --profondeur;
    if (!n) return;
    n->utilisations = 1;
    // The name is known from here on: a USE inside the node itself cannot make a cycle.
    if (def) noms.definit(nom, n);
}

// Declared fields and their types, from "fields [ SFFloat a, MFString isA ]".
using Declarations = std::vector<std::pair<std::string, TypeChamp>>;

static Declarations litDeclarations(Lexeur& lex) {
    Declarations d;
    if (!lex.prend('[')) return d;
    while (!lex.fini() && !lex.prend(']')) {
        std::string_view t = lex.mot();
        std::string_view n = lex.mot();
        if (t.empty() || n.empty()) {
            if (lex.regarde() == '}') break;
            lex.sauteJeton();
            continue;
        }
        d.emplace_back(std::string(n), typeDepuisNom(t));
    }
    return d;
}

// A type outside the standard: with "fields [...]" its fields are read by their
// declared types and thrown away, and the first standard type of its isA list, if
// any, takes the fields it knows; without a description, the block is skipped.
Noeud* Lecteur::litExtension(std::string_view type, Groupe* parent, Etat& etat) {
    auto debut = lex->marque();
    if (lex->mot() != "fields" || lex->regarde() != '[') {
        lex->retourne(debut);
        monde.messages.signale(Probleme::NoeudInconnu, *lex, "unknown node type '%.*s' skipped",
                               static_cast<int>(type.size()), type.data());
        sauteBloc();
        return nullptr;
    }
    Declarations declarees = litDeclarations(*lex);
    Noeud* reel = nullptr;
    Group ignores;  // the children of a node that stands for nothing
    Etat etatIgnores = etat;
    Champs champs;
    for (;;) {
        char c = lex->regarde();
        if (c == '}' || c == '\0') {
            if (!lex->prend('}'))
                monde.messages.signale(Probleme::Fin, *lex, "the file ends inside a node");
            break;
        }
        std::string_view mot = lex->mot();
        if (mot.empty()) {
            lex->sauteJeton();
            continue;
        }
        if (mot == "isA" && !reel) {
            std::vector<std::string> isA;
            lisChamp(*lex, monde.messages, Champ{"isA", TypeChamp::MFString, &isA, nullptr});
            for (const std::string& t : isA)
                if ((reel = cree(t))) {
                    reel->champs(champs);
                    parent->enfants.push_back(reel);
                    break;
                }
            continue;
        }
        if (const Champ* ch = champs.cherche(mot)) {
            lisChamp(*lex, monde.messages, *ch);
            continue;
        }
        const std::pair<std::string, TypeChamp>* declaree = nullptr;
        for (const auto& d : declarees)
            if (mot == d.first) declaree = &d;
        if (declaree) {
            sauteValeur(*lex, monde.messages, declaree->second);
        } else if (reel && reel->estGroupe()) {
            litNoeud(mot, static_cast<Groupe*>(reel), etat);
        } else {
            litNoeud(mot, &ignores, etatIgnores);
        }
    }
    if (reel) {
        reel->prepare(etat);
        reel->metAJour(etat);
    }
    return reel;
}

// After a field name the node does not have: the tokens up to the next name of one
// of its fields, or the end of the block; a block in between is skipped whole.
void Lecteur::sauteInconnu(const Champs& champs) {
    for (;;) {
        char c = lex->regarde();
        if (c == '}' || c == '\0') return;
        if (c == '[') {
            lex->prend('[');
            while (!lex->fini() && lex->regarde() != '}' && !lex->prend(']')) lex->sauteJeton();
            continue;
        }
        if (c == '{') {  // a node where none can stand: skipped whole
            lex->prend('{');
            sauteBloc();
            continue;
        }
        auto avant = lex->marque();
        std::string_view mot = lex->mot();
        if (mot.empty()) {
            lex->sauteJeton();
            continue;
        }
        if (champs.cherche(mot)) {
            lex->retourne(avant);
            return;
        }
    }
}

// A Switch that chooses one child and a LOD read each child from the state before
// them (a Switch keeps the chosen child's state after it); the other groups read their
// children in order from etat, which is the group's own copy when it keeps its state.
void Lecteur::litEnfant(std::string_view premier, Groupe* g, Etat& etat, const Etat& avant,
                        Etat* choisi) {
    int choix = g->enfantChoisi();
    if (choix == Groupe::TOUS) return litNoeud(premier, g, etat);
    Etat e = avant;
    size_t rang = g->enfants.size();
    // A camera in a child that is not drawn (or in a LOD level) sets no view.
    bool ecarte = static_cast<int>(rang) != choix;
    horsChoix += ecarte;
    litNoeud(premier, g, e);
    horsChoix -= ecarte;
    if (g->enfants.size() > rang && static_cast<int>(rang) == choix) *choisi = e;
}

void Lecteur::litBloc(Noeud* n, Etat& etat) {
    Champs champs;
    n->champs(champs);
    Groupe* g = n->estGroupe() ? static_cast<Groupe*>(n) : nullptr;
    // For a group only: the state before it, its children's own copy when it keeps
    // its state, and the state after a Switch's chosen child.
    Etat avant, copie, choisi;
    if (g) avant = copie = choisi = etat;
    bool premier = true;
    for (;;) {
        char c = lex->regarde();
        if (c == '}') {
            lex->prend('}');
            break;
        }
        if (c == '\0') {
            monde.messages.signale(Probleme::Fin, *lex, "the file ends inside %s", n->type());
            break;
        }
        std::string_view mot = lex->mot();
        if (mot.empty()) {
            monde.messages.signale(Probleme::Syntaxe, *lex, "unexpected '%c' in %s", c, n->type());
            lex->sauteJeton();
            continue;
        }
        if (premier && mot == "fields" && lex->regarde() == '[') {
            litDeclarations(*lex);  // a standard node's own description: ignored
            continue;
        }
        premier = false;
        if (const Champ* ch = champs.cherche(mot)) {
            lisChamp(*lex, monde.messages, *ch);
        } else if (g && (mot == "DEF" || mot == "USE" || lex->regarde() == '{')) {
            litEnfant(mot, g, g->portee() == Groupe::TOUT ? copie : etat, avant, &choisi);
        } else {
            monde.messages.signale(Probleme::ChampInconnu, *lex, "unknown field '%.*s' in %s",
                                   static_cast<int>(mot.size()), mot.data(), n->type());
            sauteInconnu(champs);
        }
    }
    if (g) {
        if (g->estInline()) litInline(static_cast<WWWInline*>(g), copie);
        if (g->portee() == Groupe::MATRICE) etat.matrice = avant.matrice;
        else if (g->portee() == Groupe::AUCUNE && g->enfantChoisi() != Groupe::TOUS) etat = choisi;
    }
    n->prepare(etat);
    n->metAJour(etat);
    if (n->estCamera() && horsChoix == 0) monde.noteCamera(static_cast<Camera*>(n), etat.matrice);
}

void Lecteur::litInline(WWWInline* n, Etat& etat) {
    std::string nom = n->name;
    if (nom.empty()) return;
    // A scheme: letters, digits, "+", "-", "." before a ":".
    size_t deuxPoints = nom.find(':');
    size_t finSchema = nom.find_first_not_of(
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789+-.");
    if (deuxPoints != std::string::npos && deuxPoints == finSchema && deuxPoints > 1) {
        if (nom.compare(0, 5, "file:") != 0) {
            monde.messages.signale(Probleme::Inline, *lex,
                                   "WWWInline '%s' not read: only local files are", nom.c_str());
            return;
        }
        nom.erase(0, 5);
        if (nom.compare(0, 2, "//") == 0) nom.erase(0, nom.find('/', 2));  // file://host/path
    }
    if (nom.empty()) return;
    std::string chemin = nom[0] == '/' ? nom : dossier + nom;
    auto refuse = [&](const char* raison) {
        monde.messages.signale(Probleme::Inline, *lex, "WWWInline '%s' not read: %s",
                               chemin.c_str(), raison);
    };
    if (static_cast<int>(ouverts.size()) > INLINES_MAX) return refuse("inlines nested too deep");
    FILE* in = fopen(chemin.c_str(), "r");
    if (!in) return refuse(strerror(errno));
    struct stat e;
    std::string texte;
    bool lisible = fstat(fileno(in), &e) == 0 && (S_ISREG(e.st_mode) || S_ISFIFO(e.st_mode));
    bool cycle = false;
    for (const auto& o : ouverts) cycle |= o.first == e.st_dev && o.second == e.st_ino;
    bool lu = lisible && !cycle && litFichier(in, &texte);
    fclose(in);
    if (!lisible) return refuse("not a regular file or a pipe");
    if (cycle) return refuse("it is already being read (a cycle)");
    if (!lu) return refuse(strerror(errno));
    size_t debut = apresEntete(texte);
    if (debut == std::string::npos) return refuse("it does not begin with \"#VRML V1.0 ascii\"");

    // A file of its own: its own names, folder and lexer; the same state and depth.
    Lexeur* lexAvant = lex;
    std::string dossierAvant = dossier;
    Noms nomsAvant;
    nomsAvant.echange(noms);
    ouverts.emplace_back(e.st_dev, e.st_ino);
    monde.ajouteChemin(chemin);
    litTexte(texte, debut, monde.dernierChemin(), n, etat);
    ouverts.pop_back();
    noms.echange(nomsAvant);
    dossier = dossierAvant;
    lex = lexAvant;
}

}  // namespace vrml1
