#include "scene/Lecteur.h"

#include <cctype>

#include "properties/DirectionalLight.h"
#include "properties/Material.h"
#include "properties/PointLight.h"
#include "properties/Rotation.h"
#include "properties/Scale.h"
#include "properties/SpotLight.h"
#include "properties/Translation.h"
#include "scene/ListeNoeuds.h"
#include "scene/Separator.h"
#include "shapes/Cone.h"
#include "shapes/Cube.h"
#include "shapes/Cylinder.h"
#include "shapes/Sphere.h"
#include "viewer/OrthographicCamera.h"
#include "viewer/PerspectiveCamera.h"

static bool lectureInterrompue = false;

void interromptLecture() { lectureInterrompue = true; }
void reprendLecture() { lectureInterrompue = false; }

// Reads a token of at most taille-1 characters; the tail of a longer one is skipped.
static bool litBorne(FILE* in, char* mot, const char* format, size_t taille) {
    if (lectureInterrompue || fscanf(in, format, mot) != 1) return false;
    if (strlen(mot) == taille - 1) {
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

void litNoeud(const char* mot, FILE* in, ListeNoeuds* liste) {
    if      (!strcmp(mot, "Separator"))          { char ouvrante[TAILLE_MOT];
                                                   litMot(in, ouvrante);
                                                   cree<Separator>(in, liste); }
    else if (!strcmp(mot, "Cube"))               cree<Cube>(in, liste);
    else if (!strcmp(mot, "Sphere"))             cree<Sphere>(in, liste);
    else if (!strcmp(mot, "Cone"))               cree<Cone>(in, liste);
    else if (!strcmp(mot, "Cylinder"))           cree<Cylinder>(in, liste);
    else if (!strcmp(mot, "Translation"))        cree<Translation>(in, liste);
    else if (!strcmp(mot, "Rotation"))           cree<Rotation>(in, liste);
    else if (!strcmp(mot, "Scale"))              cree<Scale>(in, liste);
    else if (!strcmp(mot, "Material"))           cree<Material>(in, liste);
    else if (!strcmp(mot, "OrthographicCamera")) cree<OrthographicCamera>(in, liste);
    else if (!strcmp(mot, "PerspectiveCamera"))  cree<PerspectiveCamera>(in, liste);
    else if (!strcmp(mot, "PointLight"))         cree<PointLight>(in, liste);
    else if (!strcmp(mot, "SpotLight"))          cree<SpotLight>(in, liste);
    else if (!strcmp(mot, "DirectionalLight"))   cree<DirectionalLight>(in, liste);
}
