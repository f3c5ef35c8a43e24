// Benchmark main: one real freeglut window for the drawing benchmarks, as the viewer
// has one. Usage: orlevan_bench INPUT_FOLDER [--benchmark_... options]; the folder
// holds the scenes that genere-scene.sh wrote (make bench writes them).
// With --images SCENE N instead of benchmark options, it draws N frames of the scene
// and N of its floor and ends: the run that callgrind.sh counts instructions of.
#include <GL/glut.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench/aide_bench.h"
#include "bench/plancher_dessin.h"
#include "viewer/Viewer.h"

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    bool images = argc == 5 && strcmp(argv[2], "--images") == 0;
    if (argc != 2 && !images) {
        fprintf(stderr, "usage: orlevan_bench INPUT_FOLDER [--benchmark_... options]\n"
                        "       orlevan_bench INPUT_FOLDER --images SCENE N\n");
        return 2;
    }
    dossierEntrees = argv[1];
    if (!getenv("DISPLAY")) {
        fprintf(stderr, "orlevan_bench: no DISPLAY; run it through `make bench`\n");
        return 1;
    }
    // The viewer's window and fixed state.
    glutInit(&argc, argv);
    ouvreFenetre("bench");  // the viewer's own window
    initialiseGL();
    redimensionne(350, 300);

    if (images) return dessineImages(argv[3], atoi(argv[4]));

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
