// The four shape nodes: what their block readers take from the file (defaults, every
// field, repeats, unknown fields, numbers glued to words, parts texts), the one line
// each writes into the generated file, and which parts a Cone or a Cylinder draws.
#include <vector>

#include "shapes/Cone.h"
#include "shapes/Cube.h"
#include "shapes/Cylinder.h"
#include "shapes/Sphere.h"
#include "tests/aide.h"

namespace {

// How many triangles a node sends to OpenGL when drawn (feedback mode, no culling).
int trianglesDessines(Noeud& noeud) {
    std::vector<GLfloat> tampon(1 << 16);
    glDisable(GL_CULL_FACE);
    glFeedbackBuffer(tampon.size(), GL_2D, tampon.data());
    glRenderMode(GL_FEEDBACK);
    noeud.dessine();
    int n = glRenderMode(GL_RENDER);
    int triangles = 0;
    for (int i = 0; i < n; i += 2 + 2 * static_cast<int>(tampon[i + 1])) ++triangles;
    return triangles;
}

}  // namespace

TEST(Cube, readsDefaultsEveryFieldAndKeepsTheLastOfARepeat) {
    Cube d = lit<Cube>("{ }");
    EXPECT_EQ(d.width, 2.0f);
    EXPECT_EQ(d.height, 2.0f);
    EXPECT_EQ(d.depth, 2.0f);
    Cube c = lit<Cube>("{ depth 3 width 4 height 0.5 }");
    EXPECT_EQ(c.width, 4.0f);
    EXPECT_EQ(c.height, 0.5f);
    EXPECT_EQ(c.depth, 3.0f);
    c = lit<Cube>("{ width 4 }");
    EXPECT_EQ(c.width, 4.0f);
    EXPECT_EQ(c.height, 2.0f);
    EXPECT_EQ(c.depth, 2.0f);
    EXPECT_EQ(lit<Cube>("{ depth 1 depth 3 }").depth, 3.0f);
    // Names are case-sensitive.
    EXPECT_EQ(lit<Cube>("{ Width 5 }").width, 2.0f);
}

TEST(Cube, unknownFieldsTakeOneNumberAndGluedWordsBecomeNames) {
    // An unknown name drops its number.
    Cube c = lit<Cube>("{ color 7 width 4 }");
    EXPECT_EQ(c.width, 4.0f);
    EXPECT_EQ(c.height, 2.0f);
    // "4cm": 4 for width, then "cm" is a name; its number does not scan on "height",
    // which is then the next name.
    c = lit<Cube>("{ width 4cm height 3 }");
    EXPECT_EQ(c.width, 4.0f);
    EXPECT_EQ(c.height, 3.0f);
    // An unknown name before a word takes nothing; the word is the next name.
    c = lit<Cube>("{ foo bar depth 5 }");
    EXPECT_EQ(c.depth, 5.0f);
    // A value glued to the closing brace: the "}" still ends the block.
    const std::string texte = "{ width 6} Sphere";
    FILE* in = flux(texte);
    Cube g;
    g.litChamps(in);
    char suite[32] = "";
    EXPECT_EQ(fscanf(in, "%31s", suite), 1);
    fclose(in);
    EXPECT_EQ(g.width, 6.0f);
    EXPECT_STREQ(suite, "Sphere");
}

TEST(Sphere, readsItsRadiusAndSkipsUnknownFields) {
    EXPECT_EQ(lit<Sphere>("{ }").radius, 1.0f);
    EXPECT_EQ(lit<Sphere>("{ radius 0.5 }").radius, 0.5f);
    EXPECT_EQ(lit<Sphere>("{ radius 0.5 radius 3 }").radius, 3.0f);
    EXPECT_EQ(lit<Sphere>("{ width 9 radius 0.25 }").radius, 0.25f);
    EXPECT_EQ(lit<Sphere>("{ radius 2m }").radius, 2.0f);
}

TEST(ConeEtCylinder, readDefaultsEveryFieldAndRepeats) {
    Cone d = lit<Cone>("{ }");
    EXPECT_EQ(d.bottomRadius, 1.0f);
    EXPECT_EQ(d.height, 2.0f);
    EXPECT_STREQ(d.parts, "ALL");
    Cone c = lit<Cone>("{ parts BOTTOM height 3 bottomRadius 0.5 height 4 }");
    EXPECT_EQ(c.bottomRadius, 0.5f);
    EXPECT_EQ(c.height, 4.0f);
    EXPECT_STREQ(c.parts, "BOTTOM");
    Cylinder y = lit<Cylinder>("{ }");
    EXPECT_EQ(y.radius, 1.0f);
    EXPECT_EQ(y.height, 2.0f);
    EXPECT_STREQ(y.parts, "ALL");
    y = lit<Cylinder>("{ radius 0.25 parts SIDES parts BOTTOM|TOP height 0.5 }");
    EXPECT_EQ(y.radius, 0.25f);
    EXPECT_EQ(y.height, 0.5f);
    EXPECT_STREQ(y.parts, "BOTTOM|TOP");
    // A cone has no "radius", a cylinder no "bottomRadius".
    EXPECT_EQ(lit<Cone>("{ radius 5 }").bottomRadius, 1.0f);
    EXPECT_EQ(lit<Cylinder>("{ bottomRadius 5 }").radius, 1.0f);
}

TEST(ConeEtCylinder, unknownFieldsTakeOneWordAndValuesConvertWhatScans) {
    // Word-first: an unknown name drops one token, a number or not.
    Cone c = lit<Cone>("{ color red height 5 }");
    EXPECT_EQ(c.height, 5.0f);
    c = lit<Cone>("{ color 7 bottomRadius 3 }");
    EXPECT_EQ(c.bottomRadius, 3.0f);
    // A number glued to a word gives the number; a word gives nothing.
    Cylinder y = lit<Cylinder>("{ height 3cm radius abc }");
    EXPECT_EQ(y.height, 3.0f);
    EXPECT_EQ(y.radius, 1.0f);
}

