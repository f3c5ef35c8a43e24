#include "scene/Lexeur.h"

#include <climits>
#include <cstdlib>
#include <cstring>

#include "scene/Decimal.h"

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

// A plain decimal, [sign] digits [. digits], ended by a character that ends a word:
// its sign, its digits as one integer m (leading zeros aside, at most 18 of them),
// the number of digits after the point (-1 without a point) and its end in *suite.
// False for anything else (an exponent, hexadecimal, too many digits, no digit),
// which strtof/strtol then read.
static bool decimal(const char* p, bool* negatif, uint64_t* m, int* decimales, const char** suite) {
    *negatif = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    const char* debut = p;
    while (*p == '0') ++p;  // leading zeros add nothing to m
    uint64_t x = 0;
    int n = 0, apres = -1;
    for (;; ++p) {
        if (*p >= '0' && *p <= '9') {
            if (++n > 18) return false;
            x = x * 10 + uint64_t(*p - '0');
            if (apres >= 0) ++apres;
        } else if (*p == '.' && apres < 0) {
            apres = 0;
        } else {
            break;
        }
        if (x == 0) n = 0;  // zeros after the point but before any other digit
    }
    if (p == debut || (p == debut + 1 && *debut == '.')) return false;  // no digit
    if (!finDeMot[static_cast<unsigned char>(*p)]) return false;
    *m = x, *decimales = apres, *suite = p;
    return true;
}

bool Lexeur::litFloat(float* v) {
    if (!debutNombre(regarde())) return false;
    // A plain decimal is converted in place, without copying its characters.
    bool negatif;
    uint64_t m;
    int decimales;
    const char* suite;
    if (decimal(p, &negatif, &m, &decimales, &suite) &&
        flottantDecimal(m, decimales, negatif, v)) {
        p = suite;
        return true;
    }
    char tampon[64];
    const char* debut = copieNombre(tampon, sizeof tampon);
    char* fin;
    float x = strtof(debut, &fin);
    if (fin == debut) return false;
    p += fin - debut;
    *v = x;
    return true;
}

bool Lexeur::litLong(int32_t* v) {
    if (!debutNombre(regarde())) return false;
    // A decimal integer without a leading 0 (octal for strtol), read in place.
    bool negatif;
    uint64_t m;
    int decimales;
    const char* suite;
    const char* chiffre = p + (*p == '-' || *p == '+');
    if (*chiffre >= '1' && *chiffre <= '9' &&
        decimal(p, &negatif, &m, &decimales, &suite) && decimales < 0) {
        *v = static_cast<int32_t>(static_cast<uint32_t>(negatif ? 0 - m : m));
        p = suite;
        return true;
    }
    if (*chiffre == '0' && finDeMot[static_cast<unsigned char>(chiffre[1])]) {
        *v = 0;
        p = chiffre + 1;
        return true;
    }
    char tampon[64];
    const char* debut = copieNombre(tampon, sizeof tampon);
    char* fin;
    long x = strtol(debut, &fin, 0);
    if (fin == debut) return false;
    p += fin - debut;
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
