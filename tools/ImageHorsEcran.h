#ifndef ORLEVAN_IMAGE_HORS_ECRAN_H
#define ORLEVAN_IMAGE_HORS_ECRAN_H

// orlevan-export --png: the viewer's first frame of the loaded scene, drawn with no
// display at all (Mesa's EGL surfaceless platform) and written as a PNG picture.

const int TAILLE_IMAGE_MAX = 8192;  // pixels a side

// Draws the frame the viewer shows first (sceneCourante at nbFacettesVue, in
// modeSurfacique, head lamp on) into an offscreen picture of largeur x hauteur pixels,
// with the viewer's own OpenGL state and drawing code, and writes it as 8-bit RGB PNG
// to chemin ("-": standard output). On failure (no EGL display, no OpenGL context or
// framebuffer, an output that cannot be written) one line on standard error and false.
// The scene is read before: an output that names the scene file is refused.
bool ecritPremiereImage(const char* chemin, int largeur, int hauteur);

// Reads "LxH" (two whole numbers from 1 to TAILLE_IMAGE_MAX): false when it is not.
bool litTaille(const char* texte, int* largeur, int* hauteur);

#endif
