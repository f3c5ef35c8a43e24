// Orlevan: shows a VRML 1.0 scene in a window and saves it as C code for OpenGL.
#include <GL/glut.h>

#include <cstdio>
#include <cstring>

#include "scene/Messages.h"
#include "viewer/Viewer.h"

// --help and --version need no display: they are answered before GLUT starts.
// ORLEVAN_VERSION is the project's version (paquet/CMakeLists.txt).
static bool repondSansFenetre(int argc, char** argv) {
    for (int i = 1; i < argc && strcmp(argv[i], "--") != 0; ++i) {
        if (strcmp(argv[i], "--help") == 0) {
            printf("usage: orlevan [OPTION] SCENE.wrl\n"
                   "Shows the VRML 1.0 scene SCENE.wrl in a window; its menu saves it as C code.\n"
                   "  --vrml1    read the file in the whole VRML 1.0 language\n"
                   "  --help     this text\n"
                   "  --version  the version\n"
                   "GLUT's own options (-display, -geometry, ...) are taken as well.\n");
            return true;
        }
        if (strcmp(argv[i], "--version") == 0) {
            printf("orlevan %s\n", ORLEVAN_VERSION);
            return true;
        }
    }
    return false;
}

int main(int argc, char** argv) {
    if (repondSansFenetre(argc, argv)) return 0;
    // GLUT takes its own options; the scene path is the first argument left.
    glutInit(&argc, argv);
    // --vrml1 before the path reads the file in the full VRML 1.0 language.
    bool complet = argc > 2 && strcmp(argv[1], "--vrml1") == 0;
    if (argc < 2 + complet) {
        fprintf(stderr, "usage: orlevan SCENE.wrl\n");
        return 2;
    }
    const char* chemin = argv[1 + complet];
    if (strlen(chemin) >= TAILLE_NOM) {
        avertit("the scene path is longer than %d characters", TAILLE_NOM - 1);
        return 2;
    }

    // The window, titled with the path.
    strcpy(nomFichier, chemin);
    ouvreFenetre(chemin);

    // The scene, then the menu, the fixed OpenGL state, the callbacks and the loop.
    sceneCourante = new Scene(chemin, complet);
    lanceVue(true);
    return 0;
}
