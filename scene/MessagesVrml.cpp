#include "scene/MessagesVrml.h"

#include <cstdarg>
#include <cstdio>

#include "scene/Lexeur.h"
#include "scene/Messages.h"

namespace vrml1 {

static const char* nomsSortes[] = {
    "syntax problems", "bad values", "unknown fields", "unknown node types",
    "unknown names", "WWWInline problems", "nestings too deep", "unfinished nodes",
};

static void ligne(const char* prefixe, const char* format, va_list args) {
    fprintf(stderr, "%s: %s", nomProgramme, prefixe);
    vfprintf(stderr, format, args);
    fputc('\n', stderr);
}

void Messages::signale(Probleme sorte, const Lexeur& lex, const char* format, ...) {
    if (comptes[static_cast<int>(sorte)]++ >= PAR_SORTE) return;
    std::string prefixe = std::string(lex.fichier) + ":" + std::to_string(lex.ligne) + ": ";
    va_list args;
    va_start(args, format);
    ligne(prefixe.c_str(), format, args);
    va_end(args);
}

void Messages::signale(Probleme sorte, const char* format, ...) {
    if (comptes[static_cast<int>(sorte)]++ >= PAR_SORTE) return;
    va_list args;
    va_start(args, format);
    ligne("", format, args);
    va_end(args);
}

void Messages::bilan(const char* fichier) {
    for (int s = 0; s < static_cast<int>(Probleme::NOMBRE); ++s)
        if (comptes[s] > PAR_SORTE)
            avertit("%s: %d more %s not shown", fichier, comptes[s] - PAR_SORTE, nomsSortes[s]);
}

int Messages::total() const {
    int n = 0;
    for (int c : comptes) n += c;
    return n;
}

}  // namespace vrml1
