// Saving a scene as C: whole generated files against text written by hand, the save
// command behind "Enregistrer" run from the menu callback, the output name derived
// from the scene path, and outputs that cannot be written (the viewer goes on, one
// line on standard error, nothing on standard output).
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include <fstream>
#include <sstream>
#include <string>

#include "tests/aide.h"
#include "viewer/Viewer.h"

namespace {

const std::string ENTETE =
    "#include <GL/glut.h>\n"
    "#include <GL/glu.h>\n"
    "#include <GL/gl.h>\n"
    "\n"
    "#include \"SolidObjects.h\"\n"
    "#include \"Utils.h\"\n"
    "\n"
    "void scene(void) {\n";

const char* const SCENE_IMBRIQUEE = R"(#VRML V1.0 ascii
Separator {
  Cube { width 1 }
  Separator {
    Sphere { radius 0.5 }
    Cone { parts SIDES|BOTTOM height 3 }
  }
  Separator { }
  Cylinder { radius -2.5 }
}
Sphere { }
)";

// SCENE_IMBRIQUEE saved after a frame drawn with the given count.
std::string imbriqueeAttendue(const std::string& n) {
    return ENTETE +
           "  glPushMatrix();\n"
           "  empileMaterial();\n"
           "  empileLights();\n"
           "  solidCube(1.000000F,2.000000F,2.000000F," + n + ");\n"
           "  glPushMatrix();\n"
           "  empileMaterial();\n"
           "  empileLights();\n"
           "  solidSphere(0.500000F," + n + ");\n"
           "  solidCone(1.000000F,3.000000F," + n + ",\"SIDES|BOTTOM\");\n"
           "  depileLights();\n"
           "  depileMaterial();\n"
           "  glPopMatrix();\n"
           "  glPushMatrix();\n"
           "  empileMaterial();\n"
           "  empileLights();\n"
           "  depileLights();\n"
           "  depileMaterial();\n"
           "  glPopMatrix();\n"
           "  solidCylindre(-2.500000F,2.000000F," + n + ",\"ALL\");\n"
           "  depileLights();\n"
           "  depileMaterial();\n"
           "  glPopMatrix();\n"
           "  solidSphere(1.000000F," + n + ");\n"
           "}\n";
}

std::string contenu(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// The viewer as the save command finds it: the path it was started with and its scene.
void demarre(const std::string& chemin) {
    ASSERT_LT(chemin.size(), size_t(TAILLE_NOM));
    strcpy(nomFichier, chemin.c_str());
    sceneCourante = garde(new Scene(chemin.c_str()));
    nbFacettesVue = 72;
}

// What choosing "Enregistrer" printed on each stream.
struct Sorties {
    std::string sortie, erreur;
};
Sorties enregistrer() {
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    choixPrincipal(0);
    fflush(stdout);
    return {testing::internal::GetCapturedStdout(), testing::internal::GetCapturedStderr()};
}

// One line on standard error naming the path and the reason; nothing on standard
// output.
void unSeulMessage(const Sorties& s, const std::string& chemin, const std::string& raison) {
    EXPECT_EQ(s.sortie, "");
    EXPECT_NE(s.erreur.find(chemin), std::string::npos) << s.erreur;
    EXPECT_NE(s.erreur.find(raison), std::string::npos) << s.erreur;
    ASSERT_FALSE(s.erreur.empty());
    EXPECT_EQ(s.erreur.find('\n'), s.erreur.size() - 1) << s.erreur;
}

}  // namespace

TEST(Enregistre, emptySceneGivesTheFramingOnly) {
    Scene* s = sceneDepuis("#VRML V1.0 ascii\n");
    s->dessine(72);
    EXPECT_EQ(enregistreTexte(*s), ENTETE + "}\n");
}

TEST(Enregistre, defaultCubeAfterAFrameAt72) {
    Scene* s = sceneDepuis("#VRML V1.0 ascii\nCube { }\n");
    etatInitialGL();
    s->dessine(72);
    EXPECT_EQ(enregistreTexte(*s), ENTETE + "  solidCube(2.000000F,2.000000F,2.000000F,72);\n}\n");
}

TEST(Enregistre, nestedSeparatorsKeepTwoSpacesAtEveryDepth) {
    Scene* s = sceneDepuis(SCENE_IMBRIQUEE);
    etatInitialGL();
    s->dessine(5);
    EXPECT_EQ(enregistreTexte(*s), imbriqueeAttendue("5"));
    // Saving changes nothing: the same text again, the count untouched.
    EXPECT_EQ(enregistreTexte(*s), imbriqueeAttendue("5"));
    EXPECT_EQ(nbFacettes, 5);
}

