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

// What a left drag does, from the modifiers held (modeDepuisEtat). The keys read the
// same modes: Shift changes the spin, Ctrl chooses the preset views, Alt turns by ten.
enum ModeManipulation {
    MODE_AUCUN = 0,      // no modifier: nothing
    MODE_TOURNE_YX = 1,  // Shift (with Alt too): turn about Y and X
    MODE_TOURNE_ZX = 2,  // Shift + Ctrl: turn about Z and X
    MODE_ZOOM = 3,       // Ctrl: zoom
    MODE_DEPLACE = 4,    // Alt: pan
    MODE_NEUTRE = 5,     // Ctrl + Alt, with or without Shift: nothing
};

extern ModeManipulation modeManipulation;               // from the last event's modifiers
extern int boutonCourant;                               // button of the last event
extern int boutonEnfonce;                               // 1 while a drag is armed
extern int dernierX, dernierY;                          // last pointer position
extern float matriceProjection[16];                     // read at the last button event
extern int largeurFenetre;                              // read at the last button event

void appliqueVue();
void appliqueAnglesTouches();

// Manipulation mode of a GLUT modifier mask (GLUT_ACTIVE_SHIFT, _CTRL, _ALT).
ModeManipulation modeDepuisEtat(int modificateurs);
// The same for the modifiers GLUT reports for the current event.
ModeManipulation modeDepuisModificateurs();

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
