// Loading a scene beside its floor, the same file read token by token with
// fscanf("%255s"): what any reader that behaves like the C library's scanner pays.
// Memory: heap bytes per node after loading, beside the node's own fields and list cell.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>

#include <cstdio>
#include <typeinfo>

#include "bench/aide_bench.h"
#include "properties/DirectionalLight.h"
#include "properties/Material.h"
#include "properties/PointLight.h"
#include "properties/Rotation.h"
#include "properties/Scale.h"
#include "properties/SpotLight.h"
#include "properties/Translation.h"
#include "scene/Monde.h"
#include "scene/Separator.h"
#include "shapes/Cone.h"
#include "shapes/Cube.h"
#include "shapes/Cylinder.h"
#include "shapes/Sphere.h"
#include "tests/arbre.h"  // compteNoeuds
#include "viewer/OrthographicCamera.h"
#include "viewer/PerspectiveCamera.h"

// Minor page faults of this thread so far.
static long defautsPages() {
    rusage r;
    getrusage(RUSAGE_THREAD, &r);
    return r.ru_minflt;
}

// After a scene is deleted: its arena's blocks go back to the system, so that the
// next load maps fresh pages, or they are kept for the next load.
static void rendPages(bool pagesNeuves) { Arene::garde(!pagesNeuves); }

// state.range(0): 1 when each load starts with fresh pages, as in the viewer, whose
// one load is the first use of the heap: every page of the tree then costs the kernel
// a page fault. 0 when the pages are already mapped, from the load before: what the
// reader itself costs. Either way the scene is deleted between loads. complet: the
// file is read as --vrml1 reads it (the full language's file of the same scene).
// state.range(1): how the arena's blocks get their pages (Arene::Pages).
static void BM_Chargement(benchmark::State& state, const char* nom, bool complet = false) {
    bool pagesNeuves = state.range(0) == 1;
    Arene::pages = static_cast<Arene::Pages>(state.range(1));
    std::string chemin = entree(nom);
    double octets = octetsFichier(chemin);
    if (octets <= 0) {
        state.SkipWithError("missing input; run `make bench`");
        return;
    }
    Scene* essai = new Scene(chemin.c_str(), complet);
    double noeuds = complet ? essai->monde->noeuds.size() : compteNoeuds(essai->noeuds);
    libereScene(essai);
    rendPages(pagesNeuves);

    Duel duel(CLOCK_THREAD_CPUTIME_ID);
    long jetons = 0;
    double defauts = 0;
    double plancherVerrou = 0;  // CPU seconds of the floor holding the lock
    for (auto _ : state) {
        Scene* scene = nullptr;
        state.SetIterationTime(duel.manche(
            [&] {
                long avant = defautsPages();
                scene = new Scene(chemin.c_str(), complet);
                defauts += defautsPages() - avant;
            },
            [&] { jetons = litJetons(chemin.c_str()); }));
        double t0 = maintenant(CLOCK_THREAD_CPUTIME_ID);
        litJetons(chemin.c_str(), true);
        plancherVerrou += maintenant(CLOCK_THREAD_CPUTIME_ID) - t0;
        libereScene(scene);
        rendPages(pagesNeuves);
    }
    double n = state.iterations();
    state.counters["MB/s"] = octets * n / duel.programme / 1e6;
    state.counters["noeuds/s"] = noeuds * n / duel.programme;
    state.counters["plancher_MB/s"] = octets * n / duel.plancher / 1e6;
    state.counters["ratio"] = duel.rapport();
    state.counters["ratio_mur"] = duel.programmeMur / duel.plancherMur;
    state.counters["ratio_verrou"] = duel.programme / plancherVerrou;
    state.counters["noeuds"] = noeuds;
    state.counters["jetons"] = jetons;
    state.counters["defauts_pages"] = defauts / n;
    rendPages(true);
    Arene::pages = Arene::ENORMES;
}
// A load of the 20 MB file takes a few tenths of a second: enough rounds for a median.
// Fresh pages with each way of getting them (0 ordinary, 1 huge, 2 faulted in by
// mmap), then mapped pages.
BENCHMARK_CAPTURE(BM_Chargement, 20Mo, "scene-20M.wrl")
    ->ArgNames({"pages_neuves", "pages"})
    ->Args({1, Arene::ENORMES})->Args({1, Arene::ORDINAIRES})->Args({1, Arene::PREFAITES})
    ->Args({0, Arene::ENORMES})->MinTime(1.5)->UseManualTime()
    ->Unit(benchmark::kMillisecond);
