// orlevan-export: writes the C file of a scene, or its picture, without opening a
// window, for scripts and build systems. The same reader and the same generator as
// the viewer's "Enregistrer", so both write the same file for the same scene and
// count; the picture is the viewer's first frame (tools/ImageHorsEcran.h).
#include <getopt.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "scene/InfoScene.h"
#include "scene/Messages.h"
#include "scene/Scene.h"
#include "tools/ImageHorsEcran.h"
#include "viewer/Viewer.h"

#define USAGE "usage: orlevan-export [-n COUNT] [-o OUTPUT] SCENE"
#define USAGE_PNG \
    "       orlevan-export [-n COUNT] --png OUTPUT.png [--taille LxH] [--fil-de-fer] SCENE"

// Options with no one-letter form.
enum {
    OPTION_PNG = 256,
    OPTION_TAILLE,
    OPTION_FIL_DE_FER,
    OPTION_VRML1,
    OPTION_INFO,
};

static void usage(FILE* out) {
    fprintf(out,
            USAGE "\n" USAGE_PNG "\n"
            "Writes the VRML 1.0 scene SCENE as C code for OpenGL (one function, scene),\n"
            "or as the PNG picture the viewer shows first of it.\n"
            "  -n COUNT   tessellation count of the shapes, 3 or more (default 72)\n"
            "  -o OUTPUT  output file, - for standard output (default: SCENE cut after\n"
            "             the first \".\" of its file name, then \"cpp\")\n"
            "  --png OUTPUT.png  instead of the C code, the viewer's first picture of the\n"
            "             scene as PNG (- for standard output), drawn with no display\n"
            "  --taille LxH  size of the picture in pixels (default 350x300, the window's)\n"
            "  --fil-de-fer  the picture in wireframe\n"
            "  --vrml1    read SCENE in the full VRML 1.0 language\n"
            "  --info     print a summary of SCENE (nodes, counts, box) instead\n"
            "  -h, --help this text\n"
            "  --version  the version\n");
}

int main(int argc, char** argv) {
    nomProgramme = "orlevan-export";
    int compte = 72;  // the viewer's starting count
    const char* sortie = nullptr;
    const char* png = nullptr;  // --png: the picture instead of the C code
    int largeur = 350, hauteur = 300;  // the viewer's window
    bool tailleDonnee = false, filDeFer = false;
    bool complet = false, info = false;
    const option longues[] = {
        {"help", no_argument, nullptr, 'h'},
        {"version", no_argument, nullptr, 'V'},
        {"png", required_argument, nullptr, OPTION_PNG},
        {"taille", required_argument, nullptr, OPTION_TAILLE},
        {"fil-de-fer", no_argument, nullptr, OPTION_FIL_DE_FER},
        {"vrml1", no_argument, nullptr, OPTION_VRML1},
        {"info", no_argument, nullptr, OPTION_INFO},
        {nullptr, 0, nullptr, 0},
    };
    int option;
    opterr = 0;  // a bad option gets one line of our own, not getopt's and the usage
    while ((option = getopt_long(argc, argv, ":n:o:h", longues, nullptr)) != -1) {
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
        case OPTION_PNG: png = optarg; break;
        case OPTION_TAILLE:
            if (!litTaille(optarg, &largeur, &hauteur)) {
                avertit("the size must be WIDTHxHEIGHT, each a whole number from 1 to %d, "
                        "not '%s'", TAILLE_IMAGE_MAX, optarg);
                return 2;
            }
            tailleDonnee = true;
            break;
        case OPTION_FIL_DE_FER: filDeFer = true; break;
        case 'h': usage(stdout); return 0;
        case 'V': printf("orlevan-export %s\n", ORLEVAN_VERSION); return 0;
        case OPTION_VRML1: complet = true; break;
        case OPTION_INFO: info = true; break;
        case ':':
            if (optopt > 0 && optopt < 256) avertit("option -%c needs a value; " USAGE, optopt);
            else avertit("option %s needs a value; " USAGE, argv[optind - 1]);
            return 2;
        default: {
            // A long option is the word just read; a short one may sit in a group.
            const char* mot = argv[optind - 1];
            if (strncmp(mot, "--", 2) == 0 || !optopt) avertit("bad option %s; " USAGE, mot);
            else avertit("bad option -%c; " USAGE, optopt);
            return 2;
        }
        }
    }
    if (optind != argc - 1) {
        avertit("%s; " USAGE, optind == argc ? "no SCENE given" : "only one SCENE is read");
        return 2;
    }
    if (png && (sortie || info)) {
        avertit("%s and --png cannot be given together", sortie ? "-o" : "--info");
        return 2;
    }
    if (!png && (tailleDonnee || filDeFer)) {
        avertit("%s goes with --png only", tailleDonnee ? "--taille" : "--fil-de-fer");
        return 2;
    }
    const char* chemin = argv[optind];

    // Static like the viewer's scene: the tree is never freed, and it stays reachable
    // to the end, so that a sanitizer build's leak check passes when builds run this.
    static Scene scene(chemin, complet);
    if (!scene.lisible) return 1;  // the reader has said why
    if (png) {
        sceneCourante = &scene;
        nbFacettesVue = compte;
        modeSurfacique = filDeFer ? 0 : 1;
        return ecritPremiereImage(png, largeur, hauteur) ? 0 : 1;
    }
    // No frame is drawn here: the count is the one a frame would have set.
    nbFacettes = compte;

    if (info) {
        ecritInfo(scene, stdout, compte);
        if (fflush(stdout) != 0 || ferror(stdout)) {
            avertit("cannot write the standard output: %s", strerror(errno));
            return 1;
        }
        return 0;
    }

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
