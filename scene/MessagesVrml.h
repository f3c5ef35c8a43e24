#ifndef ORLEVAN_MESSAGESVRML_H
#define ORLEVAN_MESSAGESVRML_H

// The full-mode reader's problems: one line on standard error each, with the file
// and the line ("orlevan: salle.wrl:12: USE of unknown name 'Chaise'"), at most
// PAR_SORTE lines of each kind; bilan() then says in one line per kind how many
// more there were. Reading goes on after each problem.

#include <string>

namespace vrml1 {

class Lexeur;

enum class Probleme {
    Syntaxe,         // a token where another was expected
    Valeur,          // a value that does not fit its field
    ChampInconnu,    // a field name the node does not have
    NoeudInconnu,    // a node type that is neither standard nor described
    Nom,             // USE of an unknown name
    Inline,          // a WWWInline that is not read
    Profondeur,      // nesting too deep
    Fin,             // the text ends inside a node
    NOMBRE
};

class Messages {
public:
    static const int PAR_SORTE = 3;

    // One line "file:line: text", unless PAR_SORTE lines of that kind were printed.
    void signale(Probleme sorte, const Lexeur& lex, const char* format, ...)
        __attribute__((format(printf, 4, 5)));
    // The same, for a problem that has no place in a file.
    void signale(Probleme sorte, const char* format, ...) __attribute__((format(printf, 3, 4)));
    // One line per kind whose further problems were not printed.
    void bilan(const char* fichier);

    int comptes[static_cast<int>(Probleme::NOMBRE)] = {};
    int total() const;
};

}  // namespace vrml1

#endif
