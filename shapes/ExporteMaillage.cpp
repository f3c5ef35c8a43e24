// A mesh in the generated C file: its vertices as static constant arrays, each
// distinct vertex (position, normal, colour) once with an index list when some repeat,
// then one call to solidMaillage. Floats are written in the shortest form that reads
// back as the same float, so the compiled scene draws the very same vertices.
#include <GL/gl.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

#include "shapes/Maillage.h"

namespace vrml1 {
namespace {

// Lines of at most a dozen values, through one buffer.
class Tableau {
public:
    Tableau(FILE* out, const char* declaration) : out(out) { fprintf(out, "%s = {", declaration); }
    ~Tableau() {
        vide();
        fputs(" };\n", out);
    }
    void flottant(float v) {
        separe();
        if (!std::isfinite(v)) {
            texte += std::isnan(v) ? "__builtin_nanf(\"\")" : v > 0 ? "__builtin_inff()" : "-__builtin_inff()";
            return;
        }
        char t[32];
        char* fin = std::to_chars(t, t + sizeof t, v).ptr;
        if (!memchr(t, '.', fin - t) && !memchr(t, 'e', fin - t)) *fin++ = '.';
        *fin++ = 'f';
        texte.append(t, fin);
    }
    void entier(unsigned long v) {
        separe();
        char t[24];
        texte.append(t, std::to_chars(t, t + sizeof t, v).ptr);
    }

private:
    FILE* out;
    std::string texte;
    int n = 0;
    void separe() {
        if (n > 0) texte += ',';
        if (n++ % 12 == 0) {
            texte += "\n  ";
            if (texte.size() > 1 << 16) vide();
        }
    }
    void vide() {
        fwrite(texte.data(), 1, texte.size(), out);
        texte.clear();
    }
};

const char* nomPrimitive(int p) {
    return p == GL_TRIANGLES ? "GL_TRIANGLES" : p == GL_LINES ? "GL_LINES" : "GL_POINTS";
}

}  // namespace

// The distinct vertices, each given by its first occurrence, and every vertex's
// number among them.
static void distincts(const Maillage& m, std::vector<long>& premiers, std::vector<unsigned long>& indices) {
    const Brut<float> &sommets = m.sommets, &normales = m.normales;
    const Brut<unsigned char>& couleurs = m.couleurs;
    const long n = m.nbSommets();
    // Equal vertices, found by an open-addressed table of their bytes.
    auto egaux = [&](long a, long b) {
        return !memcmp(&sommets[3 * a], &sommets[3 * b], 3 * sizeof(float)) &&
               (normales.empty() || !memcmp(&normales[3 * a], &normales[3 * b], 3 * sizeof(float))) &&
               (couleurs.empty() || !memcmp(&couleurs[4 * a], &couleurs[4 * b], 4));
    };
    auto hache = [&](long a) {
        uint64_t h = 1469598103934665603u;
        auto melange = [&h](const void* p, size_t octets) {
            const unsigned char* c = static_cast<const unsigned char*>(p);
            for (size_t i = 0; i < octets; ++i) h = (h ^ c[i]) * 1099511628211u;
        };
        melange(&sommets[3 * a], 12);
        if (!normales.empty()) melange(&normales[3 * a], 12);
        if (!couleurs.empty()) melange(&couleurs[4 * a], 4);
        return h;
    };
    size_t taille = 16;
    while (taille < 2 * size_t(n)) taille *= 2;
    std::vector<long> table(taille, -1);  // a distinct vertex's number
    indices.resize(n);
    for (long v = 0; v < n; ++v) {
        size_t h = hache(v) & (taille - 1);
        while (table[h] >= 0 && !egaux(premiers[table[h]], v)) h = (h + 1) & (taille - 1);
        if (table[h] < 0) {
            table[h] = long(premiers.size());
            premiers.push_back(v);
        }
        indices[v] = table[h];
    }
}

void Maillage::exporteTableaux(FILE* out, const char* prefixe) const {
    if (sommets.empty()) return;
    std::vector<long> premiers;
    std::vector<unsigned long> indices;
    distincts(*this, premiers, indices);
    nbDistincts = long(premiers.size());
    std::string nom = std::string("static const float ") + prefixe;
    {
        Tableau t(out, (nom + "b[4]").c_str());
        for (float v : base) t.flottant(v);
    }
    {
        Tableau t(out, (nom + "s[]").c_str());
        for (long v : premiers)
            for (int k = 0; k < 3; ++k) t.flottant(sommets[3 * v + k]);
    }
    if (!normales.empty()) {
        Tableau t(out, (nom + "n[]").c_str());
        for (long v : premiers)
            for (int k = 0; k < 3; ++k) t.flottant(normales[3 * v + k]);
    }
    if (!couleurs.empty()) {
        Tableau t(out, (std::string("static const unsigned char ") + prefixe + "c[]").c_str());
        for (long v : premiers)
            for (int k = 0; k < 4; ++k) t.entier(couleurs[4 * v + k]);
    }
    if (nbDistincts < nbSommets()) {
        Tableau t(out, (std::string("static const unsigned int ") + prefixe + "i[]").c_str());
        for (unsigned long v : indices) t.entier(v);
    }
}

void Maillage::exporteAppel(FILE* out, const char* p) const {
    if (sommets.empty()) return;
    const bool indexe = nbDistincts < nbSommets();
    std::string n = normales.empty() ? "nullptr" : std::string(p) + "n";
    std::string c = couleurs.empty() ? "nullptr" : std::string(p) + "c";
    std::string i = indexe ? std::string(p) + "i" : "nullptr";
    fprintf(out, "  solidMaillage(%s,%d,%sb,%ld,%ss,%s,%s,%ld,%s);\n", nomPrimitive(primitive),
            drapeaux, p, nbDistincts, p, n.c_str(), c.c_str(), indexe ? nbSommets() : 0L, i.c_str());
}

}  // namespace vrml1
