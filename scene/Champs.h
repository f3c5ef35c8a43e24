#ifndef ORLEVAN_CHAMPS_H
#define ORLEVAN_CHAMPS_H

// The field types of VRML 1.0 and the one reader of fields: each node lists its
// fields (name, type, address of the member) in a Champs table, and lisChamp reads a
// value of any type into the member. Defaults are the members' initial values.

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace vrml1 {

class Lexeur;
class Messages;

struct Vec2 {
    float x, y;
};
struct Vec3 {
    float x, y, z;
};
// SFRotation: the axis, then the angle in radians, as the file writes them.
struct Rotation4 {
    float axe[3];
    float angle;
};
// SFMatrix: 16 numbers in the file's order, which is OpenGL's column-major layout
// (the translation is m[12], m[13], m[14]): glMultMatrixf takes it as it is.
struct Matrice {
    float m[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
};
// SFImage: width, height, components, then width * height pixels, bottom row first.
struct Image {
    int32_t largeur = 0, hauteur = 0, composantes = 0;
    std::vector<uint32_t> pixels;
};

enum class TypeChamp {
    SFBitMask, SFBool, SFColor, SFEnum, SFFloat, SFImage, SFLong, SFMatrix, SFRotation,
    SFString, SFVec2f, SFVec3f, MFColor, MFFloat, MFLong, MFString, MFVec2f, MFVec3f,
    Inconnu
};
// The type named by a word of a "fields [ ... ]" list; Inconnu for any other word.
TypeChamp typeDepuisNom(std::string_view nom);

// The words of an SFEnum or SFBitMask field, ended by {nullptr, 0}.
struct Mot {
    const char* nom;
    int valeur;
};

struct Champ {
    const char* nom;
    TypeChamp type;
    void* adresse;     // the member; its C++ type follows from type (see Champs)
    const Mot* mots;   // SFEnum and SFBitMask only
};

// The fields of one node, declared by its champs() in the standard's order.
class Champs {
public:
    void sfBitMask(const char* n, int* v, const Mot* m) { ajoute(n, TypeChamp::SFBitMask, v, m); }
    void sfBool(const char* n, bool* v) { ajoute(n, TypeChamp::SFBool, v); }
    void sfColor(const char* n, Vec3* v) { ajoute(n, TypeChamp::SFColor, v); }
    void sfEnum(const char* n, int* v, const Mot* m) { ajoute(n, TypeChamp::SFEnum, v, m); }
    void sfFloat(const char* n, float* v) { ajoute(n, TypeChamp::SFFloat, v); }
    void sfImage(const char* n, Image* v) { ajoute(n, TypeChamp::SFImage, v); }
    void sfLong(const char* n, int32_t* v) { ajoute(n, TypeChamp::SFLong, v); }
    void sfMatrix(const char* n, Matrice* v) { ajoute(n, TypeChamp::SFMatrix, v); }
    void sfRotation(const char* n, Rotation4* v) { ajoute(n, TypeChamp::SFRotation, v); }
    void sfString(const char* n, std::string* v) { ajoute(n, TypeChamp::SFString, v); }
    void sfVec2f(const char* n, Vec2* v) { ajoute(n, TypeChamp::SFVec2f, v); }
    void sfVec3f(const char* n, Vec3* v) { ajoute(n, TypeChamp::SFVec3f, v); }
    void mfColor(const char* n, std::vector<Vec3>* v) { ajoute(n, TypeChamp::MFColor, v); }
    void mfFloat(const char* n, std::vector<float>* v) { ajoute(n, TypeChamp::MFFloat, v); }
    void mfLong(const char* n, std::vector<int32_t>* v) { ajoute(n, TypeChamp::MFLong, v); }
    void mfString(const char* n, std::vector<std::string>* v) { ajoute(n, TypeChamp::MFString, v); }
    void mfVec2f(const char* n, std::vector<Vec2>* v) { ajoute(n, TypeChamp::MFVec2f, v); }
    void mfVec3f(const char* n, std::vector<Vec3>* v) { ajoute(n, TypeChamp::MFVec3f, v); }

    // The field of that name, or null.
    const Champ* cherche(std::string_view nom) const;

    static const int MAX = 12;
    Champ table[MAX];
    int nombre = 0;

private:
    void ajoute(const char* n, TypeChamp t, void* v, const Mot* m = nullptr) {
        if (nombre < MAX) table[nombre++] = Champ{n, t, v, m};
    }
};

// Reads one value of the field's type into its member (a whole list for the MF
// types: one value, or values in brackets, commas being blanks). False, with one
// message, when the text does not hold such a value; the reading then goes on after
// what could be read. A member of type Inconnu is skipped as one value.
bool lisChamp(Lexeur& lex, Messages& messages, const Champ& champ);
// Reads a value of the given type and throws it away (fields of unknown nodes).
bool sauteValeur(Lexeur& lex, Messages& messages, TypeChamp type);

// True when the view holds exactly the text of mot (no strlen of mot).
inline bool egal(std::string_view vue, const char* mot) {
    return !vue.empty() && mot[0] == vue[0] && strncmp(mot, vue.data(), vue.size()) == 0 &&
           mot[vue.size()] == '\0';
}

// The word of an SFEnum value, or of a bit of an SFBitMask; "" when none matches.
const char* nomMot(const Mot* mots, int valeur);

}  // namespace vrml1

#endif
