// Saving a scene as C beside its floor: a bare fprintf loop writing the same lines
// (the same formats with the same values), checked to give the very same file; and
// the converter's whole process beside that loop plus the loading floor.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "bench/aide_bench.h"
#include "properties/Material.h"
#include "properties/Translation.h"
#include "scene/Separator.h"
#include "shapes/Cone.h"
#include "shapes/Cube.h"
#include "shapes/Cylinder.h"
#include "shapes/Sphere.h"

namespace {

// One line of the output: its format and its arguments, decided before the clock runs.
struct Ligne {
    enum { RIEN, R1, R3, R4, R1_N, R3_N, R2_N_TEXTE } sorte;
    const char* format;
    double r[4];
    int n;  // the count, or the length of a line without conversions
    const char* texte;
};

void ajoute(std::vector<Ligne>& lignes, const char* format) {
    lignes.push_back({Ligne::RIEN, format, {}, static_cast<int>(strlen(format)), nullptr});
}

void ajouteCouleur(std::vector<Ligne>& lignes, const float* c, double alpha,
                   const char* appel) {
    lignes.push_back({Ligne::R4, "  { float t[4] = { %fF,%fF,%fF,%fF };\n",
                      {c[0], c[1], c[2], alpha}, 0, nullptr});
    ajoute(lignes, appel);
}

// The lines of a list, for the node types the benchmark scenes hold; false for any
// other type.
bool lignesListe(const ListeNoeuds* liste, std::vector<Ligne>& lignes) {
    for (Maillon* m = liste->tete; m; m = m->suivant) {
        Noeud* n = m->noeud;
        if (auto* s = dynamic_cast<Separator*>(n)) {
            ajoute(lignes, "  glPushMatrix();\n");
            ajoute(lignes, "  empileMaterial();\n");
            ajoute(lignes, "  empileLights();\n");
            if (!lignesListe(s->enfants, lignes)) return false;
            ajoute(lignes, "  depileLights();\n");
            ajoute(lignes, "  depileMaterial();\n");
            ajoute(lignes, "  glPopMatrix();\n");
        } else if (auto* t = dynamic_cast<Translation*>(n)) {
            const float* v = t->translation;
            lignes.push_back({Ligne::R3, "  glTranslatef(%fF,%fF,%fF);\n",
                              {v[0], v[1], v[2]}, 0, nullptr});
        } else if (auto* mat = dynamic_cast<Material*>(n)) {
            double alpha = 1.0 - mat->transparency;
            ajouteCouleur(lignes, mat->diffuseColor, alpha,
                          "    glMaterialfv(GL_FRONT_AND_BACK,GL_DIFFUSE,t); }\n");
            ajouteCouleur(lignes, mat->ambientColor, alpha,
                          "    glMaterialfv(GL_FRONT_AND_BACK,GL_AMBIENT,t); }\n");
            ajouteCouleur(lignes, mat->specularColor, alpha,
                          "    glMaterialfv(GL_FRONT_AND_BACK,GL_SPECULAR,t); }\n");
            ajouteCouleur(lignes, mat->emissiveColor, alpha,
                          "    glMaterialfv(GL_FRONT_AND_BACK,GL_EMISSION,t); }\n");
            lignes.push_back({Ligne::R1, "  { float t[4] = { %fF };\n",
                              {mat->shininess * 128.0}, 0, nullptr});
            ajoute(lignes, "    glMaterialfv(GL_FRONT_AND_BACK,GL_SHININESS,t); }\n");
        } else if (auto* c = dynamic_cast<Cube*>(n)) {
            lignes.push_back({Ligne::R3_N, "  solidCube(%fF,%fF,%fF,%d);\n",
                              {c->width, c->height, c->depth}, nbFacettes, nullptr});
        } else if (auto* s = dynamic_cast<Sphere*>(n)) {
            lignes.push_back({Ligne::R1_N, "  solidSphere(%fF,%d);\n", {s->radius},
                              nbFacettes, nullptr});
        } else if (auto* c = dynamic_cast<Cone*>(n)) {
            lignes.push_back({Ligne::R2_N_TEXTE, "  solidCone(%fF,%fF,%d,\"%s\");\n",
                              {c->bottomRadius, c->height}, nbFacettes, c->parts});
        } else if (auto* c = dynamic_cast<Cylinder*>(n)) {
            lignes.push_back({Ligne::R2_N_TEXTE, "  solidCylindre(%fF,%fF,%d,\"%s\");\n",
                              {c->radius, c->height}, nbFacettes, c->parts});
        } else {
            return false;
        }
    }
    return true;
}

// The floor: one fprintf per line, into a real file. With verrou, holding the stream's
// lock, as in a process without threads.
void ecritLignes(const char* chemin, const std::vector<Ligne>& lignes, bool verrou = false) {
    FILE* out = fopen(chemin, "w");
    if (verrou) flockfile(out);
    for (const Ligne& l : lignes) {
        switch (l.sorte) {
        // What the compiler makes of an fprintf whose format is a constant without
        // conversions.
        case Ligne::RIEN: fwrite(l.format, 1, l.n, out); break;
        case Ligne::R1: fprintf(out, l.format, l.r[0]); break;
        case Ligne::R3: fprintf(out, l.format, l.r[0], l.r[1], l.r[2]); break;
        case Ligne::R4: fprintf(out, l.format, l.r[0], l.r[1], l.r[2], l.r[3]); break;
        case Ligne::R1_N: fprintf(out, l.format, l.r[0], l.n); break;
        case Ligne::R3_N: fprintf(out, l.format, l.r[0], l.r[1], l.r[2], l.n); break;
        case Ligne::R2_N_TEXTE: fprintf(out, l.format, l.r[0], l.r[1], l.n, l.texte); break;
        }
    }
    if (verrou) funlockfile(out);
    fclose(out);
}

// Every line of a scene's generated file; false for a node type lignesListe lacks.
bool lignesScene(const Scene* scene, std::vector<Ligne>& lignes) {
    ajoute(lignes, "#include <GL/glut.h>\n");
    ajoute(lignes, "#include <GL/glu.h>\n");
    ajoute(lignes, "#include <GL/gl.h>\n");
    ajoute(lignes, "\n");
    ajoute(lignes, "#include \"SolidObjects.h\"\n");
    ajoute(lignes, "#include \"Utils.h\"\n");
    ajoute(lignes, "\n");
    ajoute(lignes, "void scene(void) {\n");
    bool connus = lignesListe(scene->noeuds, lignes);
    ajoute(lignes, "}\n");
    return connus;
}

std::vector<char> contenu(const std::string& chemin) {
    std::vector<char> octets;
    FILE* f = fopen(chemin.c_str(), "rb");
    if (!f) return octets;
    char tampon[65536];
    size_t lus;
    while ((lus = fread(tampon, 1, sizeof tampon, f)) > 0)
        octets.insert(octets.end(), tampon, tampon + lus);
    fclose(f);
    return octets;
}

}  // namespace

