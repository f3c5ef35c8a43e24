#include "scene/Lexeur.h"

#include <climits>
#include <cstdlib>
#include <cstring>

namespace vrml1 {

bool finDeMot[256];

// Fills finDeMot once, before main.
static bool tableFinDeMot() {
    for (int c = 0; c < 256; ++c) finDeMot[c] = c <= ' ' || c == 127;
    for (const char* c = ",{}[]()|#\""; *c; ++c) finDeMot[static_cast<unsigned char>(*c)] = true;
    return true;
}
static bool tablePrete = tableFinDeMot();

Lexeur::Lexeur(const char* texte, size_t taille, const char* nom)
    : fichier(nom), p(texte), fin(texte + taille) {
    (void)tablePrete;
}

void Lexeur::blancs() {
    for (;;) {
        unsigned char c = *p;
        if (c == '\n') {
            ++ligne;
            ++p;
        } else if (c == ',' || (c <= ' ' && p < fin) || c == 127) {
            ++p;  // a '\0' inside the text is a blank; the one at its end stops
        } else if (c == '#') {
            while (p < fin && *p != '\n' && *p != '\r') ++p;
        } else {
            return;
        }
    }
}

std::string_view Lexeur::mot() {
    blancs();
    const char* debut = p;
    while (!finDeMot[static_cast<unsigned char>(*p)]) ++p;
    return std::string_view(debut, p - debut);
}

void Lexeur::sauteJeton() {
    char c = regarde();
    if (c == '\0') return;
    if (c == '"') {
        std::string perdu;
        litChaine(&perdu);
    } else if (finDeMot[static_cast<unsigned char>(c)]) {
        ++p;
    } else {
        mot();
    }
}

// A number starts with a digit, a sign or a point; strtof and strtol then take the
// longest number they can (hexadecimal included).
static bool debutNombre(char c) {
    return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.';
}

// The characters a number can hold, copied into a small buffer of its own: strtof
// and strtol then never look at the rest of the text (a sanitizer's string check
// would measure all of it at each number). An over-long number is read in place.
const char* Lexeur::copieNombre(char* tampon, size_t taille) {
    size_t n = 0;
    while (n < taille - 1 && !finDeMot[static_cast<unsigned char>(p[n])]) {
        tampon[n] = p[n];
        ++n;
    }
    if (n == taille - 1) return p;
    tampon[n] = '\0';
    return tampon;
}

bool Lexeur::litFloat(float* v) {
    if (!debutNombre(regarde())) return false;
    char tampon[64];
    const char* debut = copieNombre(tampon, sizeof tampon);
    char* suite;
    float x = strtof(debut, &suite);
    if (suite == debut) return false;
    p += suite - debut;
    *v = x;
    return true;
}

bool Lexeur::litLong(int32_t* v) {
    if (!debutNombre(regarde())) return false;
    char tampon[64];
    const char* debut = copieNombre(tampon, sizeof tampon);
    char* suite;
    long x = strtol(debut, &suite, 0);
    if (suite == debut) return false;
    p += suite - debut;
    // A value past 32 bits keeps its low 32 bits, as a C cast of the number would.
    *v = static_cast<int32_t>(static_cast<uint32_t>(static_cast<unsigned long>(x)));
    return true;
}

bool Lexeur::litChaine(std::string* s) {
    char c = regarde();
    if (c != '"') {
        std::string_view m = mot();
        if (m.empty()) return false;
        s->assign(m.data(), m.size());
        return true;
    }
    ++p;
    s->clear();
    while (p < fin && *p != '"') {
        if (*p == '\\' && p + 1 < fin) ++p;
        if (*p == '\n') ++ligne;
        s->push_back(*p++);
    }
    if (p < fin) ++p;  // the closing quote; an unclosed string ends with the text
    return true;
}

}  // namespace vrml1
