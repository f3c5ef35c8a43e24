#!/usr/bin/env bash
# A saved scene needs only the installed run-time library: a program made of the
# generated file, the run-time library and a main of its own links and draws the
# scene, even though its main defines functions and globals named like the viewer's
# (souris, mouvement, inactif, dernierX, dernierY); none of the reader's or the
# viewer's code is in it.
source "$(dirname "$0")/commun.bash"  # racine, build, dossier
prefixe=$dossier/prefixe
cmake --install "$build" --prefix "$prefixe" >/dev/null
"$build/orlevan-export" -n 12 -o "$dossier/scene.cpp" "$racine/examples/demo.wrl"

cat >"$dossier/principal.cpp" <<'FIN'
// A host of its own: draws scene() once, counts the pixels it lit and quits.
#include <GL/glut.h>

#include <cstdio>
#include <vector>

#include "Utils.h"

void scene(void);

// The viewer's names, with the viewer's signatures, for this program's own use.
int dernierX = 0, dernierY = 0;
void souris(int, int, int x, int y) { dernierX = x; dernierY = y; }
void mouvement(int x, int y) { dernierX = x; dernierY = y; }
void inactif() {}

static void affiche() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-1, 1, -1, 1, -12, 12);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    empileMaterial();
    empileLights();
    scene();
    depileLights();
    depileMaterial();
    glFinish();
    std::vector<unsigned char> pixels(200 * 200 * 3);
    glReadPixels(0, 0, 200, 200, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    int allumes = 0;
    for (size_t i = 0; i < pixels.size(); i += 3)
        if (pixels[i] || pixels[i + 1] || pixels[i + 2]) ++allumes;
    printf("%d\n", allumes);
    exit(glGetError() == GL_NO_ERROR ? 0 : 1);
}

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGBA | GLUT_SINGLE | GLUT_DEPTH);
    glutInitWindowSize(200, 200);
    glutCreateWindow("hote");
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_NORMALIZE);
    glutDisplayFunc(affiche);
    glutMouseFunc(souris);
    glutMotionFunc(mouvement);
    glutIdleFunc(inactif);
    glutMainLoop();
}
FIN
g++ -std=c++17 -Wall -Wextra -Werror -I"$prefixe/include/orlevan" \
  "$dossier/scene.cpp" "$dossier/principal.cpp" -o "$dossier/programme" \
  -L"$prefixe/lib" -lorlevan_runtime -lorlevan_solides -lglut -lGLU -lGL -lm

# No code of the reader, the scene, the generator or the viewer came with the library.
interdits='litNoeud|litMot|Lecteur|Noeud|Separator|Scene::|ecritC|nbFacettes'  # reader, scene
interdits+='|ouvreFenetre|affichage|lanceVue|Manip|Camera|Vue'                  # viewer
if nm -C "$dossier/programme" | grep -E "$interdits"; then
  echo "the program holds the reader's or the viewer's code (above)" >&2
  exit 1
fi

allumes=$(bash "$racine/scripts/avec-xvfb.sh" "$dossier/programme")
[ "$allumes" -gt 1000 ] || { echo "the scene drew $allumes pixels" >&2; exit 1; }
echo "a saved scene linked with the run-time library alone drew $allumes pixels"
