#ifndef ORLEVAN_LIGHT_H
#define ORLEVAN_LIGHT_H

#include <cstring>

#include "scene/Noeud.h"

// What the three scene lights share. A light that is on takes the lowest free OpenGL
// light from GL_LIGHT1 up (GL_LIGHT0 is the head lamp) and keeps it until the end of
// its Separator. Only colour and position (and a spot light's cone) are set: every
// other parameter stays as the slot holds it.
class Light : public Noeud {
public:
    char on[256] = "TRUE";  // the word as read: the light shines only if it is "TRUE"
    float intensity = 1;    // multiplies color
    float color[3] = {1, 1, 1};

protected:
    Light() = default;

    // Stores the fields every light has; false for a name that is not one of them.
    bool litChampCommun(FILE* in, const char* nom, const char* valeur);
    // A vector whose first component is the word already read, the others numbers.
    static void litVecteurMot(FILE* in, const char* valeur, float v[3]);
    bool allumee() const { return strcmp(on, "TRUE") == 0; }
    // When the light is on, takes a free light, gives it the colour and position p
    // and returns its number; 0 (no light) when it is off.
    int prendLumiere(const float p[4]) const;
    // When the light is on, the first lines of its generated block (light number,
    // colour, position) and true; nothing and false when it is off: the generated
    // code must not light the scene with a light the viewer leaves off.
    bool exporteDebut(FILE* out, const char* nomPosition, const float p[4]) const;
    // The last line: switching the light on.
    static void exporteFin(FILE* out);
};

#endif
