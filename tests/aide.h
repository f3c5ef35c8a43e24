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

// A real file in a fresh temporary folder; removed with the folder at exit.
inline std::string fichierTemporaire(const std::string& nom, const std::string& contenu) {
    static std::string dossier;
    if (dossier.empty()) {
        char modele[] = "/tmp/orlevan-test-XXXXXX";
        dossier = mkdtemp(modele);
        atexit([] { nftw(dossier.c_str(), effaceEntree, 8, FTW_DEPTH | FTW_PHYS); });
    }
    std::string chemin = dossier + "/" + nom;
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

// The viewer's fixed state and identity matrices, all scene lights off, no error
// pending: each GL test starts from here.
void etatInitialGL();

// Fails the test, naming the line, when an OpenGL error is pending.
#define EXPECT_NO_GL_ERROR() EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR))

#endif
