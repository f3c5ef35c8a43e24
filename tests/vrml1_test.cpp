// The full VRML 1.0 reader (--vrml1): the grammar by a table of small texts, the
// field types by a table of values, then one test per behaviour (DEF/USE, the
// reading state, inlines, messages, --info, framing, saving, and the default mode's
// line about what it skipped).
#include <functional>

#include "properties/LumieresVrml.h"
#include "properties/ProprietesVrml.h"
#include "properties/TransformsVrml.h"
#include "scene/InfoScene.h"
#include "scene/Monde.h"
#include "shapes/Ensembles.h"
#include "shapes/PrimitivesVrml.h"
#include "shapes/Solides.h"
#include "viewer/CamerasVrml.h"
#include "tests/aide.h"

namespace {

const std::string entete = "#VRML V1.0 ascii\n";

struct Lu {
    Scene* scene;
    std::string erreurs;
    vrml1::Monde& monde() const { return *scene->monde; }
};

// A scene read with --vrml1 from the header and texte, and what it printed.
Lu lu(const std::string& texte, const std::string& nom = "scene.wrl") {
    testing::internal::CaptureStderr();
    Scene* s = garde(new Scene(fichierTemporaire(nom, entete + texte).c_str(), true));
    return {s, testing::internal::GetCapturedStderr()};
}

int lignes(const std::string& texte) {
    int n = 0;
    for (char c : texte) n += c == '\n';
    return n;
}

// The tree as one line: "Separator(Cube Sphere) Cone".
std::string forme(const std::vector<vrml1::Noeud*>& enfants) {
    std::string texte;
    for (vrml1::Noeud* n : enfants) {
        if (!texte.empty()) texte += " ";
        texte += n->type();
        if (n->estGroupe()) texte += "(" + forme(static_cast<vrml1::Groupe*>(n)->enfants) + ")";
    }
    return texte;
}

template <class T>
T* premier(const Lu& l) {
    for (vrml1::Noeud* n : l.monde().noeuds)
        if (auto* t = dynamic_cast<T*>(n)) return t;
    return nullptr;
}

std::string info(Scene* s, int nb = 72) {
    char* tampon = nullptr;
    size_t taille = 0;
    FILE* out = open_memstream(&tampon, &taille);
    ecritInfo(*s, out, nb);
    fclose(out);
    std::string texte(tampon, taille);
    free(tampon);
    return texte;
}

}  // namespace

TEST(Vrml1, grammar) {
    struct Cas {
        const char* texte;
        const char* arbre;
        int messages;
    } cas[] = {
        {"Cube {}", "Cube", 0},
        {"Separator { Cube {} Sphere {} }", "Separator(Cube Sphere)", 0},
        {"# comment { \nGroup{Cube{}}Sphere{}# }", "Group(Cube) Sphere", 0},
        {"Separator { renderCulling OFF Cube {} }", "Separator(Cube)", 0},
        {"DEF A Cube {} USE A", "Cube Cube", 0},
        {"USE Nobody Cube {}", "Cube", 1},
        {"Unknown { a { b } \"}\" } Cube {}", "Cube", 1},
        {"Extra { fields [ SFFloat a, MFLong b ] a 3 b [ 1, 2 ] } Cube {}", "Cube", 0},
        {"Extra { fields [ MFString isA, MFFloat r, MFColor diffuseColor ]\n"
         "  isA [ \"Nothing\", \"Material\" ] r .3 diffuseColor 1 0 0 }", "Material", 0},
        {"Cube { fields [ SFFloat width ] width 3 }", "Cube", 0},
        {"Cube { bogus 1 2 [ 3 ] width 3 }", "Cube", 1},
        {"Separator { Cube { Sphere { } } Cone { } }", "Separator(Cube Cone)", 1},
        {"Cube { width x }", "Cube", 2},  // a bad value, then "x" is no field
        {"Separator { Cube {", "Separator(Cube)", 2},
        {"Cube", "", 1},
        {"Switch { whichChild 0 Cube {} Sphere {} } LOD { range [ 1 ] Cone {} }",
         "Switch(Cube Sphere) LOD(Cone)", 0},
        {"] ) Cube {}", "Cube", 2},
        {"WWWAnchor { name \"http://x\" Cube {} } TransformSeparator { }",
         "WWWAnchor(Cube) TransformSeparator()", 0},
    };
    for (const Cas& c : cas) {
        Lu l = lu(c.texte);
        EXPECT_EQ(forme(l.monde().racine.enfants), c.arbre) << c.texte;
        EXPECT_EQ(lignes(l.erreurs), c.messages) << c.texte << "\n" << l.erreurs;
    }
}

