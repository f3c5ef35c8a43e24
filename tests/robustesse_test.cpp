// Whatever the file holds, the reader finishes and the tree draws and saves: files cut
// anywhere, over-long tokens, deep nesting, garbage, odd numbers, devices, thousands
// of facets. Saves that fail or would overwrite the scene: enregistre_test.cpp.
#include <sys/stat.h>

#include <cmath>
#include <fstream>
#include <random>
#include <sstream>

#include "scene/Separator.h"
#include "shapes/Cone.h"
#include "shapes/Cube.h"
#include "shapes/Cylinder.h"
#include "shapes/Sphere.h"
#include "properties/PointLight.h"
#include "properties/Translation.h"
#include "tests/aide.h"
#include "tests/arbre.h"
#include "viewer/Viewer.h"

namespace {

// One node of each of the fourteen types, nested.
const char* const TOUS_LES_NOEUDS = R"(#VRML V1.0 ascii
Separator {
  PerspectiveCamera { position 0 0 5 orientation 0 1 0 0.1 focalDistance 5 heightAngle 0.7 }
  OrthographicCamera { position 0 0 5 orientation 0 0 1 0 focalDistance 5 height 3 }
  DirectionalLight { on TRUE intensity 0.8 color 1 1 1 direction -1 -1 -1 }
  PointLight { on TRUE intensity 0.5 color 1 0.9 0.8 location 2 2 2 }
  SpotLight { on FALSE intensity 1 location 0 3 0 direction 0 -1 0 dropOffRate 0.5 cutOffAngle 0.6 }
  Separator {
    Translation { translation 1 -2.5 0 }
    Rotation { rotation 0 1 0 0.5 }
    Scale { scaleFactor 2 1 0.5 }
    Material { ambientColor 0.1 0.1 0.1 diffuseColor 0.8 0.2 0.2 shininess 0.5 transparency 0.25 }
    Cube { width 1 height 2 depth 3 }
    Sphere { radius 0.5 }
  }
  Cone { bottomRadius 1 height 2 parts SIDES|BOTTOM }
  Cylinder { radius 1 height 2 parts SIDES|TOP }
}
)";

// The first node of class T anywhere in the tree, in file order.
template <class T>
T* cherche(const ListeNoeuds* liste) {
    for (Maillon* m = liste->tete; m; m = m->suivant) {
        if (auto* t = dynamic_cast<T*>(m->noeud)) return t;
        if (auto* s = dynamic_cast<Separator*>(m->noeud))
            if (T* t = cherche<T>(s->enfants)) return t;
    }
    return nullptr;
}

size_t occurrences(const std::string& texte, const std::string& mot) {
    size_t n = 0;
    for (size_t i = texte.find(mot); i != std::string::npos; i = texte.find(mot, i + 1)) ++n;
    return n;
}

// Draws the scene once and saves it; the saved text must be a whole file.
std::string dessineEtEnregistre(Scene* scene, int nb = 8) {
    etatInitialGL();
    glPushMatrix();
    scene->dessine(nb);
    glPopMatrix();
    while (glGetError() != GL_NO_ERROR) {
    }
    std::string texte = enregistreTexte(*scene);
    EXPECT_EQ(texte.rfind("#include <GL/glut.h>\n", 0), 0u);
    EXPECT_EQ(texte.substr(texte.size() - 2), "}\n");
    EXPECT_EQ(occurrences(texte, "glPushMatrix"), occurrences(texte, "glPopMatrix"));
    // Every block that a snippet opens is closed (a parts word may hold braces: only
    // the blocks' own line starts and ends count).
    std::istringstream flot(texte);
    int ouverts = 0;
    for (std::string ligne; std::getline(flot, ligne);) {
        size_t debut = ligne.find_first_not_of(' ');
        if (debut != std::string::npos && ligne.compare(debut, 2, "{ ") == 0) ++ouverts;
        if (ligne.size() > 2 && ligne.compare(ligne.size() - 2, 2, " }") == 0) --ouverts;
    }
    EXPECT_EQ(ouverts, 0);
    return texte;
}

std::string lisFichier(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

size_t lignes(const std::string& texte) { return occurrences(texte, "\n"); }

}  // namespace