static void BM_Enregistrement(benchmark::State& state, const char* nom) {
    std::string chemin = entree(nom);
    if (octetsFichier(chemin) <= 0) {
        state.SkipWithError("missing input; run `make bench`");
        return;
    }
    Scene* scene = new Scene(chemin.c_str());
    nbFacettes = 72;  // as after a first frame in the viewer
    std::vector<Ligne> lignes;
    bool connus = lignesScene(scene, lignes);
    std::string sortieProgramme = entree("sortie-programme.cpp");
    std::string sortiePlancher = entree("sortie-plancher.cpp");
    scene->enregistre(sortieProgramme.c_str());
    ecritLignes(sortiePlancher.c_str(), lignes);
    if (!connus || contenu(sortieProgramme) != contenu(sortiePlancher)) {
        state.SkipWithError("the floor does not write the program's file");
        libereScene(scene);
        return;
    }

    Duel duel(CLOCK_THREAD_CPUTIME_ID);
    for (auto _ : state) {
        state.SetIterationTime(
            duel.manche([&] { scene->enregistre(sortieProgramme.c_str()); },
                        [&] { ecritLignes(sortiePlancher.c_str(), lignes); }));
    }
    double n = state.iterations();
    double octets = octetsFichier(sortieProgramme);
    state.counters["MB/s"] = octets * n / duel.programme / 1e6;
    state.counters["plancher_MB/s"] = octets * n / duel.plancher / 1e6;
    state.counters["ratio"] = duel.rapport();
    state.counters["ratio_mur"] = duel.programmeMur / duel.plancherMur;
    state.counters["lignes"] = lignes.size();
    libereScene(scene);
}
BENCHMARK_CAPTURE(BM_Enregistrement, 10000, "scene-10000.wrl")->UseManualTime()->Unit(benchmark::kMillisecond);

