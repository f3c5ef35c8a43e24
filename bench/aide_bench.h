// Helpers shared by the benchmarks: where the generated inputs are, a clock, the
// size of a file, and freeing a loaded scene so that repeated loads do not pile up.
#ifndef ORLEVAN_BENCH_AIDE_H
#define ORLEVAN_BENCH_AIDE_H

#include <algorithm>
#include <ctime>
#include <string>
#include <type_traits>
#include <vector>

#include "scene/Scene.h"

// Folder of the generated scenes (the bench program's first argument).
extern std::string dossierEntrees;

// Path of an input scene: "scene-100.wrl", "scene-20M.wrl"...
inline std::string entree(const char* nom) { return dossierEntrees + "/" + nom; }

// Seconds on a clock.
inline double maintenant(clockid_t horloge = CLOCK_MONOTONIC) {
    timespec t;
    clock_gettime(horloge, &t);
    return t.tv_sec + t.tv_nsec * 1e-9;
}

// The time of the program and of its floor, summed over the iterations, and the ratio
// of each round. The machine is shared: the ratios use CPU time (of the thread, or of
// the process when OpenGL's worker threads do part of the work), which others' load
// changes less than wall time; wall time is kept beside it.
struct Duel {
    clockid_t horloge;
    double programme = 0, plancher = 0;        // CPU seconds
    double programmeMur = 0, plancherMur = 0;  // wall seconds
    std::vector<double> rapports;              // program / floor, CPU, of each round
    bool plancherDabord = true;

    explicit Duel(clockid_t h) : horloge(h) {}

    // Times one run of each, in turns first: a neighbour's load or a warm cache then
    // falls on both sides alike. Returns the program's CPU time.
    template <class Programme, class Plancher>
    double manche(Programme lanceProgramme, Plancher lancePlancher) {
        double avant = programme, avantPlancher = plancher;
        if (plancherDabord) {
            mesure(lancePlancher, plancher, plancherMur);
            mesure(lanceProgramme, programme, programmeMur);
        } else {
            mesure(lanceProgramme, programme, programmeMur);
            mesure(lancePlancher, plancher, plancherMur);
        }
        plancherDabord = !plancherDabord;
        rapports.push_back((programme - avant) / (plancher - avantPlancher));
        return programme - avant;
    }

    // The median of the rounds' ratios: a burst of a neighbour's load spoils a round
    // or two, not the figure.
    double rapport() {
        std::vector<double> tries = rapports;
        std::sort(tries.begin(), tries.end());
        size_t m = tries.size() / 2;
        return tries.size() % 2 ? tries[m] : (tries[m - 1] + tries[m]) / 2;
    }

    // A run that returns a number has measured its CPU seconds itself (those of a
    // child process); any other is timed on the clock.
    template <class F>
    void mesure(F f, double& cpu, double& mur) {
        double m0 = maintenant(), c0 = maintenant(horloge);
        if constexpr (std::is_same_v<decltype(f()), double>) {
            cpu += f();
        } else {
            f();
            cpu += maintenant(horloge) - c0;
        }
        mur += maintenant() - m0;
    }
};

long octetsFichier(const std::string& chemin);

// The loading floor: every token of the file read with fscanf("%255s"), nothing done
// with it; the number of tokens. With verrou, the loop holds the stream's lock as the
// reader does, for a second comparison: in a process with threads (OpenGL's) each
// stdio call otherwise takes and gives back the lock.
long litJetons(const char* chemin, bool verrou = false);

// The viewer never frees a scene; the benchmarks load the same file many times and
// give the memory back between loads: the scene's arena goes with it.
void libereScene(Scene* scene);

#endif