TEST(Robustesse, everyPrefixOfAFullSceneLoadsDrawsAndSaves) {
    const std::string texte = TOUS_LES_NOEUDS;
    int precedent = 0;
    for (size_t fin = 0; fin <= texte.size(); ++fin) {
        bool finDeMot = fin == texte.size() || isspace(static_cast<unsigned char>(texte[fin]));
        bool milieuDeMot = fin > 0 && !finDeMot && !isspace(static_cast<unsigned char>(texte[fin - 1]));
        if (!finDeMot && !milieuDeMot) continue;
        SCOPED_TRACE("cut after: " + texte.substr(0, fin));
        testing::internal::CaptureStderr();
        Scene* s = sceneDepuis(texte.substr(0, fin));
        testing::internal::GetCapturedStderr();
        dessineEtEnregistre(s);
        // A node is in its list before its block is read: a longer cut never loses one.
        if (finDeMot && fin > 0 && isspace(static_cast<unsigned char>(texte[fin]))) {
            EXPECT_GE(compteNoeuds(s->noeuds), precedent);
            precedent = compteNoeuds(s->noeuds);
        }
    }
    Scene* entiere = sceneDepuis(texte);
    EXPECT_EQ(compteNoeuds(entiere->noeuds), 15);
    EXPECT_EQ(profondeur(entiere->noeuds), 2);
}

// A token of n characters whose last four are "Cube": if the reader took the tail of
// a cut token for the next token, a Cube would appear.
static std::string longMot(size_t n, char c = 'x') { return std::string(n - 4, c) + "Cube"; }

TEST(Robustesse, overLongTokensInEveryPositionAreCutAndSkipped) {
    for (size_t n : {255u, 256u, 259u, 100000u}) {
        const std::string m = longMot(n), chiffres(n, '7');
        const std::string parts = [&] {
            std::string p;
            while (p.size() < n) p += "SIDES|";
            return p.substr(0, n);
        }();
        // Each case ends with the sentinel, which must come out whole.
        const std::vector<std::string> cas = {
            m,                                                 // keyword position
            "Separator " + m + " }",                           // in place of "{"
            "Separator { " + m + " }",                         // inside a Separator
            "Cube { " + m + " 5 height 3 }",                   // field name, number-first
            "Cone { " + m + " 5 height 3 }",                   // field name, word-first
            "Cube { width " + m + " height 3 }",               // number value
            "Cube { width " + chiffres + " height 3 }",        // number of n digits
            "Cone { height " + m + " bottomRadius 3 }",        // word value
            "Cone { height " + chiffres + " bottomRadius 3 }",
            "Cylinder { parts " + parts + " height 3 }",       // parts word
            "PointLight { on " + m + " intensity 0.5 }",
            "Translation { " + m + " 1 2 3 }",                 // single-field name
            "Translation { translation " + m + " 1 2 }",
        };
        for (const std::string& c : cas) {
            SCOPED_TRACE("length " + std::to_string(n) + ": " + c.substr(0, 60));
            Scene* s = sceneDepuis("#VRML V1.0 ascii\n" + c + "\nSphere { radius 7 }\n");
            EXPECT_EQ(cherche<Cube>(s->noeuds) && c.rfind("Cube", 0) != 0, false)
                << "the tail of a cut token was read as a keyword";
            Sphere* sentinelle = cherche<Sphere>(s->noeuds);
            ASSERT_NE(sentinelle, nullptr);
            EXPECT_EQ(sentinelle->radius, 7.0f);
            if (auto* cube = cherche<Cube>(s->noeuds)) {
                EXPECT_EQ(cube->height, 3.0f);
            }
            if (auto* cone = cherche<Cone>(s->noeuds)) {
                EXPECT_LE(strlen(cone->parts), 199u);
            }
            if (auto* cyl = cherche<Cylinder>(s->noeuds)) {
                EXPECT_EQ(strlen(cyl->parts), std::min<size_t>(n, 199));
                EXPECT_EQ(cyl->height, 3.0f);
            }
            if (auto* lumiere = cherche<PointLight>(s->noeuds)) {
                EXPECT_EQ(strlen(lumiere->on), std::min<size_t>(n, 199));
                EXPECT_EQ(lumiere->intensity, 0.5f);
            }
            // The block's "}" still closes it: the sentinel follows the Separator.
            if (c.rfind("Separator", 0) == 0) {
                EXPECT_EQ(forme(s->noeuds), "Separator() Sphere");
            }
            dessineEtEnregistre(s);
        }
    }
}