// orlevan-export, the whole process (start, reading into a fresh arena, writing,
// exit), beside the bare fscanf loop over the scene plus the bare fprintf loop that
// writes the same file. The program's CPU time is its process's, user and system,
// as wait4 gives it; the floor's that of this thread, whose loops hold their streams'
// locks: the converter has no threads, so its stdio calls take no lock, where this
// process has OpenGL's.
static double exporte(const char* scene, const char* sortie, long* defauts) {
    const char* arguments[] = {ORLEVAN_EXPORT, "-o", sortie, scene, nullptr};
    pid_t enfant;
    if (posix_spawn(&enfant, ORLEVAN_EXPORT, nullptr, nullptr,
                    const_cast<char* const*>(arguments), environ) != 0)
        return -1;
    int etat;
    rusage r;
    if (wait4(enfant, &etat, 0, &r) != enfant || !WIFEXITED(etat) || WEXITSTATUS(etat) != 0)
        return -1;
    *defauts += r.ru_minflt;
    return r.ru_utime.tv_sec + r.ru_stime.tv_sec +
           (r.ru_utime.tv_usec + r.ru_stime.tv_usec) * 1e-6;
}

static void BM_Export(benchmark::State& state, const char* nom) {
    std::string chemin = entree(nom);
    if (octetsFichier(chemin) <= 0) {
        state.SkipWithError("missing input; run `make bench`");
        return;
    }
    std::vector<Ligne> lignes;
    Scene* scene = new Scene(chemin.c_str());  // kept: the lines point into its parts texts
    nbFacettes = 72;  // orlevan-export's default count
    bool connus = lignesScene(scene, lignes);
    std::string sortieProgramme = entree("export-programme.cpp");
    std::string sortiePlancher = entree("export-plancher.cpp");
    long defauts = 0;
    bool lance = exporte(chemin.c_str(), sortieProgramme.c_str(), &defauts) >= 0;
    ecritLignes(sortiePlancher.c_str(), lignes);
    if (!lance || !connus || contenu(sortieProgramme) != contenu(sortiePlancher)) {
        state.SkipWithError("orlevan-export failed, or the floor does not write its file");
        libereScene(scene);
        return;
    }

    Duel duel(CLOCK_THREAD_CPUTIME_ID);
    defauts = 0;
    bool echec = false;
    for (auto _ : state) {
        state.SetIterationTime(duel.manche(
            [&] {
                double cpu = exporte(chemin.c_str(), sortieProgramme.c_str(), &defauts);
                echec |= cpu < 0;
                return cpu;
            },
            [&] {
                litJetons(chemin.c_str(), true);
                ecritLignes(sortiePlancher.c_str(), lignes, true);
            }));
    }
    if (echec) state.SkipWithError("orlevan-export failed");
    double n = state.iterations();
    state.counters["ratio"] = duel.rapport();
    state.counters["ratio_mur"] = duel.programmeMur / duel.plancherMur;
    state.counters["programme_ms"] = duel.programme / n * 1e3;
    state.counters["plancher_ms"] = duel.plancher / n * 1e3;
    state.counters["defauts_pages"] = defauts / n;
    remove(sortieProgramme.c_str());
    remove(sortiePlancher.c_str());
    libereScene(scene);
}
// About a second a round: a median of seven.
BENCHMARK_CAPTURE(BM_Export, 20Mo, "scene-20M.wrl")
    ->Iterations(7)->UseManualTime()->Unit(benchmark::kMillisecond);
