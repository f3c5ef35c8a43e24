#include "scene/Monde.h"

#include <GL/gl.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <set>

#include "scene/CodeC.h"
#include "scene/LecteurVrml.h"
#include "scene/Messages.h"
#include "scene/Scene.h"
#include "viewer/CamerasVrml.h"

namespace vrml1 {

Monde::~Monde() {
    for (Noeud* n : noeuds) delete n;
}

void Monde::ajoute(Noeud* n) {
    noeuds.push_back(n);
    n->numero = static_cast<int>(noeuds.size());
    auto& compte = comptesTypes[n->type()];
    if (compte.first++ == 0) compte.second = n->dessinable();
}

void Monde::noteCamera(Camera* c, const Transformation& matrice) {
    if (camera) return;
    camera = c;
    matriceCamera = matrice;
}

bool Monde::lit(const char* chemin, FILE* in, dev_t dev, ino_t ino) {
    std::string texte;
    if (!litFichier(in, &texte)) {
        avertit("cannot read %s: %s", chemin, strerror(errno));
        return false;
    }
    size_t debut = apresEntete(texte);
    if (debut == std::string::npos) {
        avertit("%s is not a VRML 1.0 file (it must begin with \"#VRML V1.0 ascii\"); "
                "the scene is empty", chemin);
        return false;
    }
    ajouteChemin(chemin);
    Lecteur lecteur(*this);
    lecteur.ouverts.emplace_back(dev, ino);
    Etat etat;
    etat.messages = &messages;
    lecteur.litTexte(texte, debut, dernierChemin(), &racine, etat);
    messages.bilan(chemin);
    for (const auto& t : comptesTypes) {
        types[t.first] += t.second.first;
        if (!t.second.second) nonDessines[t.first] += t.second.first;
    }
    if (!camera) calculeCadre();
    return true;
}

// The framing: the box of the first frame (LOD chosen as seen without framing; the
// primitives by the boxes around them) set in the middle of the viewer's view, two
// units high, its larger side across the view filling 90 % of the height; its depth
// kept inside the view's -12..12.
void Monde::calculeCadre() {
    Mesure m;
    m.grossiere = true;
    m.travailMax = travailMax(1);  // eight corners a shape
    racine.mesure(m);
    if (m.vide) return;
    cadre = true;
    double d[3];
    for (int i = 0; i < 3; ++i) {
        d[i] = m.max[i] - m.min[i];
        centre[i] = static_cast<float>((m.min[i] + m.max[i]) / 2);
    }
    double cote = std::max(d[0], d[1]);
    double e = cote > 0 ? 1.8 / cote : 1;
    if (d[2] * e > 20) e = 20 / d[2];
    echelle = std::isfinite(e) && e > 0 ? static_cast<float>(e) : 1;
    for (float& c : centre)
        if (!std::isfinite(c)) c = 0;
}

// What the first frame puts before the scene: the camera's view (its orientation,
// position and the transform it was read under, inverted), or the framing.
Transformation Monde::vueInitiale() const {
    Transformation v;
    if (camera) {
        const Rotation4& o = camera->orientation;
        v.tourne(-enDegres(o.angle), o.axe[0], o.axe[1], o.axe[2]);
        v.translate(-camera->position.x, -camera->position.y, -camera->position.z);
        double inverse[16];
        if (matriceCamera.inverse(inverse)) v.multiplie(inverse);
    } else if (cadre) {
        v.echelle(echelle, echelle, echelle);
        v.translate(-centre[0], -centre[1], -centre[2]);
    }
    return v;
}

// Enough work to draw every node read once with its facets (a cube at the count n
// has 12 (n + 1)^2 vertices): the measure of a scene stops only where USE multiplies
// it past its own size.
int64_t Monde::travailMax(int nb) const {
    return 1000000 + 16 * static_cast<int64_t>(noeuds.size()) * (nb + 1) * (nb + 1);
}

Mesure Monde::mesure(int nb) const {
    Mesure m;
    m.nbFacettes = nb;
    m.travailMax = travailMax(nb);
    m.vue = vueInitiale();
    const_cast<Separator&>(racine).mesure(m);
    return m;
}

// The inverse of the camera's transform, when it is not the identity and every
// number of it is finite.
static bool inverseCamera(const Transformation& t, double inverse[16]) {
    static const Transformation identite;
    if (memcmp(t.m, identite.m, sizeof t.m) == 0 || !t.inverse(inverse)) return false;
    for (int i = 0; i < 16; ++i)
        if (!std::isfinite(inverse[i])) return false;
    return true;
}

void Monde::dessine(int nb) {
    nbFacettes = nb;
    double inverse[16];
    if (camera) {
        camera->place();
        if (inverseCamera(matriceCamera, inverse)) glMultMatrixd(inverse);
    } else if (cadre) {
        glScalef(echelle, echelle, echelle);
        glTranslatef(-centre[0], -centre[1], -centre[2]);
    }
    racine.dessine();
}

// The nodes the saved file holds, each once, children before their parents, and how
// many times each is written.
static void parcours(Noeud* n, std::map<Noeud*, int>& fois, std::vector<Noeud*>& ordre) {
    if (fois[n]++) return;
    if (n->estGroupe())
        for (Noeud* e : static_cast<Groupe*>(n)->ecrits()) parcours(e, fois, ordre);
    ordre.push_back(n);
}

void Monde::enregistre(FILE* out) {
    ecritEnteteC(out);

    std::map<Noeud*, int> fois;
    std::vector<Noeud*> ordre;
    parcours(&racine, fois, ordre);
    for (Noeud* n : ordre) n->exporteDeclarations(out);
    // A node written more than once becomes a function, defined before its users.
    int fonctions = 0;
    for (Noeud* n : ordre) {
        if (fois[n] < 2) continue;
        fprintf(out, "static void partage%d(void) {\n", ++fonctions);
        n->exporteCorps(out);
        fprintf(out, "}\n\n");
        n->fonction = fonctions;
    }

    fprintf(out, "void scene(void) {\n");
    double inverse[16];
    if (camera) {
        camera->exportePlace(out);
        if (inverseCamera(matriceCamera, inverse)) {
            fprintf(out, "  { static const double m[16] = {");
            for (int i = 0; i < 16; ++i) fprintf(out, "%s%.17g", i ? "," : " ", inverse[i]);
            fprintf(out, " };\n    glMultMatrixd(m); }\n");
        }
    } else if (cadre) {
        fprintf(out, "  glScalef(");
        for (int i = 0; i < 3; ++i) {
            ecritFlottantExact(out, echelle);
            fputs(i < 2 ? "," : ");\n", out);
        }
        fprintf(out, "  glTranslatef(");
        for (int i = 0; i < 3; ++i) {
            ecritFlottantExact(out, -centre[i]);
            fputs(i < 2 ? "," : ");\n", out);
        }
    }
    racine.exporte(out);
    fprintf(out, "}\n");
    for (Noeud* n : ordre) n->fonction = 0;
}

}  // namespace vrml1