// The menu entry saves beside the scene, with the count of the last frame drawn.
TEST(Enregistre, menuSavesTheCountOfTheLastFrame) {
    std::string d = dossierTemporaire();
    std::ofstream(d + "/maison.wrl") << SCENE_IMBRIQUEE;
    demarre(d + "/maison.wrl");
    etatInitialGL();
    affichage();
    clavier('+', 0, 0);
    affichage();
    Sorties s = enregistrer();
    EXPECT_EQ(s.sortie, "");
    EXPECT_EQ(s.erreur, "");
    EXPECT_EQ(contenu(d + "/maison.cpp"), imbriqueeAttendue("73"));
    // '+' alone draws nothing: the file keeps the count of the frame.
    clavier('+', 0, 0);
    enregistrer();
    EXPECT_EQ(contenu(d + "/maison.cpp"), imbriqueeAttendue("73"));
    // An existing file is replaced.
    affichage();
    enregistrer();
    EXPECT_EQ(contenu(d + "/maison.cpp"), imbriqueeAttendue("74"));
}

TEST(NomSortie, cutsAfterTheFirstDotOfTheLastComponent) {
    const char* cas[][2] = {
        {"maison.wrl", "maison.cpp"},
        {"a.b.wrl", "a.cpp"},
        {"dir/scene.wrl", "dir/scene.cpp"},
        {"maison", "maisoncpp"},
        {"./maison.wrl", "./maison.cpp"},
        {"old.files/scene.wrl", "old.files/scene.cpp"},
        {"../scenes/house.wrl", "../scenes/house.cpp"},
        {"/abs.d/x.y/s.wrl", "/abs.d/x.y/s.cpp"},
        {"a.b/c", "a.b/ccpp"},
        {"dir/.wrl", "dir/.cpp"},
        {"scene.", "scene.cpp"},
        {"", "cpp"},
    };
    for (auto& c : cas) {
        char sortie[TAILLE_NOM];
        ASSERT_TRUE(nomSortie(c[0], sortie)) << c[0];
        EXPECT_STREQ(sortie, c[1]) << c[0];
    }
}

TEST(NomSortie, refusesANameThatDoesNotFitRatherThanCutIt) {
    char sortie[TAILLE_NOM];
    // 296 characters and "cpp" make 299, the most that fits with the terminator.
    std::string juste(296, 'm');
    ASSERT_TRUE(nomSortie(juste.c_str(), sortie));
    EXPECT_EQ(std::string(sortie), juste + "cpp");
    std::string dossierLong = std::string(290, 'd') + "/s.wrl";  // keeps 292
    ASSERT_TRUE(nomSortie(dossierLong.c_str(), sortie));
    EXPECT_EQ(std::string(sortie), std::string(290, 'd') + "/s.cpp");

    for (const std::string& trop : {std::string(297, 'm'), std::string(299, 'm'),
                                    std::string(296, 'm') + ".wrl"}) {
        strcpy(sortie, "inchange");
        testing::internal::CaptureStderr();
        EXPECT_FALSE(nomSortie(trop.c_str(), sortie)) << trop.size();
        std::string erreur = testing::internal::GetCapturedStderr();
        EXPECT_STREQ(sortie, "inchange");
        EXPECT_EQ(std::count(erreur.begin(), erreur.end(), '\n'), 1) << erreur;
    }
}

// A path of 299 characters, the longest the viewer takes, with no "." to cut: the
// menu saves nowhere (no cut name either) and says so.
TEST(Enregistre, menuWithAnOverlongNameWritesNothing) {
    std::string d = dossierTemporaire() + "/" + std::string(150, 'a');
    mkdir(d.c_str(), 0755);
    std::string chemin = d + "/" + std::string(TAILLE_NOM - 2 - d.size(), 'n');
    std::ofstream(chemin) << "#VRML V1.0 ascii\nCube { }\n";
    demarre(chemin);
    Sorties s = enregistrer();
    EXPECT_EQ(s.sortie, "");
    EXPECT_EQ(std::count(s.erreur.begin(), s.erreur.end(), '\n'), 1) << s.erreur;
    int fichiers = 0;
    DIR* rep = opendir(d.c_str());
    while (dirent* e = readdir(rep)) fichiers += e->d_name[0] != '.';
    closedir(rep);
    EXPECT_EQ(fichiers, 1);  // the scene alone
}

