// The program around a compiled scene: the viewer's window, OpenGL state, head lamp,
// menus (without "Enregistrer": there is no tree to save), keys and mouse, drawing
// the generated scene() where the viewer draws a loaded tree.
#include <GL/glut.h>

#include <cstdio>
#include <cstring>

#include "SceneCompilee.h"
#include "viewer/Viewer.h"

int main(int argc, char** argv) {
    glutInit(&argc, argv);

    // The viewer's window, titled with the program's name in place of a scene path.
    const char* nom = strrchr(argv[0], '/');
    ouvreFenetre(nom ? nom + 1 : argv[0]);

    // No scene tree: the viewer's drawing calls the compiled scene.
    contenuScene = dessineSceneCompilee;
    lanceVue(false);
    return 0;
}
