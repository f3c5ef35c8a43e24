// Draws one frame in the viewer's window through the viewer's own display callback
// and writes its pixels to a PPM file: the loaded tree of a .wrl file (built plain),
// or the compiled scene() of the program (built with CAPTURE_SCENE_COMPILEE). Both
// builds share everything but what dessineScene draws, so two pictures differ only
// where the saved file draws something else than the tree.
//   orlevan-capture-vue COUNT SCENE.wrl OUT.ppm
//     (with ORLEVAN_CAPTURE_VRML1=1 in the environment, read as --vrml1 reads it)
//   <compiled scene program> OUT.ppm
#include <GL/glut.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "viewer/Viewer.h"
#ifdef CAPTURE_SCENE_COMPILEE
#include "SceneCompilee.h"
#endif

static const int LARGEUR = 350, HAUTEUR = 300;  // the viewer's window
static const char* sortie;
static std::vector<unsigned char> pixels;

// The program is linked with --wrap=glutSwapBuffers: affichage's swap comes here, and
// the back buffer is read while it still holds the frame, whatever covers the window.
extern "C" void __real_glutSwapBuffers();
extern "C" void __wrap_glutSwapBuffers() {
    pixels.assign(LARGEUR * HAUTEUR * 3, 0);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, LARGEUR, HAUTEUR, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    __real_glutSwapBuffers();
}

// Top row first, as PPM wants it.
static bool ecritPPM(const char* chemin) {
    FILE* f = fopen(chemin, "wb");
    if (!f) return false;
    fprintf(f, "P6\n%d %d\n255\n", LARGEUR, HAUTEUR);
    for (int y = HAUTEUR - 1; y >= 0; --y)
        fwrite(&pixels[static_cast<size_t>(y) * LARGEUR * 3], 1, LARGEUR * 3, f);
    return fclose(f) == 0;
}

// The first frame, drawn once the window is mapped and its viewport set.
static void captureUneImage() {
    affichage();
    if (pixels.empty() || glutGet(GLUT_WINDOW_WIDTH) != LARGEUR ||
        glutGet(GLUT_WINDOW_HEIGHT) != HAUTEUR || !ecritPPM(sortie)) {
        fprintf(stderr, "capture: no %dx%d frame written to %s\n", LARGEUR, HAUTEUR, sortie);
        exit(1);
    }
    fflush(stdout);
    exit(0);
}

int main(int argc, char** argv) {
    glutInit(&argc, argv);
#ifdef CAPTURE_SCENE_COMPILEE
    if (argc != 2) {
        fprintf(stderr, "usage: %s OUT.ppm\n", argv[0]);
        return 2;
    }
    sortie = argv[1];
#else
    if (argc != 4) {
        fprintf(stderr, "usage: %s COUNT SCENE.wrl OUT.ppm\n", argv[0]);
        return 2;
    }
    nbFacettesVue = atoi(argv[1]);
    sortie = argv[3];
#endif
    glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(LARGEUR, HAUTEUR);
    glutInitWindowPosition(50, 50);
    glutCreateWindow("Orlevan capture");
#ifdef CAPTURE_SCENE_COMPILEE
    contenuScene = dessineSceneCompilee;
#else
    const char* complet = getenv("ORLEVAN_CAPTURE_VRML1");
    sceneCourante = new Scene(argv[2], complet && *complet == '1');
#endif
    initialiseGL();
    enregistreCallbacks();
    glutDisplayFunc(captureUneImage);
    glutMainLoop();
    return 0;
}
