// The reader: the tree's shape and order for nesting, stray braces, unknown words,
// the end of the file inside a block and the header cases. Scenes go through real
// files, as the viewer reads them. Over-long tokens and the nesting guard are in
// robustesse_test.cpp, the token reader itself in lecture_nombres_test.cpp.
#include <unistd.h>

#include "scene/Separator.h"
#include "shapes/Cube.h"
#include "shapes/Sphere.h"
#include "tests/aide.h"
#include "tests/arbre.h"

namespace {

const std::string entete = "#VRML V1.0 ascii\n";

// Reads a scene from text; *erreurs receives what the reading printed on stderr.
Scene* lue(const std::string& texte, std::string* erreurs) {
    testing::internal::CaptureStderr();
    Scene* s = sceneDepuis(texte);
    *erreurs = testing::internal::GetCapturedStderr();
    return s;
}

// The tree read from a file holding the header and then texte.
std::string arbre(const std::string& texte) {
    return forme(sceneDepuis(entete + texte)->noeuds);
}

int lignes(const std::string& texte) {
    int n = 0;
    for (char c : texte) n += c == '\n';
    return n;
}

}  // namespace

TEST(Lecteur, topLevelNodesKeepFileOrder) {
    Scene* s = sceneDepuis("#VRML V1.0 ascii\nCube { }\nSphere { }\n");
    ASSERT_EQ(compte(s->noeuds), 2);
    EXPECT_NE(dynamic_cast<Cube*>(s->noeuds->tete->noeud), nullptr);
    EXPECT_NE(dynamic_cast<Sphere*>(s->noeuds->queue->noeud), nullptr);
}

TEST(Lecteur, nestedSeparatorsFollowTheFile) {
    Scene* s = sceneDepuis(
        "#VRML V1.0 ascii\nSeparator { Separator { Cube { } } Sphere { radius 2 } }\n");
    ASSERT_EQ(compte(s->noeuds), 1);
    auto* dehors = dynamic_cast<Separator*>(s->noeuds->tete->noeud);
    ASSERT_NE(dehors, nullptr);
    ASSERT_EQ(compte(dehors->enfants), 2);
    auto* dedans = dynamic_cast<Separator*>(dehors->enfants->tete->noeud);
    ASSERT_NE(dedans, nullptr);
    EXPECT_EQ(compte(dedans->enfants), 1);
    auto* sphere = dynamic_cast<Sphere*>(dehors->enfants->queue->noeud);
    ASSERT_NE(sphere, nullptr);
    EXPECT_EQ(sphere->radius, 2.0f);
}

TEST(Lecteur, braces) {
    // At the top level a stray brace is one more unknown word.
    EXPECT_EQ(arbre("} { Cube { } } } Sphere { }"), "Cube Sphere");
    // Inside a Separator a "{" opens nothing, and the first "}" it meets ends it.
    EXPECT_EQ(arbre("Separator { { Cube { } } Sphere { } }"), "Separator(Cube) Sphere");
    EXPECT_EQ(arbre("Separator { } Separator { Separator { } }"),
              "Separator() Separator(Separator())");
    // A keyword written against its brace is one token and matches nothing.
    EXPECT_EQ(arbre("Cube{ } Separator{ Sphere { } }"), "Sphere");
}

TEST(Lecteur, unknownWordsAndNodeTypes) {
    EXPECT_EQ(arbre("Foo bar 12 Cube { } baz"), "Cube");
    // The "}" of an unknown node type ends the Separator around it; what follows
    // belongs to the enclosing list.
    EXPECT_EQ(arbre("Separator { Cube { } Info { string hello } Sphere { } }"),
              "Separator(Cube) Sphere");
    EXPECT_EQ(arbre("Separator { Separator { Texture2 { } Cube { } } Sphere { } }"),
              "Separator(Separator() Cube) Sphere");
}

TEST(Lecteur, defAndUseAreOrdinaryWords) {
    Scene* s = sceneDepuis(entete + "DEF boite Cube { width 3 } USE boite");
    ASSERT_EQ(forme(s->noeuds), "Cube");
    EXPECT_EQ(static_cast<Cube*>(s->noeuds->tete->noeud)->width, 3.0f);
}

TEST(Lecteur, hashLineIsNoComment) {
    EXPECT_EQ(arbre("# a plain remark\nSphere { }\n"), "Sphere");
    // The Cube's block reader takes "here" for its "{" and swallows the Sphere.
    EXPECT_EQ(arbre("# a Cube here\nSphere { }\n"), "Cube");
}

TEST(Lecteur, endOfFileInsideEveryBlockKeepsWhatWasRead) {
    alarm(60);  // a reader waiting for a "}" that never comes fails here, not at timeout
    const struct {
        const char* texte;
        const char* arbre;
    } cas[] = {
        {"Cube", "Cube"},
        {"Separator", "Separator()"},
        {"Separator {", "Separator()"},
        {"Separator { Cube { } Sphere {", "Separator(Cube Sphere)"},
        {"Separator { Separator { Separator { Cube { width",
         "Separator(Separator(Separator(Cube)))"},
        {"Cube { width 3", "Cube"},
        {"Cone { parts", "Cone"},
        {"Cylinder { radius 2 parts SIDES", "Cylinder"},
        {"PointLight { color 1 0", "PointLight"},
        {"SpotLight { on", "SpotLight"},
        {"Translation {", "Translation"},
        {"Material { diffuseColor 1 0 0 } Rotation { rotation 0 1", "Material Rotation"},
        {"Separator { Scale { scaleFactor 2 2", "Separator(Scale)"},
        {"PerspectiveCamera { position 0 0", "PerspectiveCamera"},
    };
    for (const auto& c : cas) EXPECT_EQ(arbre(c.texte), c.arbre) << c.texte;
    alarm(0);
}

TEST(Lecteur, headerOnlyGivesAnEmptySceneSilently) {
    std::string erreurs;
    Scene* s = lue(entete, &erreurs);
    EXPECT_EQ(compte(s->noeuds), 0);
    EXPECT_TRUE(s->lisible);
    EXPECT_EQ(erreurs, "");
}

TEST(Lecteur, wrongHeaderGivesAnEmptySceneAndOneLine) {
    const char* cas[] = {
        "",           "   \n",
        "Cube { }\n", "#VRML V2.0 utf8\nCube { }\n",
        "#VRML\n",    "V1.0 #VRML ascii Cube { }\n",
    };
    for (const char* texte : cas) {
        std::string erreurs;
        Scene* s = lue(texte, &erreurs);
        EXPECT_EQ(compte(s->noeuds), 0) << '"' << texte << '"';
        EXPECT_EQ(lignes(erreurs), 1) << '"' << texte << '"' << " printed " << erreurs;
    }
    // The third header word is not looked at.
    std::string erreurs;
    EXPECT_EQ(forme(lue("#VRML V1.0 utf8\nCube { }\n", &erreurs)->noeuds), "Cube");
    EXPECT_EQ(erreurs, "");
}

TEST(Lecteur, missingFileGivesAnEmptySceneAndOneLine) {
    testing::internal::CaptureStderr();
    Scene s("/nonexistent/orlevan/scene.wrl");
    std::string erreurs = testing::internal::GetCapturedStderr();
    EXPECT_EQ(compte(s.noeuds), 0);
    EXPECT_FALSE(s.lisible);
    EXPECT_EQ(lignes(erreurs), 1) << erreurs;
    EXPECT_NE(erreurs.find("/nonexistent/orlevan/scene.wrl"), std::string::npos);
}