TEST(Vrml1, fieldTypes) {
    struct Cas {
        const char* texte;
        std::function<bool(const Lu&)> vrai;
    } cas[] = {
        {"Cylinder { parts ( SIDES | BOTTOM ) }",
         [](const Lu& l) { return premier<vrml1::Cylinder>(l)->parts == (SIDES | BOTTOM); }},
        {"Cylinder { parts TOP }", [](const Lu& l) { return premier<vrml1::Cylinder>(l)->parts == TOP; }},
        {"Cylinder { parts 0x3 }", [](const Lu& l) { return premier<vrml1::Cylinder>(l)->parts == 3; }},
        {"PointLight { on FALSE }", [](const Lu& l) { return !premier<vrml1::PointLight>(l)->on; }},
        {"PointLight { on 0 }", [](const Lu& l) { return !premier<vrml1::PointLight>(l)->on; }},
        {"PointLight { color .5 1e-1 2E0 }",
         [](const Lu& l) {
             vrml1::Vec3 c = premier<vrml1::PointLight>(l)->color;
             return c.x == 0.5f && c.y == 0.1f && c.z == 2;
         }},
        {"ShapeHints { vertexOrdering CLOCKWISE faceType UNKNOWN_FACE_TYPE }",
         [](const Lu& l) {
             auto* h = premier<vrml1::ShapeHints>(l);
             return h->vertexOrdering == vrml1::CLOCKWISE && h->faceType == vrml1::UNKNOWN_FACE_TYPE;
         }},
        {"Texture2 { image 2 4 3 0xFF0000 0xFF00 0 0 0 0 0xFFFFFF 0xFFFF00 }",
         [](const Lu& l) {
             const vrml1::Image& i = premier<vrml1::Texture2>(l)->image;
             return i.largeur == 2 && i.hauteur == 4 && i.composantes == 3 &&
                    i.pixels.size() == 8 && i.pixels[0] == 0xFF0000 && i.pixels[7] == 0xFFFF00;
         }},
        {"Switch { whichChild 010 }",
         [](const Lu& l) { return premier<vrml1::Switch>(l)->whichChild == 8; }},
        {"Switch { whichChild -0x2 }",
         [](const Lu& l) { return premier<vrml1::Switch>(l)->whichChild == -2; }},
        {"MatrixTransform { matrix 1 0 0 0  0 1 0 0  0 0 1 0  7.3 0 0 1 }",
         [](const Lu& l) { return premier<vrml1::MatrixTransform>(l)->matrix.m[12] == 7.3f; }},
        {"Rotation { rotation 0 1 0 3.14159265 }",
         [](const Lu& l) {
             const vrml1::Rotation4& r = premier<vrml1::Rotation>(l)->rotation_;
             return r.axe[1] == 1 && r.angle == 3.14159265f;
         }},
        {"Info { string \"He said, \\\"Immel did it!\\\"\" }",
         [](const Lu& l) { return premier<vrml1::Info>(l)->string == "He said, \"Immel did it!\""; }},
        {"Info { string Testing }", [](const Lu& l) { return premier<vrml1::Info>(l)->string == "Testing"; }},
        {"Texture2Transform { translation 1 2 }",
         [](const Lu& l) { return premier<vrml1::Texture2Transform>(l)->translation.y == 2; }},
        {"IndexedFaceSet { coordIndex [ 17, -0xE20, -518820 ] }",
         [](const Lu& l) {
             return premier<vrml1::IndexedFaceSet>(l)->coordIndex ==
                    std::vector<int32_t>{17, -0xE20, -518820};
         }},
        {"IndexedFaceSet { materialIndex 1 }",
         [](const Lu& l) { return premier<vrml1::IndexedFaceSet>(l)->materialIndex == std::vector<int32_t>{1}; }},
        {"IndexedFaceSet { normalIndex [1,] textureCoordIndex [] }",
         [](const Lu& l) {
             auto* f = premier<vrml1::IndexedFaceSet>(l);
             return f->normalIndex == std::vector<int32_t>{1} && f->textureCoordIndex.empty();
         }},
        {"Coordinate3 { point [ 0 0 0, 1.2 3.4 5.6, 98.6 -4e1 212 ] }",
         [](const Lu& l) {
             auto& p = premier<vrml1::Coordinate3>(l)->point;
             return p.size() == 3 && p[2].y == -40 && p[1].z == 5.6f;
         }},
        {"TextureCoordinate2 { point [ 0 0, 1.2 3.4, 98.6 -4e1 ] }",
         [](const Lu& l) { return premier<vrml1::TextureCoordinate2>(l)->point[2].x == 98.6f; }},
        {"LOD { range [ 1, 2, 3, ] }",
         [](const Lu& l) { return premier<vrml1::Lod>(l)->range == std::vector<float>{1, 2, 3}; }},
        {"AsciiText { string [ \"a b\", c ] }",
         [](const Lu& l) {
             return premier<vrml1::AsciiText>(l)->string == std::vector<std::string>{"a b", "c"};
         }},
        {"FontStyle { style ( BOLD | ITALIC ) }",
         [](const Lu& l) { return premier<vrml1::FontStyle>(l)->style == 3; }},
    };
    for (const Cas& c : cas) {
        Lu l = lu(c.texte);
        EXPECT_TRUE(c.vrai(l)) << c.texte;
        EXPECT_EQ(l.erreurs, "") << c.texte;
    }
}

