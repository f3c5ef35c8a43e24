// Benchmark main: one real freeglut window for the drawing benchmarks, as the viewer
// has one. Usage: orlevan_bench INPUT_FOLDER [--benchmark_... options]; the folder
// holds the scenes that genere-scene.sh wrote (make bench writes them).
#include <GL/glut.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

#include "bench/aide_bench.h"
#include "viewer/Viewer.h"

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (argc != 2) {
        fprintf(stderr, "usage: orlevan_bench INPUT_FOLDER [--benchmark_... options]\n");
        return 2;
    }
    dossierEntrees = argv[1];
    if (!getenv("DISPLAY")) {
        fprintf(stderr, "orlevan_bench: no DISPLAY; run it through `make bench`\n");
        return 1;
    }
    // The viewer's window and fixed state.
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(350, 300);
    glutInitWindowPosition(50, 50);
    glutCreateWindow("Orlevan bench");
    initialiseGL();
    redimensionne(350, 300);

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