TEST(ConeEtCylinder, partsTextIsOneTokenKeptAsRead) {
    EXPECT_STREQ(lit<Cone>("{ parts (SIDES|BOTTOM) }").parts, "(SIDES|BOTTOM)");
    // With blanks around the bars only "(" is the parts text; SIDES and BOTTOM are
    // names of their own that drop "|" and ")".
    Cylinder y = lit<Cylinder>("{ parts ( SIDES | BOTTOM ) height 4 }");
    EXPECT_STREQ(y.parts, "(");
    EXPECT_EQ(y.height, 4.0f);
    Cone c = lit<Cone>("{ parts ( SIDES | BOTTOM ) }");
    EXPECT_STREQ(c.parts, "(");
    EXPECT_EQ(c.height, 2.0f);
}

TEST(Formes, exportLinesFollowTheFieldsAndTheCount) {
    nbFacettes = 72;
    Cube cube;
    EXPECT_EQ(exporteTexte(cube), "  solidCube(2.000000F,2.000000F,2.000000F,72);\n");
    cube = lit<Cube>("{ width -2.5 height 0.1 depth 1e3 }");
    EXPECT_EQ(exporteTexte(cube), "  solidCube(-2.500000F,0.100000F,1000.000000F,72);\n");
    Sphere sphere = lit<Sphere>("{ radius 0.5 }");
    EXPECT_EQ(exporteTexte(sphere), "  solidSphere(0.500000F,72);\n");
    Cone cone;
    EXPECT_EQ(exporteTexte(cone), "  solidCone(1.000000F,2.000000F,72,\"ALL\");\n");
    Cylinder cyl = lit<Cylinder>("{ radius 0.25 height 0.6 parts SIDES|TOP }");
    EXPECT_EQ(exporteTexte(cyl), "  solidCylindre(0.250000F,0.600000F,72,\"SIDES|TOP\");\n");
    // The count is the global's at the time of writing.
    nbFacettes = 80;
    EXPECT_EQ(exporteTexte(sphere), "  solidSphere(0.500000F,80);\n");
    // Parts texts are written as read, not decoded.
    cone = lit<Cone>("{ parts (SIDES|BOTTOM) }");
    EXPECT_EQ(exporteTexte(cone), "  solidCone(1.000000F,2.000000F,80,\"(SIDES|BOTTOM)\");\n");
    cone = lit<Cone>("{ parts ( SIDES | BOTTOM ) }");
    EXPECT_EQ(exporteTexte(cone), "  solidCone(1.000000F,2.000000F,80,\"(\");\n");
    cyl = lit<Cylinder>("{ parts all }");
    EXPECT_EQ(exporteTexte(cyl), "  solidCylindre(1.000000F,2.000000F,80,\"all\");\n");
}

// A parts word is file content put inside a C string literal: quotes, backslashes,
// question marks (trigraphs) and bytes outside printable ASCII must not leave it.
TEST(Formes, partsWordCannotEscapeItsStringLiteral) {
    nbFacettes = 72;
    Cone cone = lit<Cone>("{ parts ALL\");system(\"x\");// }");
    EXPECT_EQ(exporteTexte(cone),
              "  solidCone(1.000000F,2.000000F,72,\"ALL\\\");system(\\\"x\\\");//\");\n");
    Cylinder cyl = lit<Cylinder>("{ parts a\\b?\?/c\x01\xc3\xa9 }");
    EXPECT_EQ(exporteTexte(cyl),
              "  solidCylindre(1.000000F,2.000000F,72,\"a\\\\b\\?\\?/c\\001\\303\\251\");\n");
}

TEST(Formes, partsChooseWhatConeAndCylinderDraw) {
    etatInitialGL();
    nbFacettes = 3;
    const int cote = 2 * 3 * 3, disque = 3 - 2;  // triangles of the side and of a disc
    struct Cas {
        const char* bloc;
        int cone, cylindre;
    } cas[] = {
        {"{ }", cote + disque, cote + 2 * disque},
        {"{ parts BOTTOM }", disque, disque},
        {"{ parts SIDES|TOP }", cote, cote + disque},
        {"{ parts BOTTOM|TOP }", disque, 2 * disque},
        {"{ parts SIDES }", cote, cote},
        {"{ parts ALL|SIDES }", cote + disque, cote + 2 * disque},
        {"{ parts all }", 0, 0},
        {"{ parts (SIDES|BOTTOM) }", 0, 0},
        {"{ parts ( SIDES | BOTTOM ) }", 0, 0},
        {"{ parts SIDES| }", cote, cote},
    };
    for (const Cas& c : cas) {
        Cone cone = lit<Cone>(c.bloc);
        Cylinder cyl = lit<Cylinder>(c.bloc);
        EXPECT_EQ(trianglesDessines(cone), c.cone) << c.bloc;
        EXPECT_EQ(trianglesDessines(cyl), c.cylindre) << c.bloc;
    }
    // Each shape draws with the count of the moment and leaves the matrix as it was.
    nbFacettes = 4;
    Cube cube;
    Sphere sphere;
    EXPECT_EQ(trianglesDessines(cube), 6 * 4 * 4 * 2);
    EXPECT_EQ(trianglesDessines(sphere), 4 * 4 * 2);
    GLint profondeur;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &profondeur);
    EXPECT_EQ(profondeur, 1);
    EXPECT_NO_GL_ERROR();
}
