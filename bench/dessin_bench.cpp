// Drawing one frame beside its floor: a bare immediate-mode loop that sends the same
// vertices and normals, with the same matrices and materials, in the same window and
// OpenGL state (lighting, depth test, blending, culling). Both end with glFinish.
#include <GL/glut.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "bench/aide_bench.h"
#include "bench/plancher_dessin.h"
#include "viewer/Viewer.h"

static void BM_Dessin(benchmark::State& state, const char* nom) {
    std::string chemin = entree(nom);
    if (octetsFichier(chemin) <= 0) {
        state.SkipWithError("missing input; run `make bench`");
        return;
    }
    sceneCourante = new Scene(chemin.c_str());
    nbFacettesVue = 72;
    Appels appels;
    if (!enregistreAppels(sceneCourante->noeuds, nbFacettesVue, appels)) {
        state.SkipWithError("the scene holds a node type the floor does not replay");
        return;
    }
    affichage();  // a first frame of each, so that neither pays for a cold start
    imagePlancher(appels);
    glFinish();

    // llvmpipe rasterises on worker threads: the process's CPU time holds their work.
    Duel duel(CLOCK_PROCESS_CPUTIME_ID);
    for (auto _ : state) {
        state.SetIterationTime(duel.manche([&] { affichage(); glFinish(); },
                                           [&] { imagePlancher(appels); glFinish(); }));
    }
    double n = state.iterations();
    state.counters["ms/image"] = duel.programmeMur * 1e3 / n;
    state.counters["cpu_ms/image"] = duel.programme * 1e3 / n;
    state.counters["sommets/s"] = appels.sommets * n / duel.programmeMur;
    state.counters["plancher_ms/image"] = duel.plancherMur * 1e3 / n;
    state.counters["ratio"] = duel.rapport();
    state.counters["ratio_mur"] = duel.programmeMur / duel.plancherMur;
    state.counters["sommets"] = appels.sommets;
    libereScene(sceneCourante);
    sceneCourante = nullptr;
}
BENCHMARK_CAPTURE(BM_Dessin, 100_noeuds, "scene-100.wrl")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Dessin, 4_formes, "scene-4.wrl")->UseManualTime()->Unit(benchmark::kMillisecond);

// The frames that callgrind.sh counts, apart from the warm-up frames before them
// (the first frame of a new OpenGL state compiles llvmpipe's shaders).
__attribute__((noinline)) static void imageProgrammeComptee() {
    affichage();
    glFinish();
}
__attribute__((noinline)) static void imagePlancherComptee(const Appels& appels) {
    imagePlancher(appels);
    glFinish();
}

int dessineImages(const char* nom, int n) {
    std::string chemin = entree(nom);
    sceneCourante = new Scene(chemin.c_str());
    nbFacettesVue = 72;
    Appels appels;
    if (octetsFichier(chemin) <= 0 ||
        !enregistreAppels(sceneCourante->noeuds, nbFacettesVue, appels)) {
        fprintf(stderr, "orlevan_bench: cannot replay %s\n", chemin.c_str());
        return 1;
    }
    affichage();
    imagePlancher(appels);
    glFinish();
    for (int i = 0; i < n; ++i) {
        imageProgrammeComptee();
        imagePlancherComptee(appels);
    }
    printf("images %d sommets %ld\n", n, appels.sommets);
    return 0;
}
