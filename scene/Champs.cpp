#include "scene/Champs.h"

#include <cstring>

#include "scene/Lexeur.h"
#include "scene/MessagesVrml.h"

namespace vrml1 {

static const char* nomsTypes[] = {
    "SFBitMask", "SFBool", "SFColor", "SFEnum", "SFFloat", "SFImage", "SFLong", "SFMatrix",
    "SFRotation", "SFString", "SFVec2f", "SFVec3f", "MFColor", "MFFloat", "MFLong",
    "MFString", "MFVec2f", "MFVec3f",
};

TypeChamp typeDepuisNom(std::string_view nom) {
    for (int t = 0; t < static_cast<int>(TypeChamp::Inconnu); ++t)
        if (nom == nomsTypes[t]) return static_cast<TypeChamp>(t);
    return TypeChamp::Inconnu;
}

const Champ* Champs::cherche(std::string_view nom) const {
    for (int i = 0; i < nombre; ++i)
        if (egal(nom, table[i].nom)) return &table[i];
    return nullptr;
}

const char* nomMot(const Mot* mots, int valeur) {
    for (const Mot* m = mots; m && m->nom; ++m)
        if (m->valeur == valeur) return m->nom;
    return "";
}

namespace {

// One value of each type: false when the text does not hold one.
bool floats(Lexeur& lex, float* v, int n) {
    for (int i = 0; i < n; ++i)
        if (!lex.litFloat(&v[i])) return false;
    return true;
}

bool booleen(Lexeur& lex, bool* v) {
    int32_t n;
    if (lex.litLong(&n)) {
        *v = n != 0;
        return true;
    }
    std::string_view m = lex.mot();
    if (m == "TRUE") *v = true;
    else if (m == "FALSE") *v = false;
    else return false;
    return true;
}

// An enumerated word, or a number for its value.
bool motEnum(Lexeur& lex, const Mot* mots, int* v) {
    int32_t n;
    if (lex.litLong(&n)) {
        *v = n;
        return true;
    }
    std::string_view m = lex.mot();
    for (const Mot* e = mots; e && e->nom; ++e)
        if (m == e->nom) {
            *v = e->valeur;
            return true;
        }
    return false;
}

// One flag, or "( flag | flag ... )"; flags may be numbers.
bool masque(Lexeur& lex, const Mot* mots, int* v) {
    if (!lex.prend('(')) return motEnum(lex, mots, v);
    int bits = 0;
    bool bon = true;
    do {
        if (lex.regarde() == ')') break;
        int bit = 0;
        if (motEnum(lex, mots, &bit)) bits |= bit;
        else bon = false;
    } while (lex.prend('|'));
    while (!lex.fini() && !lex.prend(')')) {  // whatever stands before the ")"
        bon = false;
        if (lex.regarde() == '}') return false;
        lex.sauteJeton();
    }
    *v = bits;
    return bon;
}

bool image(Lexeur& lex, Image* im) {
    int32_t t[3];
    for (int32_t& x : t)
        if (!lex.litLong(&x)) return false;
    im->largeur = t[0];
    im->hauteur = t[1];
    im->composantes = t[2];
    im->pixels.clear();
    if (t[0] <= 0 || t[1] <= 0) return t[0] >= 0 && t[1] >= 0;
    // Pixels are taken while numbers come, never more than announced: a false size
    // cannot make the reader reserve memory that the text does not fill.
    int64_t attendus = static_cast<int64_t>(t[0]) * t[1];
    int32_t pixel;
    while (static_cast<int64_t>(im->pixels.size()) < attendus && lex.litLong(&pixel))
        im->pixels.push_back(static_cast<uint32_t>(pixel));
    return static_cast<int64_t>(im->pixels.size()) == attendus;
}

// One value of a single-valued type into its member.
bool valeurSimple(Lexeur& lex, TypeChamp type, void* a, const Mot* mots) {
    switch (type) {
    case TypeChamp::SFBitMask: return masque(lex, mots, static_cast<int*>(a));
    case TypeChamp::SFBool: return booleen(lex, static_cast<bool*>(a));
    case TypeChamp::SFColor:
    case TypeChamp::SFVec3f: return floats(lex, &static_cast<Vec3*>(a)->x, 3);
    case TypeChamp::SFEnum: return motEnum(lex, mots, static_cast<int*>(a));
    case TypeChamp::SFFloat: return lex.litFloat(static_cast<float*>(a));
    case TypeChamp::SFImage: return image(lex, static_cast<Image*>(a));
    case TypeChamp::SFLong: return lex.litLong(static_cast<int32_t*>(a));
    case TypeChamp::SFMatrix: return floats(lex, static_cast<Matrice*>(a)->m, 16);
    case TypeChamp::SFRotation: return floats(lex, static_cast<Rotation4*>(a)->axe, 4);
    case TypeChamp::SFString: return lex.litChaine(static_cast<std::string*>(a));
    case TypeChamp::SFVec2f: return floats(lex, &static_cast<Vec2*>(a)->x, 2);
    default: return false;
    }
}

// The values of a multiple-valued field: one value, or any number in brackets.
template <class T, class Lit>
bool liste(Lexeur& lex, std::vector<T>* v, Lit lit) {
    v->clear();
    T x;
    if (!lex.prend('[')) {
        if (!lit(&x)) return false;
        v->push_back(x);
        return true;
    }
    while (lit(&x)) v->push_back(x);
    if (lex.prend(']')) return true;
    // A value that does not scan: the rest of the list is skipped up to its "]".
    while (!lex.fini() && lex.regarde() != '}' && !lex.prend(']')) lex.sauteJeton();
    return false;
}

bool valeur(Lexeur& lex, TypeChamp type, void* a, const Mot* mots) {
    switch (type) {
    case TypeChamp::MFColor:
    case TypeChamp::MFVec3f:
        return liste(lex, static_cast<std::vector<Vec3>*>(a),
                     [&](Vec3* x) { return floats(lex, &x->x, 3); });
    case TypeChamp::MFVec2f:
        return liste(lex, static_cast<std::vector<Vec2>*>(a),
                     [&](Vec2* x) { return floats(lex, &x->x, 2); });
    case TypeChamp::MFFloat:
        return liste(lex, static_cast<std::vector<float>*>(a),
                     [&](float* x) { return lex.litFloat(x); });
    case TypeChamp::MFLong:
        return liste(lex, static_cast<std::vector<int32_t>*>(a),
                     [&](int32_t* x) { return lex.litLong(x); });
    case TypeChamp::MFString:
        return liste(lex, static_cast<std::vector<std::string>*>(a), [&](std::string* x) {
            char c = lex.regarde();
            return c != ']' && c != '}' && c != '\0' && lex.litChaine(x);
        });
    default:
        return valeurSimple(lex, type, a, mots);
    }
}

// Storage for a value that is thrown away.
struct Poubelle {
    int entier;
    bool booleen;
    float nombres[16];
    int32_t long_;
    Image image;
    std::string chaine;
    std::vector<Vec3> v3;
    std::vector<Vec2> v2;
    std::vector<float> f;
    std::vector<int32_t> l;
    std::vector<std::string> s;
    void* pour(TypeChamp t) {
        switch (t) {
        case TypeChamp::SFBool: return &booleen;
        case TypeChamp::SFImage: return &image;
        case TypeChamp::SFLong: return &long_;
        case TypeChamp::SFString: return &chaine;
        case TypeChamp::MFColor: case TypeChamp::MFVec3f: return &v3;
        case TypeChamp::MFVec2f: return &v2;
        case TypeChamp::MFFloat: return &f;
        case TypeChamp::MFLong: return &l;
        case TypeChamp::MFString: return &s;
        case TypeChamp::SFBitMask: case TypeChamp::SFEnum: return &entier;
        default: return nombres;
        }
    }
};

}  // namespace

// An enum or a mask of an unknown node has no words: any word is taken.
static const Mot aucunMot[] = {{nullptr, 0}};

bool sauteValeur(Lexeur& lex, Messages& messages, TypeChamp type) {
    if (type == TypeChamp::Inconnu) {
        // No type to go by: one token, or a bracketed list.
        if (lex.prend('[')) {
            while (!lex.fini() && lex.regarde() != '}' && !lex.prend(']')) lex.sauteJeton();
        } else {
            lex.sauteJeton();
        }
        return true;
    }
    Poubelle p;
    if (type == TypeChamp::SFEnum || type == TypeChamp::SFBitMask) {
        // Words unknown here: a word, or a parenthesised list of them.
        if (lex.prend('(')) {
            while (!lex.fini() && lex.regarde() != '}' && !lex.prend(')')) lex.sauteJeton();
            return true;
        }
        if (lex.mot().empty()) return lisChamp(lex, messages, Champ{"", type, p.pour(type), aucunMot});
        return true;
    }
    return lisChamp(lex, messages, Champ{"", type, p.pour(type), aucunMot});
}

bool lisChamp(Lexeur& lex, Messages& messages, const Champ& champ) {
    if (champ.type == TypeChamp::Inconnu) return sauteValeur(lex, messages, champ.type);
    if (valeur(lex, champ.type, champ.adresse, champ.mots)) return true;
    messages.signale(Probleme::Valeur, lex, "bad value for field '%s' (%s)", champ.nom,
                     nomsTypes[static_cast<int>(champ.type)]);
    return false;
}

}  // namespace vrml1