TEST(Robustesse, aMillionNestedSeparatorsStopAtTheNestingLimit) {
    std::string chemin = fichierTemporaire("profond.wrl", "");
    {
        FILE* f = fopen(chemin.c_str(), "w");
        fputs("#VRML V1.0 ascii\n", f);
        for (int i = 0; i < 1000000; ++i) fputs("Separator {\n", f);
        fclose(f);
    }
    testing::internal::CaptureStderr();
    Scene s(chemin.c_str());
    std::string erreurs = testing::internal::GetCapturedStderr();
    EXPECT_EQ(lignes(erreurs), 1u) << erreurs;
    EXPECT_EQ(compte(s.noeuds), 1);
    // The Separator one past the limit is in the tree, empty: its block is not read.
    EXPECT_EQ(profondeur(s.noeuds), PROFONDEUR_MAX + 1);
    std::string texte = dessineEtEnregistre(&s);
    EXPECT_EQ(occurrences(texte, "glPushMatrix"), static_cast<size_t>(PROFONDEUR_MAX + 1));
    remove(chemin.c_str());

    // The stop belongs to that file: the next reading is whole again.
    Scene* suivante = sceneDepuis("#VRML V1.0 ascii\nSeparator { Cube { width 4 } }\n");
    EXPECT_EQ(forme(suivante->noeuds), "Separator(Cube)");
    EXPECT_EQ(cherche<Cube>(suivante->noeuds)->width, 4.0f);
}

TEST(Robustesse, nestingUpToTheLimitIsReadWhole) {
    std::string texte = "#VRML V1.0 ascii\n";
    for (int i = 0; i < PROFONDEUR_MAX; ++i) texte += "Separator {\n";
    texte += "Cube { width 5 }\n";
    for (int i = 0; i < PROFONDEUR_MAX; ++i) texte += "}\n";
    texte += "Sphere { }\n";
    testing::internal::CaptureStderr();
    Scene* s = sceneDepuis(texte);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(profondeur(s->noeuds), PROFONDEUR_MAX);
    ASSERT_NE(cherche<Cube>(s->noeuds), nullptr);
    EXPECT_EQ(cherche<Cube>(s->noeuds)->width, 5.0f);
    EXPECT_NE(dynamic_cast<Sphere*>(s->noeuds->queue->noeud), nullptr);
}

TEST(Robustesse, binaryGarbageAndKeywordSoupLoadDrawAndSave) {
    const char* mots[] = {"Separator", "Cube", "Sphere", "Cone", "Cylinder", "Translation",
                          "Rotation", "Scale", "Material", "OrthographicCamera",
                          "PerspectiveCamera", "PointLight", "SpotLight", "DirectionalLight",
                          "{", "}", "{", "}", "parts", "SIDES|TOP", "width", "radius", "1.5",
                          "-3", "nan", "diffuseColor", "location", "on", "FALSE"};
    std::mt19937 hasard(7);
    for (int essai = 0; essai < 12; ++essai) {
        std::string texte = "#VRML V1.0 ascii\n";
        for (int i = 0; i < 20000; ++i) {
            if (essai % 2) {
                texte += static_cast<char>(hasard() & 0xff);  // any byte, NUL included
            } else {
                texte += mots[hasard() % (sizeof mots / sizeof *mots)];
                texte += " \n\t"[hasard() % 3];
            }
        }
        SCOPED_TRACE("essai " + std::to_string(essai));
        testing::internal::CaptureStderr();
        Scene* s = sceneDepuis(texte);
        testing::internal::GetCapturedStderr();
        dessineEtEnregistre(s);
    }
}

