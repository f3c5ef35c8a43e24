#ifndef ORLEVAN_LECTEUR_H
#define ORLEVAN_LECTEUR_H

// Token reading shared by the scene loader and every node's block reader. A token is
// a run of non-blank characters, as fscanf's "%s" reads it. Every read is bounded and
// every loop ends at the end of the file.

#include <cstdio>
#include <cstring>

class ListeNoeuds;

const int TAILLE_MOT = 256;     // keywords and field names: at most 255 characters
const int TAILLE_VALEUR = 200;  // word values of the word-first readers: at most 199

// Reads one token into mot (TAILLE_MOT bytes). A longer token is cut: its tail is
// consumed with it, so that it is never taken for the next token. False at the end
// of the file, or once the reading has been stopped.
bool litMot(FILE* in, char* mot);
// The same for a word value (TAILLE_VALEUR bytes).
bool litValeur(FILE* in, char* valeur);
// Reads a plain decimal number ("-0.8975", "12", ".5") straight from the stream's
// buffer when the whole of it and the blank after it are there: the value and the
// position are then those of fscanf("%f"). False otherwise (any other form, the end
// of the buffer), with at most blanks consumed: fscanf then reads the number.
bool nombreSimple(FILE* in, float* v);
// Reads one number with "%f"; false (and *v unchanged) when none scans.
inline bool litNombre(FILE* in, float* v) {
    return nombreSimple(in, v) || fscanf(in, "%f", v) == 1;
}
// Reads n numbers (1 to 3) exactly as n calls of litNombre would: a number that does
// not scan keeps its value and the next one is tried after it. The plain ones come
// from the buffer; the rest in one fscanf call when they scan, which saves the call's
// fixed cost; a failed conversion leaves the stream where a lone "%f" would, and the
// reading goes on one number at a time from there.
inline void litNombres(FILE* in, float* v, int n) {
    while (n > 0 && nombreSimple(in, v)) ++v, --n;
    if (n == 0) return;
    int lus = n == 3 ? fscanf(in, "%f%f%f", &v[0], &v[1], &v[2])
            : n == 2 ? fscanf(in, "%f%f", &v[0], &v[1])
                     : fscanf(in, "%f", &v[0]);
    for (int i = (lus < 0 ? 0 : lus) + 1; i < n; ++i) litNombre(in, &v[i]);
}
// Reads three numbers; a component that does not scan keeps its value.
inline void litVecteur(FILE* in, float v[3]) { litNombres(in, v, 3); }

// Keyword dispatch: creates the node that mot names, appends it to liste and lets it
// read its block. Any other token is skipped.
void litNoeud(const char* mot, FILE* in, ListeNoeuds* liste);

// The VRML 1.0 node types outside the subset whose names litNoeud skipped since the
// last call of oublieTypesIgnores, joined by ", " in the order they first came; ""
// when none. The default mode names them at the end of reading, with the option
// that reads them.
const char* typesIgnores();
void oublieTypesIgnores();

// Stops the whole reading as if the file had ended (the nesting guard uses it).
void interromptLecture();
// Makes the reading possible again, for the next file.
void reprendLecture();

// Field loop of the number-first readers: each field's first number is read before
// its name is looked at, then champ(name, number, scanned) stores it and reads the
// field's further numbers. An unknown name thus costs exactly one number.
template <class Champ>
void litChampsNombre(FILE* in, Champ champ) {
    char nom[TAILLE_MOT];
    if (!litMot(in, nom)) return;  // the opening "{", not looked at
    while (litMot(in, nom) && strcmp(nom, "}") != 0) {
        float premier = 0;
        bool lu = litNombre(in, &premier);
        champ(nom, premier, lu);
    }
}

// Field loop of the word-first readers: each field's first value is read as a word
// before its name is looked at; champ(name, word) converts or stores it.
template <class Champ>
void litChampsMot(FILE* in, Champ champ) {
    char nom[TAILLE_MOT];
    char valeur[TAILLE_VALEUR];
    if (!litMot(in, nom)) return;  // the opening "{"
    while (litMot(in, nom) && strcmp(nom, "}") != 0) {
        if (!litValeur(in, valeur)) return;
        champ(nom, valeur);
    }
}

// Block of the single-field readers: reads "{" and the next token. True when that
// token is the field's name: the caller then reads the numbers and the closing token
// with finChampUnique. Any other token ends the block there.
bool debutChampUnique(FILE* in, const char* champ);
inline void finChampUnique(FILE* in) {
    char fermante[TAILLE_MOT];
    litMot(in, fermante);  // the closing "}", not looked at
}

#endif
