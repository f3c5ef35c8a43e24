#ifndef ORLEVAN_VIEWER_H
#define ORLEVAN_VIEWER_H

// The viewer's one window: its state, its callbacks and its menus. main only starts
// it, so that tests can call every callback against a real window.

#include "scene/Scene.h"

extern char nomFichier[TAILLE_NOM];  // the scene path; the save command derives from it
extern Scene* sceneCourante;         // loaded at start-up, never freed
extern int nbFacettesVue;            // tessellation count, never below 3
extern int modeSurfacique;           // 1 filled, 0 wireframe
extern int lampeFrontale;            // 1 head lamp (GL_LIGHT0) on, 0 off
extern int menuLampe;                // GLUT ids of the menus
extern int menuVisualisation;
extern int menuPrincipal;
// Size of an offscreen picture being drawn instead of the window (orlevan-export
// --png); 0 while frames go to the window.
extern int largeurHorsEcran;
extern int hauteurHorsEcran;

// Opens the one double-buffered window, 350 x 300 at (50, 50), titled "Orlevan - "
// and nom (the scene path).
void ouvreFenetre(const char* nom);
void initialiseGL();  // the fixed OpenGL state, once
void dessineScene();  // the scene with the current count, matrix pushed and popped

// What dessineScene draws inside its push and pop: the loaded tree at nbFacettesVue.
// A program built from a saved scene points it at the compiled scene instead.
extern void (*contenuScene)();

// Size of the picture being drawn, as the projections read it: the offscreen one when
// set, else the window's.
void tailleImage(int* largeur, int* hauteur);
// One frame into the current framebuffer: clear, projection, head lamp, view transform
// and scene. The display callback and orlevan-export --png both draw with it.
void dessineImage();
void affichage();  // glutDisplayFunc: dessineImage, flush, error line, swap
void redimensionne(int w, int h);         // glutReshapeFunc
void clavier(unsigned char touche, int x, int y);  // glutKeyboardFunc
void choixLampe(int valeur);              // menu "Lampe frontale"
void choixVisualisation(int valeur);      // menu "Visualisation"
void choixPrincipal(int valeur);          // main menu: 0 save, -1 quit

// Builds the pop-up menu on the right button; "Enregistrer" only when there is a
// scene tree to save.
void construitMenus(bool avecEnregistrer);

// Registers the callbacks above and the view manipulation's, in the viewer's order.
void enregistreCallbacks();

// The start-up that the viewer and the host of a compiled scene share, once the
// window is open and what it shows is set: the menus ("Enregistrer" only with a
// scene tree to save), the fixed OpenGL state, the callbacks, then GLUT's loop,
// which does not return.
void lanceVue(bool avecEnregistrer);

#endif
