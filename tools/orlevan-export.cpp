// orlevan-export: writes the C file of a scene without opening a window, for scripts
// and build systems. The same reader and the same generator as the viewer's
// "Enregistrer", so both write the same file for the same scene and count.
#include <getopt.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "scene/Messages.h"
#include "scene/Scene.h"

static void usage(FILE* out) {
    fprintf(out,
            "usage: orlevan-export [-n COUNT] [-o OUTPUT] SCENE\n"
            "Writes the VRML 1.0 scene SCENE as C code for OpenGL (one function, scene).\n"
            "  -n COUNT   tessellation count of the shapes, 3 or more (default 72)\n"
            "  -o OUTPUT  output file, - for standard output (default: SCENE cut after\n"
            "             the first \".\" of its file name, then \"cpp\")\n"
            "  -h, --help this text\n");
}

int main(int argc, char** argv) {
    nomProgramme = "orlevan-export";
    int compte = 72;  // the viewer's starting count
    const char* sortie = nullptr;
    const option longues[] = {{"help", no_argument, nullptr, 'h'}, {nullptr, 0, nullptr, 0}};
    int option;
    while ((option = getopt_long(argc, argv, "n:o:h", longues, nullptr)) != -1) {
        switch (option) {
        case 'n': {
            char* fin;
            errno = 0;
            long n = strtol(optarg, &fin, 10);
            if (*optarg == '\0' || *fin != '\0' || errno || n < 3 || n > INT_MAX) {
                avertit("the count must be a whole number of 3 or more, not '%s'", optarg);
                return 2;
            }
            compte = static_cast<int>(n);
            break;
        }
        case 'o': sortie = optarg; break;
        case 'h': usage(stdout); return 0;
        default: usage(stderr); return 2;
        }
    }
    if (optind != argc - 1) {
        usage(stderr);
        return 2;
    }
    const char* chemin = argv[optind];

    Scene scene(chemin);
    if (!scene.lisible) return 1;  // the reader has said why
    // No frame is drawn here: the count is the one a frame would have set.
    nbFacettes = compte;

    if (sortie && strcmp(sortie, "-") == 0) {
        scene.enregistre(stdout);
        if (fflush(stdout) != 0 || ferror(stdout)) {
            avertit("cannot write the standard output: %s", strerror(errno));
            return 1;
        }
        return 0;
    }
    char derive[TAILLE_NOM];
    if (!sortie) {
        if (!nomSortie(chemin, derive)) return 1;
        sortie = derive;
    }
    return scene.enregistre(sortie) ? 0 : 1;
}
