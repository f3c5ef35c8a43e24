#include "scene/Lecteur.h"

#include <cctype>
#include <cstdint>

#include "properties/DirectionalLight.h"
#include "properties/Material.h"
#include "properties/PointLight.h"
#include "properties/Rotation.h"
#include "properties/Scale.h"
#include "properties/SpotLight.h"
#include "properties/Translation.h"
#include "scene/Decimal.h"
#include "scene/ListeNoeuds.h"
#include "scene/Separator.h"
#include "shapes/Cone.h"
#include "shapes/Cube.h"
#include "shapes/Cylinder.h"
#include "shapes/Sphere.h"
// The cameras are nodes of the file like any other; their classes live with the view.
#include "viewer/OrthographicCamera.h"
#include "viewer/PerspectiveCamera.h"

static bool lectureInterrompue = false;

void interromptLecture() { lectureInterrompue = true; }
void reprendLecture() { lectureInterrompue = false; }

// The stream's buffered characters not yet read (glibc's FILE: the reader is built
// for glibc only). Reading them here is what fscanf does with them, without its
// parsing of the format and its locking on every call.
static inline const char* debutTampon(FILE* in) { return in->_IO_read_ptr; }
static inline const char* finTampon(FILE* in) { return in->_IO_read_end; }
static inline void consomme(FILE* in, const char* jusque) {
    in->_IO_read_ptr = const_cast<char*>(jusque);
}

// The blanks of fscanf: isspace in the C locale, which the program never leaves.
static inline bool blanc(char c) { return isspace(static_cast<unsigned char>(c)); }

// Skips the buffered blanks: fscanf would skip them first.
static inline const char* sauteBlancs(FILE* in) {
    const char* p = debutTampon(in);
    const char* fin = finTampon(in);
    while (p < fin && blanc(*p)) ++p;
    consomme(in, p);
    return p;
}

bool nombreSimple(FILE* in, float* v) {
    const char* p = sauteBlancs(in);
    const char* fin = finTampon(in);
    bool negatif = p < fin && *p == '-';
    if (p < fin && (*p == '-' || *p == '+')) ++p;
    uint64_t m = 0;
    int chiffres = 0, decimales = 0;
    for (; p < fin && isdigit(static_cast<unsigned char>(*p)) && chiffres < 16; ++p, ++chiffres)
        m = m * 10 + (*p - '0');
    if (p < fin && *p == '.')
        for (++p; p < fin && isdigit(static_cast<unsigned char>(*p)) && chiffres < 16;
             ++p, ++chiffres, ++decimales)
            m = m * 10 + (*p - '0');
    if (chiffres == 0 || p >= fin || !blanc(*p) || !flottantDecimal(m, decimales, negatif, v))
        return false;
    consomme(in, p);
    return true;
}

// A token shorter than taille-1 characters, with the blank after it, straight from
// the buffer; false (at most blanks consumed) when it is not all there.
static bool motTampon(FILE* in, char* mot, size_t taille) {
    const char* debut = sauteBlancs(in);
    const char* fin = finTampon(in);
    if (static_cast<size_t>(fin - debut) > taille - 1) fin = debut + taille - 1;
    const char* p = debut;
    while (p < fin && !blanc(*p)) ++p;
    if (p == debut || p == fin) return false;
    memcpy(mot, debut, p - debut);
    mot[p - debut] = '\0';
    consomme(in, p);
    return true;
}

// Reads a token of at most taille-1 characters; the tail of a longer one is skipped.
static bool litBorne(FILE* in, char* mot, const char* format, size_t taille) {
    if (lectureInterrompue) return false;
    if (motTampon(in, mot, taille)) return true;
    // Only a token that fills the buffer can have a tail: a sentinel in the last
    // place but one spares a strlen on every other token.
    mot[taille - 2] = '\0';
    if (fscanf(in, format, mot) != 1) return false;
    if (mot[taille - 2] != '\0' && strlen(mot) == taille - 1) {
        int c;
        while ((c = getc(in)) != EOF && !isspace(c)) {
        }
    }
    return true;
}

