// Helpers shared by the in-process tests: scenes and node blocks from strings, the
// generated text of a node or a scene, and a clean OpenGL state for each test.
#ifndef ORLEVAN_TESTS_AIDE_H
#define ORLEVAN_TESTS_AIDE_H

#include <GL/glut.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <ftw.h>
#include <vector>
#include <unistd.h>

#include "scene/Noeud.h"
#include "scene/Scene.h"
#include "viewer/Manipulation.h"

// Keeps an object reachable to the end, as the viewer keeps its tree: trees are never
// freed by design, and the sanitizer build must not take the ones the tests build for
// leaks. The list itself is never destroyed, so it outlasts the exit-time leak check.
template <class T>
T* garde(T* objet) {
    static std::vector<T*>* gardes = new std::vector<T*>;
    gardes->push_back(objet);
    return objet;
}

// A read stream over a literal, for a block reader.
inline FILE* flux(const std::string& texte) {
    return fmemopen(const_cast<char*>(texte.data()), texte.size(), "r");
}

// Reads one node of class T from its block text ("{ width 4 }").
template <class T>
T lit(const std::string& bloc) {
    T noeud;
    FILE* in = flux(bloc);
    noeud.litChamps(in);
    fclose(in);
    return noeud;
}

// What a node writes into the generated file.
inline std::string exporteTexte(Noeud& noeud) {
    char* tampon = nullptr;
    size_t taille = 0;
    FILE* out = open_memstream(&tampon, &taille);
    noeud.exporte(out);
    fclose(out);
    std::string texte(tampon, taille);
    free(tampon);
    return texte;
}

inline int effaceEntree(const char* chemin, const struct stat*, int, struct FTW*) {
    return remove(chemin);
}

// The test process's own temporary folder, made at the first use; it is removed with
// everything in it when the process ends, so that no test leaves a file behind.
inline const std::string& dossierDesTests() {
    static std::string dossier;
    if (dossier.empty()) {
        char modele[] = "/tmp/orlevan-test-XXXXXX";
        dossier = mkdtemp(modele);
        atexit([] { nftw(dossier.c_str(), effaceEntree, 8, FTW_DEPTH | FTW_PHYS); });
    }
    return dossier;
}

// A fresh empty folder inside it, for one test's files.
inline std::string dossierTemporaire() {
    std::string modele = dossierDesTests() + "/dossier-XXXXXX";
    return mkdtemp(&modele[0]);
}

// A real file inside it, named nom and holding contenu.
inline std::string fichierTemporaire(const std::string& nom, const std::string& contenu) {
    std::string chemin = dossierDesTests() + "/" + nom;
    FILE* f = fopen(chemin.c_str(), "w");
    fputs(contenu.c_str(), f);
    fclose(f);
    return chemin;
}

// A scene read from text through a real file, as the viewer reads it; like the
// viewer's, it lives until the process ends.
inline Scene* sceneDepuis(const std::string& texte) {
    return garde(new Scene(fichierTemporaire("scene.wrl", texte).c_str()));
}

// The generated C file of a scene, as text.
inline std::string enregistreTexte(const Scene& scene) {
    char* tampon = nullptr;
    size_t taille = 0;
    FILE* out = open_memstream(&tampon, &taille);
    scene.enregistre(out);
    fclose(out);
    std::string texte(tampon, taille);
    free(tampon);
    return texte;
}

// Number of nodes in a list.
inline int compte(const ListeNoeuds* liste) {
    int n = 0;
    for (Maillon* m = liste->tete; m; m = m->suivant) ++n;
    return n;
}

// Every global of the view manipulation back to its starting value.
inline void vueAZero() {
    rotationVueX = rotationVueY = rotationVueZ = 0;
    translationVueX = translationVueY = 0;
    echelleVue = 1.0f;
    angleToucheX = angleToucheY = angleToucheZ = 0;
    if (rotationAuto) glutIdleFunc(nullptr);
    rotationAuto = 0;
    vitesseRotation = 1.0f;
    dernierTemps = 0;
    modeManipulation = MODE_AUCUN;
    boutonCourant = 0;
    boutonEnfonce = 0;
    dernierX = dernierY = 0;
}

// The viewer's fixed state and identity matrices, all scene lights off, no error
// pending: each GL test starts from here.
void etatInitialGL();

// Fails the test, naming the line, when an OpenGL error is pending.
#define EXPECT_NO_GL_ERROR() EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR))

#endif