TEST(Vrml1, defaultsAreTheStandards) {
    Lu l = lu("Cone {} SpotLight {} PerspectiveCamera {} Material {} ShapeHints {} PointSet {}");
    EXPECT_EQ(premier<vrml1::Cone>(l)->parts, SIDES | BOTTOM | TOP);
    EXPECT_EQ(premier<vrml1::SpotLight>(l)->cutOffAngle, 0.785398f);
    EXPECT_EQ(premier<vrml1::PerspectiveCamera>(l)->heightAngle, 0.785398f);
    EXPECT_EQ(premier<vrml1::Material>(l)->diffuseColor[0].x, 0.8f);
    EXPECT_EQ(premier<vrml1::ShapeHints>(l)->faceType, vrml1::CONVEX);
    EXPECT_EQ(premier<vrml1::PointSet>(l)->numPoints, -1);
}

// The last DEF of a name wins, from where it stands; USE draws that node again.
TEST(Vrml1, defUseTakesTheLastDefinition) {
    Lu l = lu("Separator { DEF Joe Sphere { } Separator { DEF Joe Sphere { radius .2 } }"
              " USE Joe }");
    auto* s = static_cast<vrml1::Groupe*>(l.monde().racine.enfants[0]);
    auto* dedans = static_cast<vrml1::Groupe*>(s->enfants[1]);
    EXPECT_EQ(s->enfants[2], dedans->enfants[0]);
    EXPECT_EQ(static_cast<vrml1::Sphere*>(s->enfants[2])->radius, 0.2f);
    EXPECT_EQ(s->enfants[2]->utilisations, 2);
}

// The reading state: a Separator keeps its changes inside; TransformSeparator only
// its matrix; Group passes all on. Seen through the transform the camera is read
// under.
TEST(Vrml1, separatorsKeepTheStateAsTheStandardSays) {
    struct Cas {
        const char* groupe;
        bool matrice;
    } cas[] = {{"Separator", false}, {"TransformSeparator", false}, {"Group", true}};
    for (const Cas& c : cas) {
        Lu l = lu(std::string(c.groupe) +
                  " { Translation { translation 5 0 0 } }"
                  " PerspectiveCamera { }");
        EXPECT_EQ(l.monde().matriceCamera.m[12], c.matrice ? 5 : 0) << c.groupe;
    }
}

TEST(Vrml1, messagesNameFileAndLineAndStopAfterAFewOfAKind) {
    std::string texte;
    for (int i = 0; i < 10; ++i) texte += "USE Chaise\n";
    Lu l = lu(texte, "salle.wrl");
    EXPECT_NE(l.erreurs.find("salle.wrl:2: USE of unknown name 'Chaise'\n"), std::string::npos)
        << l.erreurs;
    EXPECT_EQ(lignes(l.erreurs), vrml1::Messages::PAR_SORTE + 1) << l.erreurs;
    EXPECT_NE(l.erreurs.find("7 more unknown names not shown"), std::string::npos);
}

TEST(Vrml1, headerMustBeTheFullOne) {
    testing::internal::CaptureStderr();
    Scene* s = garde(new Scene(fichierTemporaire("v.wrl", "#VRML V1.0\nCube {}\n").c_str(), true));
    std::string erreurs = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(s->monde->racine.enfants.empty());
    EXPECT_NE(erreurs.find("#VRML V1.0 ascii"), std::string::npos);
}