bool litMot(FILE* in, char* mot) { return litBorne(in, mot, "%255s", TAILLE_MOT); }

bool litValeur(FILE* in, char* valeur) {
    return litBorne(in, valeur, "%199s", TAILLE_VALEUR);
}

bool debutChampUnique(FILE* in, const char* champ) {
    char mot[TAILLE_MOT];
    return litMot(in, mot) && litMot(in, mot) && strcmp(mot, champ) == 0;
}

// Creates, appends, then reads: a list is always in the order of the keywords.
template <class T>
static void cree(FILE* in, ListeNoeuds* liste) {
    T* noeud = new T;
    liste->ajoute(noeud);
    noeud->litChamps(in);
}

// A keyword test that looks at the first character before calling strcmp: most
// tokens then cost one comparison per keyword, not a call.
static inline bool est(const char* mot, const char* cle) {
    return mot[0] == cle[0] && strcmp(mot, cle) == 0;
}

// The 22 types of the standard that the subset does not read.
static const char* const autresTypes[] = {
    "AsciiText", "Coordinate3", "FontStyle", "Group", "IndexedFaceSet", "IndexedLineSet",
    "Info", "LOD", "MaterialBinding", "MatrixTransform", "Normal", "NormalBinding",
    "PointSet", "ShapeHints", "Switch", "Texture2", "Texture2Transform",
    "TextureCoordinate2", "Transform", "TransformSeparator", "WWWAnchor", "WWWInline"};
static const int NB_AUTRES = sizeof autresTypes / sizeof *autresTypes;
static bool ignore[NB_AUTRES];
static char listeIgnores[NB_AUTRES * 22];

void oublieTypesIgnores() {
    for (bool& i : ignore) i = false;
    listeIgnores[0] = '\0';
}

const char* typesIgnores() { return listeIgnores; }

// Notes a skipped token that names one of those types. Most skipped tokens are
// numbers and punctuation: the first character rejects them.
static void noteIgnore(const char* mot) {
    if (mot[0] < 'A' || mot[0] > 'W') return;
    for (int i = 0; i < NB_AUTRES; ++i)
        if (!ignore[i] && est(mot, autresTypes[i])) {
            ignore[i] = true;
            if (listeIgnores[0]) strcat(listeIgnores, ", ");
            strcat(listeIgnores, autresTypes[i]);
        }
}

void litNoeud(const char* mot, FILE* in, ListeNoeuds* liste) {
    if      (est(mot, "Separator"))          { char ouvrante[TAILLE_MOT];
                                               litMot(in, ouvrante);
                                               cree<Separator>(in, liste); }
    else if (est(mot, "Cube"))               cree<Cube>(in, liste);
    else if (est(mot, "Sphere"))             cree<Sphere>(in, liste);
    else if (est(mot, "Cone"))               cree<Cone>(in, liste);
    else if (est(mot, "Cylinder"))           cree<Cylinder>(in, liste);
    else if (est(mot, "Translation"))        cree<Translation>(in, liste);
    else if (est(mot, "Rotation"))           cree<Rotation>(in, liste);
    else if (est(mot, "Scale"))              cree<Scale>(in, liste);
    else if (est(mot, "Material"))           cree<Material>(in, liste);
    else if (est(mot, "OrthographicCamera")) cree<OrthographicCamera>(in, liste);
    else if (est(mot, "PerspectiveCamera"))  cree<PerspectiveCamera>(in, liste);
    else if (est(mot, "PointLight"))         cree<PointLight>(in, liste);
    else if (est(mot, "SpotLight"))          cree<SpotLight>(in, liste);
    else if (est(mot, "DirectionalLight"))   cree<DirectionalLight>(in, liste);
    else                                     noteIgnore(mot);
}
