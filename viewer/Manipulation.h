#ifndef ORLEVAN_MANIPULATION_H
#define ORLEVAN_MANIPULATION_H

// The user's view transform: mouse drags with modifiers, keys, preset views and the
// continuous spin change these globals; appliqueVue and appliqueAnglesTouches apply
// them to the current matrix.

extern float rotationVueX, rotationVueY, rotationVueZ;  // degrees, drags and spin
extern float translationVueX, translationVueY;          // pan, projection units
extern float echelleVue;                                // zoom factor, > 0
extern float angleToucheX, angleToucheY, angleToucheZ;  // degrees, keys and presets
extern int rotationAuto;                                // 1 while the spin runs
extern float vitesseRotation;                           // spin speed factor
extern int dernierTemps;                                // ms, at the last idle call
extern int modeManipulation;                            // 0 to 5, from the modifiers
extern int boutonCourant;                               // button of the last event
extern int boutonEnfonce;                               // 1 while a drag is armed
extern int dernierX, dernierY;                          // last pointer position
extern float matriceProjection[16];                     // read at the last button event
extern int largeurFenetre;                              // read at the last button event

void appliqueVue();
void appliqueAnglesTouches();

// Manipulation mode of a GLUT modifier mask (GLUT_ACTIVE_SHIFT, _CTRL, _ALT):
// 0 none, 1 turn about Y and X, 2 turn about Z and X, 3 zoom, 4 pan, 5 nothing.
int modeDepuisEtat(int modificateurs);
// The same for the modifiers GLUT reports for the current event.
int modeDepuisModificateurs();

// The handlers return non-zero when they took the event (the view must be redrawn).
int sourisManip(int bouton, int etat, int x, int y);
int mouvementManip(int x, int y);
int toucheManip(unsigned char touche, int x, int y);
int toucheSpecialeManip(int touche, int x, int y);

void souris(int bouton, int etat, int x, int y);  // glutMouseFunc
void mouvement(int x, int y);                     // glutMotionFunc
void toucheSpeciale(int touche, int x, int y);    // glutSpecialFunc
void inactif();                                   // glutIdleFunc, only while spinning

#endif