TEST(Vrml1, inlinesReadLocalFilesOnce) {
    fichierTemporaire("boite.wrl", entete + "Cube { width 4 }\n");
    fichierTemporaire("boucle.wrl", entete + "WWWInline { name \"boucle.wrl\" }\n");
    Lu l = lu("WWWInline { name \"boite.wrl\" }\n"
              "WWWInline { name \"file:boite.wrl\" }\n"
              "WWWInline { name \"http://example.com/x.wrl\" }\n"
              "WWWInline { name \"absent.wrl\" }\n"
              "WWWInline { name \"boucle.wrl\" }\n");
    EXPECT_EQ(forme(l.monde().racine.enfants),
              "WWWInline(Cube) WWWInline(Cube) WWWInline() WWWInline() WWWInline(WWWInline())");
    EXPECT_EQ(lignes(l.erreurs), 3) << l.erreurs;
    EXPECT_NE(l.erreurs.find("only local files"), std::string::npos);
    EXPECT_NE(l.erreurs.find("a cycle"), std::string::npos);
}

// Counts per drawing: a USE counts twice, Switch its choice; the box is the
// vertices' after the transforms, at the count given.
TEST(Vrml1, infoCountsWhatTheFirstFrameDraws) {
    Lu l = lu("DEF B Cube { width 2 height 4 depth 6 } Translation { translation 10 0 0 } USE B "
              "Switch { whichChild -1 Sphere { radius 100 } } Texture2 { }");
    std::string texte = info(l.scene, 3);
    EXPECT_NE(texte.find("noeuds 5\n"), std::string::npos) << texte;
    EXPECT_NE(texte.find("type Cube 1\n"), std::string::npos);
    EXPECT_NE(texte.find("non-dessine Texture2 1\n"), std::string::npos);
    EXPECT_NE(texte.find("boite -1 -2 -3 11 2 3\n"), std::string::npos) << texte;
    EXPECT_NE(info(lu("Switch { }").scene).find("boite vide\n"), std::string::npos);
}

// Without a camera the scene's box is brought to the middle of the view, its larger
// side 1.8 units of the view's 2.
TEST(Vrml1, framingWithoutCamera) {
    Lu l = lu("Translation { translation 10 20 0 } Cube { width 8 height 4 depth 2 }");
    EXPECT_TRUE(l.monde().cadre);
    EXPECT_FLOAT_EQ(l.monde().echelle, 1.8f / 8);
    EXPECT_FLOAT_EQ(l.monde().centre[0], 10);
    EXPECT_FLOAT_EQ(l.monde().centre[1], 20);
    EXPECT_FALSE(lu("OrthographicCamera { } Cube { }").monde().cadre);
    // A camera that is not drawn sets no view.
    EXPECT_TRUE(lu("Switch { PerspectiveCamera { } } Cube { }").monde().cadre);
}

// A node used twice is written once, as a function called at each use.
TEST(Vrml1, savedFileWritesASharedNodeOnce) {
    Lu l = lu("DEF S Separator { Cube { } } USE S USE S");
    nbFacettes = 5;
    std::string texte = enregistreTexte(*l.scene);
    EXPECT_NE(texte.find("static void partage1(void) {\n"), std::string::npos) << texte;
    size_t n = 0;
    for (size_t p = 0; (p = texte.find("solidCube(", p)) != std::string::npos; ++p) ++n;
    EXPECT_EQ(n, 1u);
    for (size_t p = 0, q = 0; (p = texte.find("partage1();", q)) != std::string::npos; q = p + 1) ++n;
    EXPECT_EQ(n, 4u);
}

// The default mode reads as before and says, once, which standard types it skipped.
TEST(Vrml1, defaultModeNamesTheTypesItSkipped) {
    testing::internal::CaptureStderr();
    Scene* s = sceneDepuis(entete + "Coordinate3 { point [ 0 0 0 ] } IndexedFaceSet { }\n"
                                    "Coordinate3 { } Cube { } Foo { }");
    std::string erreurs = testing::internal::GetCapturedStderr();
    EXPECT_EQ(compte(s->noeuds), 1);
    EXPECT_NE(erreurs.find("scene.wrl: Coordinate3, IndexedFaceSet skipped; --vrml1 reads them\n"),
              std::string::npos) << erreurs;
    EXPECT_EQ(lignes(erreurs), 1);
}

// LOD goes near to far: the first level nearer than range[0] from the eye, the next
// one beyond it (the eye of the first frame: here the camera's).
TEST(Vrml1, lodChoosesByTheDistanceFromTheEye) {
    const std::string niveaux = " LOD { range [ 5 ] Cube { } Sphere { radius 3 } }";
    std::string pres = info(lu("PerspectiveCamera { position 0 0 2 }" + niveaux).scene, 4);
    std::string loin = info(lu("PerspectiveCamera { position 0 0 10 }" + niveaux).scene, 4);
    EXPECT_NE(pres.find("boite -1 -1 -1 1 1 1\n"), std::string::npos) << pres;
    EXPECT_NE(loin.find("boite -3 "), std::string::npos) << loin;
}
