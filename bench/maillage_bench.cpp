// A mesh of a million triangles (bench/genere-maillage.sh), read with --vrml1 and
// drawn, each beside its floor: reading the file and converting every number with
// strtof/strtol into arrays allocated beforehand; drawing the same triangles with one
// glDrawArrays from the same arrays, in the same window, frame and OpenGL state.
// Memory: the heap the scene holds beside the bytes of the arrays drawing needs.
#include <GL/glut.h>
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "bench/aide_bench.h"
#include "properties/ProprietesVrml.h"
#include "scene/Monde.h"
#include "shapes/Ensembles.h"
#include "viewer/Viewer.h"

static const char* MAILLAGE = "maillage-1M.wrl";

// The floor of the reading: the whole file in memory, then each number of the point
// list with strtof and each index of coordIndex with strtol into its array. The
// counts are known beforehand (the generator's), so nothing grows.
struct Plancher {
    std::vector<float> points;
    std::vector<int32_t> indices;
};
static void litPlancher(const char* chemin, Plancher& p, long nbPoints, long nbIndices) {
    FILE* in = fopen(chemin, "rb");
    fseek(in, 0, SEEK_END);
    long taille = ftell(in);
    rewind(in);
    std::vector<char> texte(taille + 1);
    if (fread(texte.data(), 1, taille, in) != size_t(taille)) taille = 0;
    fclose(in);
    texte[taille] = 0;
    p.points.assign(3 * nbPoints, 0);
    p.indices.assign(nbIndices, 0);
    auto blanc = [](char c) { return c == ' ' || c == ',' || c == '\n' || c == '\t'; };
    const char* c = strstr(texte.data(), "point [");
    char* fin;
    long n = 0;
    for (c += 7;; c = fin) {
        while (blanc(*c)) ++c;
        if (*c == ']' || n == 3 * nbPoints) break;
        p.points[n++] = strtof(c, &fin);
    }
    c = strstr(c, "coordIndex [");
    n = 0;
    for (c += 12;; c = fin) {
        while (blanc(*c)) ++c;
        if (*c == ']' || n == nbIndices) break;
        p.indices[n++] = int32_t(strtol(c, &fin, 10));
    }
}

// The one IndexedFaceSet of the benchmark mesh.
static const vrml1::IndexedFaceSet* maillage(const Scene* scene) {
    for (vrml1::Noeud* n : scene->monde->noeuds)
        if (auto* f = dynamic_cast<const vrml1::IndexedFaceSet*>(n)) return f;
    return nullptr;
}

static void BM_LectureMaillage(benchmark::State& state) {
    std::string chemin = entree(MAILLAGE);
    double octets = octetsFichier(chemin);
    if (octets <= 0) {
        state.SkipWithError("missing input; run `make bench`");
        return;
    }
    Scene* essai = new Scene(chemin.c_str(), true);
    const vrml1::Maillage& m = maillage(essai)->maillage;
    double triangles = m.triangles;
    long nbPoints = 0, nbIndices = 4 * m.faces;
    for (vrml1::Noeud* n : essai->monde->noeuds)
        if (auto* c = dynamic_cast<const vrml1::Coordinate3*>(n)) nbPoints = long(c->point.size());
    libereScene(essai);

    Duel duel(CLOCK_THREAD_CPUTIME_ID);
    double construction = 0;  // CPU seconds of building the arrays alone
    for (auto _ : state) {
        Scene* scene = nullptr;
        Plancher p;
        state.SetIterationTime(duel.manche([&] { scene = new Scene(chemin.c_str(), true); },
                                           [&] { litPlancher(chemin.c_str(), p, nbPoints, nbIndices); }));
        libereScene(scene);
        // The part of the reading that turns the numbers into drawing arrays, from
        // the floor's arrays, with the file's hints.
        vrml1::EntreeMaillage e;
        e.points = p.points.data(), e.nbPoints = nbPoints;
        e.coordIndex = p.indices.data(), e.nbCoordIndex = nbIndices;
        e.ordre = vrml1::COUNTERCLOCKWISE, e.forme = vrml1::SOLID;
        double t0 = maintenant(CLOCK_THREAD_CPUTIME_ID);
        vrml1::Maillage construit = vrml1::maillageFaces(e);
        construction += maintenant(CLOCK_THREAD_CPUTIME_ID) - t0;
    }
    double n = state.iterations();
    state.counters["MB/s"] = octets * n / duel.programme / 1e6;
    state.counters["plancher_MB/s"] = octets * n / duel.plancher / 1e6;
    state.counters["ratio"] = duel.rapport();
    state.counters["ratio_mur"] = duel.programmeMur / duel.plancherMur;
    state.counters["triangles"] = triangles;
    state.counters["construction_ms"] = construction * 1e3 / n;
    state.counters["ratio_sans_construction"] = (duel.programme - construction) / duel.plancher;
}
BENCHMARK(BM_LectureMaillage)->MinTime(3)->UseManualTime()->Unit(benchmark::kMillisecond);

