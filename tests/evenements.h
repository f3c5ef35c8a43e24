// Real X events sent to the test window and dispatched by freeglut's own loop, so
// that the handlers see the modifier state that freeglut reads from each event, as in
// the viewer (glutGetModifiers answers only inside an input callback). XSendEvent
// goes to the window itself: other windows on the display cannot take the events.
#ifndef ORLEVAN_TESTS_EVENEMENTS_H
#define ORLEVAN_TESTS_EVENEMENTS_H

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include "tests/aide.h"  // vueAZero
#include "viewer/Manipulation.h"

// What the view handlers returned, recorded by the callbacks below; -1 until called.
struct Retours {
    int souris = -1, mouvement = -1, touche = -1, toucheSpeciale = -1;
    int codeSpecial = -1;  // the GLUT key code of the last special key
};
inline Retours retours;

// Callbacks on the test window that call the view handlers and record their result,
// and a display callback that draws nothing (the tests draw when they choose).
inline void enregistreEnregistreurs() {
    glutMouseFunc(
        [](int b, int e, int x, int y) { retours.souris = sourisManip(b, e, x, y); });
    glutMotionFunc([](int x, int y) { retours.mouvement = mouvementManip(x, y); });
    glutKeyboardFunc(
        [](unsigned char t, int x, int y) { retours.touche = toucheManip(t, x, y); });
    glutSpecialFunc([](int t, int x, int y) {
        retours.codeSpecial = t;
        retours.toucheSpeciale = toucheSpecialeManip(t, x, y);
    });
    glutDisplayFunc([] {});
    glutMainLoopEvent();  // whatever the window had pending (map, expose)
    retours = Retours();
}

// Fills the fields that every event has, sends it and lets freeglut dispatch it.
template <class Remplit>
void envoie(int type, long masque, Remplit remplit) {
    Display* d = glXGetCurrentDisplay();
    XEvent e{};
    e.xany.type = type;
    e.xany.display = d;
    e.xany.window = glXGetCurrentDrawable();
    remplit(e, d);
    XSendEvent(d, e.xany.window, False, masque, &e);
    XSync(d, False);  // the event is back in the queue when this returns
    glutMainLoopEvent();
}

inline void envoieTouche(KeySym touche, unsigned etat) {
    envoie(KeyPress, KeyPressMask, [&](XEvent& e, Display* d) {
        e.xkey.root = DefaultRootWindow(d);
        e.xkey.time = CurrentTime;
        e.xkey.state = etat;
        e.xkey.keycode = XKeysymToKeycode(d, touche);
        e.xkey.same_screen = True;
    });
}

// bouton: 1 left, 2 middle, 3 right (X numbering).
inline void envoieBouton(unsigned bouton, bool enfonce, int x, int y, unsigned etat) {
    envoie(enfonce ? ButtonPress : ButtonRelease,
           enfonce ? ButtonPressMask : ButtonReleaseMask, [&](XEvent& e, Display* d) {
               e.xbutton.root = DefaultRootWindow(d);
               e.xbutton.time = CurrentTime;
               e.xbutton.x = x;
               e.xbutton.y = y;
               e.xbutton.state = etat;
               e.xbutton.button = bouton;
               e.xbutton.same_screen = True;
           });
}

// A pointer move with the left button held, as a drag reports it.
inline void envoieMouvement(int x, int y, unsigned etat) {
    envoie(MotionNotify, ButtonMotionMask, [&](XEvent& e, Display* d) {
        e.xmotion.root = DefaultRootWindow(d);
        e.xmotion.time = CurrentTime;
        e.xmotion.x = x;
        e.xmotion.y = y;
        e.xmotion.state = etat | Button1Mask;
        e.xmotion.same_screen = True;
    });
}

#endif
