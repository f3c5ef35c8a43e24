// A picture of examples/demo.wrl made by a whole `orlevan-export --png` process
// (start-up, EGL and Mesa, reading the scene, the first frame, the PNG), beside the
// bare start-up of a process (/bin/true), both started the same way in turns, with
// no display in their environment. Target: at most 0.15 s of wall time. Reported:
// the medians over the rounds of the wall and CPU (user and system) times of each,
// and their ratios.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cstring>
#include <string>
#include <vector>

#include "bench/aide_bench.h"

extern char** environ;

namespace {

struct Temps {
    double mur = 0, cpu = 0;  // seconds; cpu: user and system time of the child
};

// Runs the command to its end; false if it could not start or did not succeed.
bool lance(const std::vector<std::string>& commande, char** env, Temps* temps) {
    std::vector<char*> argv;
    for (const std::string& mot : commande) argv.push_back(const_cast<char*>(mot.c_str()));
    argv.push_back(nullptr);
    double debut = maintenant();
    pid_t pid;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), env) != 0) return false;
    int statut;
    rusage usage;
    if (wait4(pid, &statut, 0, &usage) != pid) return false;
    temps->mur = maintenant() - debut;
    temps->cpu = usage.ru_utime.tv_sec + usage.ru_utime.tv_usec * 1e-6 +
                 usage.ru_stime.tv_sec + usage.ru_stime.tv_usec * 1e-6;
    return WIFEXITED(statut) && WEXITSTATUS(statut) == 0;
}

double mediane(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    size_t m = v.size() / 2;
    return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

}  // namespace

static void BM_ImagePNG(benchmark::State& state) {
    // The environment without the display make bench runs under.
    std::vector<char*> env;
    for (char** e = environ; *e; ++e)
        if (strncmp(*e, "DISPLAY=", 8) != 0) env.push_back(*e);
    env.push_back(nullptr);
    std::string sortie = dossierEntrees + "/demo.png";
    const std::vector<std::string> programme = {
        ORLEVAN_BUILD_DIR "/orlevan-export", "--png", sortie, "--taille", "350x300",
        ORLEVAN_SOURCE_DIR "/examples/demo.wrl"};
    const std::vector<std::string> plancher = {"/bin/true"};

    std::vector<double> mur, cpu, murPlancher, cpuPlancher;
    bool plancherDabord = true;
    for (auto _ : state) {
        Temps p, t;
        bool ok = plancherDabord ? lance(plancher, env.data(), &t) &&
                                       lance(programme, env.data(), &p)
                                 : lance(programme, env.data(), &p) &&
                                       lance(plancher, env.data(), &t);
        if (!ok) {
            state.SkipWithError("orlevan-export --png or /bin/true failed");
            return;
        }
        plancherDabord = !plancherDabord;
        state.SetIterationTime(p.mur);
        mur.push_back(p.mur);
        cpu.push_back(p.cpu);
        murPlancher.push_back(t.mur);
        cpuPlancher.push_back(t.cpu);
    }
    state.counters["mur_ms"] = mediane(mur) * 1e3;
    state.counters["cpu_ms"] = mediane(cpu) * 1e3;
    state.counters["true_mur_ms"] = mediane(murPlancher) * 1e3;
    state.counters["true_cpu_ms"] = mediane(cpuPlancher) * 1e3;
    state.counters["ratio_mur"] = mediane(mur) / mediane(murPlancher);
    state.counters["ratio_cpu"] = mediane(cpu) / mediane(cpuPlancher);
    state.counters["objectif_150ms"] = mediane(mur) <= 0.15 ? 1 : 0;
}
BENCHMARK(BM_ImagePNG)->Name("ImagePNG/demo/350x300")->Iterations(15)->UseManualTime()
    ->Unit(benchmark::kMillisecond);