// The floor's scene: the framing the scene draws under, then one glDrawArrays.
static const vrml1::Maillage* arrays = nullptr;
static const vrml1::Monde* monde = nullptr;
static void scenePlancher() {
    glScalef(monde->echelle, monde->echelle, monde->echelle);
    glTranslatef(-monde->centre[0], -monde->centre[1], -monde->centre[2]);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, arrays->sommets.data());
    glNormalPointer(GL_FLOAT, 0, arrays->normales.data());
    glDrawArrays(GL_TRIANGLES, 0, int(arrays->nbSommets()));
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}

static void BM_ImageMaillage(benchmark::State& state) {
    std::string chemin = entree(MAILLAGE);
    if (octetsFichier(chemin) <= 0) {
        state.SkipWithError("missing input; run `make bench`");
        return;
    }
    sceneCourante = new Scene(chemin.c_str(), true);
    arrays = &maillage(sceneCourante)->maillage;
    monde = sceneCourante->monde;
    void (*arbre)() = contenuScene;
    auto programme = [&] { contenuScene = arbre; affichage(); glFinish(); };
    auto plancher = [&] { contenuScene = scenePlancher; affichage(); glFinish(); };
    programme();  // a first frame of each: neither pays for a cold start
    plancher();
    Duel duel(CLOCK_PROCESS_CPUTIME_ID);  // llvmpipe's worker threads included
    for (auto _ : state) state.SetIterationTime(duel.manche(programme, plancher));
    contenuScene = arbre;
    double n = state.iterations();
    state.counters["ms/image"] = duel.programmeMur * 1e3 / n;
    state.counters["cpu_ms/image"] = duel.programme * 1e3 / n;
    state.counters["plancher_ms/image"] = duel.plancherMur * 1e3 / n;
    state.counters["ratio"] = duel.rapport();
    state.counters["ratio_mur"] = duel.programmeMur / duel.plancherMur;
    state.counters["sommets"] = double(arrays->nbSommets());
    libereScene(sceneCourante);
    sceneCourante = nullptr;
}
BENCHMARK(BM_ImageMaillage)->MinTime(2)->UseManualTime()->Unit(benchmark::kMillisecond);

static void BM_MemoireMaillage(benchmark::State& state) {
    std::string chemin = entree(MAILLAGE);
    if (octetsFichier(chemin) <= 0) {
        state.SkipWithError("missing input; run `make bench`");
        return;
    }
    double tas = 0, tableaux = 0;
    for (auto _ : state) {
        struct mallinfo2 avant = mallinfo2();
        Scene* scene = new Scene(chemin.c_str(), true);
        struct mallinfo2 apres = mallinfo2();
        tas = double(apres.uordblks + apres.hblkhd) - double(avant.uordblks + avant.hblkhd);
        tableaux = double(maillage(scene)->maillage.octets());
        libereScene(scene);
    }
    state.counters["tas_Mo"] = tas / 1e6;
    state.counters["tableaux_Mo"] = tableaux / 1e6;
    state.counters["ratio"] = tas / tableaux;
}
BENCHMARK(BM_MemoireMaillage)->Iterations(1)->Repetitions(1)->Unit(benchmark::kMillisecond);