// The same scene in the full language (genere-scene.sh -c), read with --vrml1.
BENCHMARK_CAPTURE(BM_Chargement, 20Mo_vrml1, "scene-20M-complet.wrl", true)
    ->ArgNames({"pages_neuves", "pages"})->Args({1, Arene::ENORMES})->Args({0, Arene::ENORMES})
    ->MinTime(1.5)->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Chargement, 10000, "scene-10000.wrl")
    ->ArgNames({"pages_neuves", "pages"})->Args({1, Arene::ENORMES})->Args({0, Arene::ENORMES})
    ->UseManualTime()->Unit(benchmark::kMillisecond);

// What a node needs, fields and vtable pointer (sizeof) and the list cell that holds
// it; a Separator also its own child list.
static long champsNoeud(const Noeud* n) {
    const std::type_info& t = typeid(*n);
    long champs = t == typeid(Separator)          ? sizeof(Separator) + sizeof(ListeNoeuds)
                  : t == typeid(Cube)               ? sizeof(Cube)
                  : t == typeid(Sphere)             ? sizeof(Sphere)
                  : t == typeid(Cone)               ? sizeof(Cone)
                  : t == typeid(Cylinder)           ? sizeof(Cylinder)
                  : t == typeid(Translation)        ? sizeof(Translation)
                  : t == typeid(Rotation)           ? sizeof(Rotation)
                  : t == typeid(Scale)              ? sizeof(Scale)
                  : t == typeid(Material)           ? sizeof(Material)
                  : t == typeid(OrthographicCamera) ? sizeof(OrthographicCamera)
                  : t == typeid(PerspectiveCamera)  ? sizeof(PerspectiveCamera)
                  : t == typeid(PointLight)         ? sizeof(PointLight)
                  : t == typeid(SpotLight)          ? sizeof(SpotLight)
                  : t == typeid(DirectionalLight)   ? sizeof(DirectionalLight)
                                                    : 0;
    return champs + sizeof(Maillon);
}

static long champsListe(const ListeNoeuds* liste) {
    long total = 0;
    for (Maillon* m = liste->tete; m; m = m->suivant) {
        total += champsNoeud(m->noeud);
        if (auto* s = dynamic_cast<Separator*>(m->noeud)) total += champsListe(s->enfants);
    }
    return total;
}

static void BM_Memoire(benchmark::State& state, const char* nom) {
    std::string chemin = entree(nom);
    if (octetsFichier(chemin) <= 0) {
        state.SkipWithError("missing input; run `make bench`");
        return;
    }
    double tas = 0, carves = 0, champs = 0, noeuds = 0;
    for (auto _ : state) {
        // In use on the heap (chunk headers and alignment included, mmapped blocks
        // too), plus the arena's blocks, whole: headers, gaps and unused tails.
        struct mallinfo2 avant = mallinfo2();
        Scene* scene = new Scene(chemin.c_str());
        struct mallinfo2 apres = mallinfo2();
        tas = static_cast<double>(apres.uordblks + apres.hblkhd) -
              static_cast<double>(avant.uordblks + avant.hblkhd) +
              static_cast<double>(scene->arene.octetsReserves());
        carves = static_cast<double>(scene->arene.octetsUtilises());
        noeuds = compteNoeuds(scene->noeuds);
        champs = champsListe(scene->noeuds) + sizeof(Scene) + sizeof(ListeNoeuds);
        libereScene(scene);
    }
    state.counters["tas/noeud"] = tas / noeuds;
    state.counters["carves/noeud"] = carves / noeuds;
    state.counters["champs/noeud"] = champs / noeuds;
    state.counters["ratio"] = tas / champs;
    state.counters["noeuds"] = noeuds;
}
// The figure does not vary from run to run: one load is enough.
BENCHMARK_CAPTURE(BM_Memoire, 20Mo, "scene-20M.wrl")
    ->Iterations(1)->Repetitions(1)->Unit(benchmark::kMillisecond);
