#include "bench/plancher_dessin.h"

#include <GL/glut.h>

#include "properties/Material.h"
#include "properties/Translation.h"
#include "scene/Separator.h"
#include "shapes/Cone.h"
#include "shapes/Cube.h"
#include "shapes/Cylinder.h"
#include "shapes/Solides.h"
#include "shapes/Sphere.h"
#include "viewer/Viewer.h"

enum : uint8_t { DEBUT, FIN, NORMALE, SOMMET, EMPILE, DEPILE, TRANSLATION, MATIERE };

// The primitives compiled with capture.h.
void captureSolidCube(float width, float height, float depth, int n);
void captureSolidSphere(float radius, int n);
void captureSolidCone(float bottomRadius, float height, int n, int flags);
void captureSolidCylindre(float radius, float height, int n, int flags);

static Appels* courant;

static void trois(uint8_t op, GLfloat x, GLfloat y, GLfloat z) {
    courant->ops.push_back(op);
    courant->valeurs.insert(courant->valeurs.end(), {x, y, z});
}

void captureBegin(GLenum mode) {
    courant->ops.push_back(DEBUT);
    courant->enums.push_back(mode);
}
void captureEnd() { courant->ops.push_back(FIN); }
void captureNormal3f(GLfloat x, GLfloat y, GLfloat z) { trois(NORMALE, x, y, z); }
void captureNormal3fv(const GLfloat* v) { trois(NORMALE, v[0], v[1], v[2]); }
void captureVertex3f(GLfloat x, GLfloat y, GLfloat z) {
    trois(SOMMET, x, y, z);
    ++courant->sommets;
}
void capturePushMatrix() { courant->ops.push_back(EMPILE); }
void capturePopMatrix() { courant->ops.push_back(DEPILE); }

static void matiere(GLenum parametre, const float* c, GLfloat alpha) {
    courant->ops.push_back(MATIERE);
    courant->enums.push_back(parametre);
    courant->valeurs.insert(courant->valeurs.end(), {c[0], c[1], c[2], alpha});
}

static bool enregistreListe(const ListeNoeuds* liste, int n) {
    for (Maillon* m = liste->tete; m; m = m->suivant) {
        Noeud* noeud = m->noeud;
        if (auto* s = dynamic_cast<Separator*>(noeud)) {
            capturePushMatrix();
            if (!enregistreListe(s->enfants, n)) return false;
            capturePopMatrix();
        } else if (auto* t = dynamic_cast<Translation*>(noeud)) {
            const float* v = t->translation;
            trois(TRANSLATION, v[0], v[1], v[2]);
        } else if (auto* mat = dynamic_cast<Material*>(noeud)) {
            // The values Material::dessine gives OpenGL.
            float alpha = 1.0 - mat->transparency;
            const float sh[3] = {static_cast<GLfloat>(mat->shininess * 128.0), 0, 0};
            matiere(GL_DIFFUSE, mat->diffuseColor, alpha);
            matiere(GL_AMBIENT, mat->ambientColor, alpha);
            matiere(GL_SPECULAR, mat->specularColor, alpha);
            matiere(GL_EMISSION, mat->emissiveColor, alpha);
            matiere(GL_SHININESS, sh, 0);
        } else if (auto* c = dynamic_cast<Cube*>(noeud)) {
            capturePushMatrix();
            captureSolidCube(c->width, c->height, c->depth, n);
            capturePopMatrix();
        } else if (auto* s = dynamic_cast<Sphere*>(noeud)) {
            capturePushMatrix();
            captureSolidSphere(s->radius, n);
            capturePopMatrix();
        } else if (auto* c = dynamic_cast<Cone*>(noeud)) {
            capturePushMatrix();
            captureSolidCone(c->bottomRadius, c->height, n,
                             drapeauxParties(c->parts, SIDES | BOTTOM));
            capturePopMatrix();
        } else if (auto* c = dynamic_cast<Cylinder*>(noeud)) {
            capturePushMatrix();
            captureSolidCylindre(c->radius, c->height, n,
                                 drapeauxParties(c->parts, SIDES | BOTTOM | TOP));
            capturePopMatrix();
        } else {
            return false;
        }
    }
    return true;
}

bool enregistreAppels(const ListeNoeuds* liste, int n, Appels& appels) {
    courant = &appels;
    bool connus = enregistreListe(liste, n);
    courant = nullptr;
    return connus;
}

// The bare loop: one OpenGL call per recorded call, nothing computed.
static void rejoue(const Appels& appels) {
    const GLfloat* v = appels.valeurs.data();
    const GLenum* e = appels.enums.data();
    for (uint8_t op : appels.ops) {
        switch (op) {
        case SOMMET: glVertex3fv(v); v += 3; break;
        case NORMALE: glNormal3fv(v); v += 3; break;
        case DEBUT: glBegin(*e++); break;
        case FIN: glEnd(); break;
        case EMPILE: glPushMatrix(); break;
        case DEPILE: glPopMatrix(); break;
        case TRANSLATION: glTranslatef(v[0], v[1], v[2]); v += 3; break;
        case MATIERE: glMaterialfv(GL_FRONT_AND_BACK, *e++, v); v += 4; break;
        }
    }
}

static const Appels* appelsRejoues;
static void rejoueAppels() { rejoue(*appelsRejoues); }

void imagePlancher(const Appels& appels) {
    // The viewer's own frame, its scene replaced by the replay.
    appelsRejoues = &appels;
    void (*contenu)() = contenuScene;
    contenuScene = rejoueAppels;
    affichage();
    contenuScene = contenu;
}