TEST(Enregistre, unwritableOutputsGiveOneLineAndTheViewerGoesOn) {
    std::string d = dossierTemporaire();
    std::ofstream(d + "/scene.wrl") << SCENE_IMBRIQUEE;
    Scene* scene = new Scene((d + "/scene.wrl").c_str());

    // A folder that does not exist.
    sceneCourante = scene;
    strcpy(nomFichier, (d + "/absent/scene.wrl").c_str());
    unSeulMessage(enregistrer(), d + "/absent/scene.cpp", strerror(ENOENT));

    // The derived name is a folder.
    mkdir((d + "/dossier.cpp").c_str(), 0755);
    strcpy(nomFichier, (d + "/dossier.wrl").c_str());
    unSeulMessage(enregistrer(), d + "/dossier.cpp", strerror(EISDIR));

    // A full disk: /dev/full under the derived name. A small file fails when it is
    // closed, a large one while it is written.
    symlink("/dev/full", (d + "/plein.cpp").c_str());
    strcpy(nomFichier, (d + "/plein.wrl").c_str());
    unSeulMessage(enregistrer(), d + "/plein.cpp", strerror(ENOSPC));
    std::string grande = "#VRML V1.0 ascii\n";
    for (int i = 0; i < 400; ++i) grande += "Separator { Cube { } }\n";
    std::ofstream(d + "/grand.wrl") << grande;
    sceneCourante = garde(new Scene((d + "/grand.wrl").c_str()));
    symlink("/dev/full", (d + "/grand.cpp").c_str());
    strcpy(nomFichier, (d + "/grand.wrl").c_str());
    unSeulMessage(enregistrer(), d + "/grand.cpp", strerror(ENOSPC));

    // A read-only file. Root writes anyway, so the save runs as nobody then.
    sceneCourante = scene;
    chmod(d.c_str(), 0755);
    std::ofstream(d + "/lecture.cpp") << "old";
    chmod((d + "/lecture.cpp").c_str(), 0444);
    strcpy(nomFichier, (d + "/lecture.wrl").c_str());
    bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(seteuid(65534), 0);
    }
    Sorties s = enregistrer();
    if (root) {
        ASSERT_EQ(seteuid(0), 0);
    }
    unSeulMessage(s, d + "/lecture.cpp", strerror(EACCES));
    EXPECT_EQ(contenu(d + "/lecture.cpp"), "old");

    // The viewer goes on drawing.
    etatInitialGL();
    affichage();
    EXPECT_NO_GL_ERROR();

    // And after all that, a writable name saves as usual.
    strcpy(nomFichier, (d + "/scene.wrl").c_str());
    Sorties ok = enregistrer();
    EXPECT_EQ(ok.erreur, "");
    EXPECT_EQ(contenu(d + "/scene.cpp").substr(0, ENTETE.size()), ENTETE);
}

// A scene whose own name is the derived one (t.cpp gives t.cpp) is never overwritten
// with C code, nor through a link that bears the derived name.
TEST(Enregistre, neverWritesOverTheSceneFile) {
    std::string d = dossierTemporaire();
    const std::string texte = "#VRML V1.0 ascii\nCube { }\n";
    std::ofstream(d + "/t.cpp") << texte;
    demarre(d + "/t.cpp");
    unSeulMessage(enregistrer(), d + "/t.cpp", "scene file");
    EXPECT_EQ(contenu(d + "/t.cpp"), texte);

    // The same file by another spelling.
    demarre(d + "/./t.cpp");
    unSeulMessage(enregistrer(), d + "/./t.cpp", "scene file");
    EXPECT_EQ(contenu(d + "/t.cpp"), texte);

    std::ofstream(d + "/vraie.wrl") << texte;
    symlink((d + "/vraie.wrl").c_str(), (d + "/lien.cpp").c_str());
    symlink((d + "/vraie.wrl").c_str(), (d + "/lien.wrl").c_str());
    demarre(d + "/lien.wrl");
    unSeulMessage(enregistrer(), d + "/lien.cpp", "scene file");
    EXPECT_EQ(contenu(d + "/vraie.wrl"), texte);
    struct stat etat;
    ASSERT_EQ(lstat((d + "/lien.cpp").c_str(), &etat), 0);
    EXPECT_TRUE(S_ISLNK(etat.st_mode));  // still the link, not a new file

    // A hard link bears the derived name.
    std::ofstream(d + "/dur.wrl") << texte;
    ASSERT_EQ(link((d + "/dur.wrl").c_str(), (d + "/dur.cpp").c_str()), 0);
    demarre(d + "/dur.wrl");
    unSeulMessage(enregistrer(), d + "/dur.cpp", "scene file");
    EXPECT_EQ(contenu(d + "/dur.wrl"), texte);
}

// "Enregistrer" and orlevan-export share the reader and the generator: for the same
// scene and count they write the same bytes.
TEST(Enregistre, menuAndConverterWriteTheSameFile) {
    std::string d = dossierTemporaire();
    const std::string scenes[] = {
        SCENE_IMBRIQUEE,
        "#VRML V1.0 ascii\nSeparator { Material { diffuseColor 1 0 0 } "
        "Translation { translation 1 -2 3 } PointLight { location 0 1 0 } "
        "Cone { parts (SIDES|BOTTOM) } Cylinder { parts ALL\");//x } }\n",
        "not a scene\n",
    };
    int i = 0;
    for (const std::string& texte : scenes) {
        std::string nom = d + "/s" + std::to_string(i++);
        std::ofstream(nom + ".wrl") << texte;
        demarre(nom + ".wrl");
        etatInitialGL();
        affichage();
        for (int k = 0; k < 6; ++k) clavier('-', 0, 0);
        affichage();
        enregistrer();
        std::string commande = std::string(ORLEVAN_BUILD_DIR) + "/orlevan-export -n 66 -o " +
                               nom + ".export " + nom + ".wrl 2>/dev/null";
        EXPECT_EQ(system(commande.c_str()), 0) << commande;
        EXPECT_EQ(contenu(nom + ".cpp"), contenu(nom + ".export")) << texte;
        EXPECT_NE(contenu(nom + ".cpp"), "");
    }
}