TEST(Robustesse, oddNumbersAreReadAsScanfReadsThem) {
    Scene* s = sceneDepuis(
        "#VRML V1.0 ascii\n"
        "Cube { width nan height inf depth 1e39 }\n"
        "Sphere { radius -0 }\n"
        "Translation { translation 0x10 1e 5 }\n"
        "Cone { bottomRadius 1e height -inf }\n"
        "Cylinder { radius 0x1p3 height NAN }\n"
        "Sphere { radius 1e-50 }\n");
    auto* cube = cherche<Cube>(s->noeuds);
    ASSERT_NE(cube, nullptr);
    EXPECT_TRUE(std::isnan(cube->width));
    EXPECT_TRUE(std::isinf(cube->height));
    EXPECT_TRUE(std::isinf(cube->depth));  // beyond a float
    auto* sphere = cherche<Sphere>(s->noeuds);
    EXPECT_EQ(sphere->radius, 0.0f);
    EXPECT_TRUE(std::signbit(sphere->radius));
    auto* t = cherche<Translation>(s->noeuds);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->translation[0], 16.0f);  // C's hexadecimal floats
    auto* cone = cherche<Cone>(s->noeuds);
    ASSERT_NE(cone, nullptr);
    EXPECT_EQ(cone->bottomRadius, 1.0f);  // "1e" is no number: the default stays
    EXPECT_TRUE(std::isinf(cone->height) && cone->height < 0);
    auto* cyl = cherche<Cylinder>(s->noeuds);
    ASSERT_NE(cyl, nullptr);
    EXPECT_EQ(cyl->radius, 8.0f);
    EXPECT_TRUE(std::isnan(cyl->height));
    EXPECT_EQ(dynamic_cast<Sphere*>(s->noeuds->queue->noeud)->radius, 0.0f);  // underflow
    dessineEtEnregistre(s);
}

// "%fF" would write nanF and infF, which do not compile: such numbers become the
// compiler's builtins, and every finite number on the line is written as before.
TEST(Robustesse, numbersThatAreNotFiniteStillGiveCodeThatCompiles) {
    Scene* s = sceneDepuis(
        "#VRML V1.0 ascii\n"
        "Cube { width nan height inf depth -inf }\n"
        "Translation { translation 1 inf -2.5 }\n"
        "Material { transparency nan }\n");
    nbFacettes = 72;
    std::string texte = enregistreTexte(*s);
    EXPECT_NE(texte.find("  solidCube(__builtin_nanf(\"\"),__builtin_inff(),-__builtin_inff(),"
                         "72);\n"),
              std::string::npos)
        << texte;
    EXPECT_NE(texte.find("  glTranslatef(1.000000F,__builtin_inff(),-2.500000F);\n"),
              std::string::npos)
        << texte;
    EXPECT_NE(texte.find("  { float t[4] = { 0.800000F,0.800000F,0.800000F,"
                         "__builtin_nanf(\"\") };\n"),
              std::string::npos)
        << texte;
    EXPECT_EQ(texte.find("nanF"), std::string::npos);
    EXPECT_EQ(texte.find("infF"), std::string::npos);
}

TEST(Robustesse, foldersAndEndlessDevicesGiveAnEmptySceneAndOneLine) {
    std::string dossier = dossierTemporaire();
    for (const std::string& chemin : {dossier, std::string("/dev/zero"),
                                      std::string("/dev/urandom"), dossier + "/absent.wrl"}) {
        SCOPED_TRACE(chemin);
        testing::internal::CaptureStderr();
        Scene s(chemin.c_str());
        std::string erreurs = testing::internal::GetCapturedStderr();
        EXPECT_EQ(lignes(erreurs), 1u) << erreurs;
        EXPECT_NE(erreurs.find(chemin), std::string::npos) << erreurs;
        EXPECT_FALSE(s.lisible);
        EXPECT_EQ(s.noeuds->tete, nullptr);
        dessineEtEnregistre(&s);
    }
}

// Saving never replaces the scene file with C code, whatever name leads to it.
TEST(Robustesse, thousandsOfFacetsDrawAndSave) {
    sceneCourante = sceneDepuis(
        "#VRML V1.0 ascii\nSeparator { Cube { } Sphere { } Cone { } Cylinder { } }\n");
    strcpy(nomFichier, fichierTemporaire("facettes.wrl", "").c_str());
    int avant = nbFacettesVue;
    testing::internal::CaptureStderr();  // freeglut notes each key sent from outside
    for (int i = 0; i < 2000; ++i) clavier('+', 0, 0);
    testing::internal::GetCapturedStderr();
    ASSERT_EQ(nbFacettesVue, avant + 2000);
    etatInitialGL();
    affichage();
    while (glGetError() != GL_NO_ERROR) {
    }
    choixPrincipal(0);
    std::string texte = lisFichier(std::string(nomFichier, strlen(nomFichier) - 3) + "cpp");
    EXPECT_NE(texte.find("solidCylindre(1.000000F,2.000000F," + std::to_string(avant + 2000)),
              std::string::npos);
}
