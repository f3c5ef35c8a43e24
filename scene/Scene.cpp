#include "scene/Scene.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "scene/CodeC.h"
#include "scene/Lecteur.h"
#include "scene/Monde.h"
#include "scene/Messages.h"
#include "scene/Separator.h"

int nbFacettes = 0;

Scene::Scene(const char* chemin, bool complet) {
    // Everything the reading creates comes from the scene's own arena.
    Arene::Portee portee(arene);
    noeuds = new ListeNoeuds;
    FILE* in = fopen(chemin, "r");
    if (!in) {
        avertit("cannot open %s: %s", chemin, strerror(errno));
        return;
    }
    // Read once, straight through: a named pipe works like a file. Folders and
    // devices such as /dev/zero would never give a token or never end.
    struct stat etat;
    if (fstat(fileno(in), &etat) != 0 || !(S_ISREG(etat.st_mode) || S_ISFIFO(etat.st_mode))) {
        avertit("cannot read %s: not a regular file or a pipe", chemin);
        fclose(in);
        return;
    }
    lisible = true;
    peripherique = etat.st_dev;
    inode = etat.st_ino;

    if (complet) {
        monde = new vrml1::Monde;
        monde->lit(chemin, in, peripherique, inode);
        fclose(in);
        return;
    }
    char mot[TAILLE_MOT];
    reprendLecture();
    bool vrml = litMot(in, mot) && strcmp(mot, "#VRML") == 0 &&
                litMot(in, mot) && strcmp(mot, "V1.0") == 0;
    if (!vrml) {
        avertit("%s is not a VRML 1.0 file (it must begin with \"#VRML V1.0\"); "
                "the scene is empty", chemin);
        fclose(in);
        return;
    }
    litMot(in, mot);  // "ascii"
    // Once OpenGL has started its worker threads, every stdio call locks the stream;
    // holding the lock through the reading makes those locks a counter increment,
    // which saves about a fifth of the reading time.
    flockfile(in);
    oublieTypesIgnores();
    while (litMot(in, mot)) litNoeud(mot, in, noeuds);
    funlockfile(in);
    if (*typesIgnores()) avertit("%s: %s skipped; --vrml1 reads them", chemin, typesIgnores());
    // A stop of the nesting guard belongs to this file only: the block readers
    // must read whole again afterwards.
    reprendLecture();
    fclose(in);
}

Scene::~Scene() { delete monde; }

void Scene::dessine(int nb) {
    if (monde) return monde->dessine(nb);
    nbFacettes = nb;
    dessineIsole(noeuds);
}

void Scene::enregistre(FILE* out) const {
    if (monde) return monde->enregistre(out);
    ecritEnteteC(out);
    fprintf(out, "void scene(void) {\n");
    noeuds->exporte(out);
    fprintf(out, "}\n");
}

bool Scene::estSonFichier(const char* chemin) const {
    struct stat etat;
    return lisible && stat(chemin, &etat) == 0 && etat.st_dev == peripherique &&
           etat.st_ino == inode;
}

bool Scene::enregistre(const char* chemin) const {
    if (estSonFichier(chemin)) {
        avertit("not saving to %s: it is the scene file itself", chemin);
        return false;
    }
    FILE* out = fopen(chemin, "w");
    if (!out) {
        avertit("cannot write %s: %s", chemin, strerror(errno));
        return false;
    }
    enregistre(out);
    bool echec = ferror(out);
    int erreur = errno;
    if (fclose(out) != 0 && !echec) {
        echec = true;
        erreur = errno;
    }
    if (echec) avertit("cannot write %s: %s", chemin, strerror(erreur));
    return !echec;
}

bool nomSortie(const char* nomScene, char sortie[TAILLE_NOM]) {
    // The "." is looked for in the last component only: "../scenes/house.wrl" must
    // not save to "../.cpp", nor "old.files/scene.wrl" to "old.cpp".
    const char* dernier = strrchr(nomScene, '/');
    const char* point = strchr(dernier ? dernier + 1 : nomScene, '.');
    size_t garde = point ? static_cast<size_t>(point - nomScene) + 1 : strlen(nomScene);
    if (garde + strlen("cpp") + 1 > TAILLE_NOM) {
        avertit("not saving: the output name for %s would be longer than %d characters",
                nomScene, TAILLE_NOM - 1);
        return false;
    }
    memcpy(sortie, nomScene, garde);
    strcpy(sortie + garde, "cpp");
    return true;
}

bool sauvegarde(const Scene* scene, const char* nomScene) {
    char sortie[TAILLE_NOM];
    return nomSortie(nomScene, sortie) && scene->enregistre(sortie);
}
