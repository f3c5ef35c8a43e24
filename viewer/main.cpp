// Orlevan: shows a VRML 1.0 scene in a window and saves it as C code for OpenGL.
#include <GL/glut.h>

#include <cstdio>
#include <cstring>

#include "scene/Messages.h"
#include "viewer/Viewer.h"

int main(int argc, char** argv) {
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

    // The scene, the menu, the fixed OpenGL state, the callbacks.
    sceneCourante = new Scene(chemin, complet);
    construitMenus(true);
    initialiseGL();
    enregistreCallbacks();

    glutMainLoop();
    return 0;
}
