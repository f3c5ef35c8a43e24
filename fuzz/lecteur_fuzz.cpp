// Fuzz target of the readers and the generator: the input bytes are a scene file,
// which is read into a tree and written out as C code, by the subset's reader and
// then by the full one (--vrml1), whose --info summary is written as well. Run
// through `make fuzz`.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "scene/InfoScene.h"
#include "scene/Monde.h"
#include "scene/Scene.h"

// The program never frees a tree: it lives until the process ends. Here one tree is
// built per input, millions of times: each goes with its scene's arena, whose blocks
// the next input reuses, so the memory stays that of the largest tree.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Arene::garde(true);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    // The scene is read through a path, as the viewer and the converter read it: a
    // file in memory, named by its descriptor.
    static int fd = memfd_create("scene.wrl", 0);
    static char chemin[64];
    if (fd < 0) abort();
    snprintf(chemin, sizeof chemin, "/proc/self/fd/%d", fd);
    if (ftruncate(fd, 0) != 0 || pwrite(fd, donnees, taille, 0) != static_cast<ssize_t>(taille))
        abort();

    // A WWWInline may name the standard input: it must never wait for a terminal.
    static bool entreeFermee = freopen("/dev/null", "r", stdin) != nullptr;
    if (!entreeFermee) abort();

    nbFacettes = 3 + static_cast<int>(taille % 7);  // varies the generated counts
    {
        Scene* complete = new Scene(chemin, true);
        char* texte = nullptr;
        size_t longueur = 0;
        FILE* out = open_memstream(&texte, &longueur);
        complete->enregistre(out);
        ecritInfo(*complete, out, nbFacettes);
        fclose(out);
        free(texte);
        delete complete;
    }

    Scene* scene = new Scene(chemin);
    char* texte = nullptr;
    size_t longueur = 0;
    FILE* out = open_memstream(&texte, &longueur);
    scene->enregistre(out);
    fclose(out);
    free(texte);
    // Through the path as well: the check that the output is not the scene itself.
    scene->enregistre("/dev/null");

    delete scene;

    // The save command's output name, from the first bytes taken as a path.
    char nom[400], sortie[TAILLE_NOM];
    size_t n = taille < sizeof nom - 1 ? taille : sizeof nom - 1;
    memcpy(nom, donnees, n);
    nom[n] = '\0';
    nomSortie(nom, sortie);
    return 0;
}
