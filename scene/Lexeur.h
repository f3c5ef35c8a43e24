#ifndef ORLEVAN_LEXEUR_H
#define ORLEVAN_LEXEUR_H

// The tokens of a VRML 1.0 file read with --vrml1. The whole file is in memory and
// ends with a '\0'; the lexer walks it once. Blanks are white space and commas; '#'
// starts a comment up to the end of the line; { } [ ] ( ) | are tokens wherever they
// stand; a word runs up to the next blank or one of those characters. Every read
// stops at the end of the text, so no loop can run past it.

#include <cstdint>
#include <string>
#include <string_view>

namespace vrml1 {

// Characters that end a word: blanks, commas, the bracket tokens, '|', '#', '"'.
extern bool finDeMot[256];

class Lexeur {
public:
    // texte must stay alive and end with '\0' at texte[taille].
    Lexeur(const char* texte, size_t taille, const char* fichier);

    const char* fichier;  // name for messages (as given on the command line)
    int ligne = 1;        // of the next character not yet read

    // Skips blanks and comments; the next significant character, '\0' at the end.
    char regarde() {
        blancs();
        return *p;
    }
    bool fini() { return regarde() == '\0'; }
    // Takes the character c when it comes next.
    bool prend(char c) {
        if (regarde() != c) return false;
        ++p;
        return true;
    }
    // Reads a word (a run of characters that finDeMot does not stop); empty when the
    // next token is a symbol or the end. The view lives as long as the text.
    std::string_view mot();
    // Skips one token of any kind (a word, a string or one symbol).
    void sauteJeton();

    // Numbers in C syntax. False, reading nothing, when the next token is no number.
    bool litFloat(float* v);
    bool litLong(int32_t* v);  // decimal, 0x hexadecimal or 0 octal, with a sign
    // A string: in double quotes (with \" and \\ inside) or one bare word.
    bool litChaine(std::string* s);

    // A place in the text to come back to (a look ahead).
    struct Marque {
        const char* p;
        int ligne;
    };
    Marque marque() const { return {p, ligne}; }
    void retourne(const Marque& m) { p = m.p, ligne = m.ligne; }

private:
    const char* p;
    const char* fin;
    void blancs();
    const char* copieNombre(char* tampon, size_t taille);
};

}  // namespace vrml1

#endif
