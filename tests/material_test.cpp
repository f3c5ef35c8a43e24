// Material: its number-first reader (defaults, every field, repeats, unknown fields,
// numbers that do not scan), the front and back material it leaves in real Mesa, the
// Separator putting the outer material back, and its ten export lines.
#include "properties/Material.h"
#include "properties/Translation.h"
#include "tests/proprietes_aide.h"

// One suite name per component for the tests that need the window.
using MaterialGL = ProprietesGL;

TEST(Material, emptyBlockKeepsTheDefaults) {
    Material m = lit<Material>("{ }");
    EXPECT_EQ(v3(m.ambientColor), v3(0.2f, 0.2f, 0.2f));
    EXPECT_EQ(v3(m.diffuseColor), v3(0.8f, 0.8f, 0.8f));
    EXPECT_EQ(v3(m.specularColor), v3(0, 0, 0));
    EXPECT_EQ(v3(m.emissiveColor), v3(0, 0, 0));
    EXPECT_EQ(m.shininess, 0.2f);
    EXPECT_EQ(m.transparency, 0.0f);
}

TEST(Material, readsEveryFieldInAnyOrderAndKeepsTheLast) {
    Material m = lit<Material>(
        "{ transparency 0.25 emissiveColor 0.1 0.2 0.3\n shininess 0.5\n"
        "  specularColor 1 1 0 ambientColor 0 0.5 1 diffuseColor 0.9 0.1 0.4\n"
        "  diffuseColor 0.3 0.6 0.7 shininess 1.5 }");
    EXPECT_EQ(v3(m.ambientColor), v3(0, 0.5f, 1));
    EXPECT_EQ(v3(m.diffuseColor), v3(0.3f, 0.6f, 0.7f));
    EXPECT_EQ(v3(m.specularColor), v3(1, 1, 0));
    EXPECT_EQ(v3(m.emissiveColor), v3(0.1f, 0.2f, 0.3f));
    EXPECT_EQ(m.shininess, 1.5f);  // out of range, kept as read
    EXPECT_EQ(m.transparency, 0.25f);
}

TEST(Material, unknownFieldCostsExactlyOneNumber) {
    // "color" (a light's field) costs its first number; the next two numbers then
    // pair up as a name and its number; "shininess" is read normally after that.
    Material m = lit<Material>("{ radius 3 color 1 0 0 shininess 0.5 diffuseColor 0 0 1 }");
    EXPECT_EQ(m.shininess, 0.5f);
    EXPECT_EQ(v3(m.diffuseColor), v3(0, 0, 1));
    // Names are compared with their case.
    Material casse = lit<Material>("{ Shininess 0.9 }");
    EXPECT_EQ(casse.shininess, 0.2f);
}

TEST(Material, numberThatDoesNotScanLeavesTheMemberUnchanged) {
    // The first number of a field fails: nothing is stored, not even the previous
    // field's number, and the word becomes the next field name.
    Material m = lit<Material>("{ transparency 0.4 shininess xyz }");
    EXPECT_EQ(m.transparency, 0.4f);
    EXPECT_EQ(m.shininess, 0.2f);
    Material premier = lit<Material>("{ ambientColor xyz 0.5 transparency 0.1 }");
    EXPECT_EQ(v3(premier.ambientColor), v3(0.2f, 0.2f, 0.2f));
    EXPECT_EQ(premier.transparency, 0.1f);
    // A failing green leaves green and blue; the word and the next number form an
    // unknown field.
    Material vert = lit<Material>("{ diffuseColor 0.1 xyz 0.3 shininess 0.5 }");
    EXPECT_EQ(v3(vert.diffuseColor), v3(0.1f, 0.8f, 0.8f));
    EXPECT_EQ(vert.shininess, 0.5f);
    // The end of the file inside the block keeps what was read.
    Material coupe = lit<Material>("{ emissiveColor 0.5 0.25");
    EXPECT_EQ(v3(coupe.emissiveColor), v3(0.5f, 0.25f, 0));
}

TEST_F(MaterialGL, drawingSetsFrontAndBackWithTheAlphaOfTransparency) {
    Material m = lit<Material>(
        "{ diffuseColor 0.9 0.1 0.4 ambientColor 0 0.5 1 specularColor 1 1 0\n"
        "  emissiveColor 0.1 0.2 0.3 shininess 0.5 transparency 0.3 }");
    m.dessine();
    EXPECT_NO_GL_ERROR();
    const float alpha = 0.7f;  // 1 - 0.3
    for (GLenum face : {GL_FRONT, GL_BACK}) {
        EtatMateriau e = materiau(face);
        EXPECT_EQ(v4(e.diffuse), v4(0.9f, 0.1f, 0.4f, alpha)) << face;
        EXPECT_EQ(v4(e.ambient), v4(0, 0.5f, 1, alpha)) << face;
        EXPECT_EQ(v4(e.specular), v4(1, 1, 0, alpha)) << face;
        EXPECT_EQ(v4(e.emission), v4(0.1f, 0.2f, 0.3f, alpha)) << face;
        EXPECT_EQ(e.shininess[0], 64.0f) << face;
    }
    // The defaults are drawn too, shininess 0.2 giving the exponent 25.6.
    Material defaut;
    defaut.dessine();
    EtatMateriau e = materiau();
    EXPECT_EQ(v4(e.diffuse), v4(0.8f, 0.8f, 0.8f, 1));
    EXPECT_EQ(v4(e.specular), v4(0, 0, 0, 1));
    EXPECT_EQ(e.shininess[0], 25.6f);
}

TEST_F(MaterialGL, outOfRangeValuesArePassedOnUnchanged) {
    lit<Material>("{ shininess 1 }").dessine();
    EXPECT_NO_GL_ERROR();
    EXPECT_EQ(materiau().shininess[0], 128.0f);  // the largest exponent OpenGL takes

    // Above 1 OpenGL refuses the exponent; the colours are still set and the earlier
    // shininess stays.
    lit<Material>("{ shininess 1.5 diffuseColor 1 0 0 }").dessine();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_INVALID_VALUE));
    EXPECT_EQ(materiau().shininess[0], 128.0f);
    EXPECT_EQ(v4(materiau().diffuse), v4(1, 0, 0, 1));

    // Nothing is clamped: transparency 1.5 gives alpha -0.5, 1 gives 0.
    lit<Material>("{ transparency 1.5 }").dessine();
    EXPECT_NO_GL_ERROR();
    EXPECT_EQ(materiau().diffuse[3], -0.5f);
    lit<Material>("{ transparency 1 }").dessine();
    EXPECT_EQ(materiau().emission[3], 0.0f);
}

TEST_F(MaterialGL, separatorPutsTheOuterMaterialBackForItsFollowingSiblings) {
    auto* dedans = new Sonde;
    auto* apres = new Sonde;
    groupe({nouveau<Material>("{ diffuseColor 1 0 0 shininess 0.1 }"),
            groupe({nouveau<Material>("{ diffuseColor 0 0 1 emissiveColor 0.5 0.5 0.5 "
                                      "shininess 0.9 transparency 0.5 }"),
                    nouveau<Translation>("{ translation 0 1 0 }"), dedans}),
            apres})
        ->dessine();
    EXPECT_NO_GL_ERROR();
    EXPECT_EQ(v4(dedans->releve.materiau.diffuse), v4(0, 0, 1, 0.5f));
    EXPECT_EQ(dedans->releve.materiau.shininess[0], 0.9f * 128);
    EXPECT_EQ(dedans->releve.matrice[13], 1.0f);
    // The sibling after the inner group sees the outer material again, every value of
    // it with its alpha, and the outer matrix.
    EtatMateriau e = apres->releve.materiau;
    EXPECT_EQ(v4(e.diffuse), v4(1, 0, 0, 1));
    EXPECT_EQ(v4(e.ambient), v4(0.2f, 0.2f, 0.2f, 1));
    EXPECT_EQ(v4(e.specular), v4(0, 0, 0, 1));
    EXPECT_EQ(v4(e.emission), v4(0, 0, 0, 1));
    EXPECT_EQ(e.shininess[0], 0.1f * 128);
    EXPECT_EQ(apres->releve.matrice[13], 0.0f);
    // And after the outer group, the material the test started with.
    EXPECT_EQ(v4(materiau().diffuse), v4(0.8f, 0.8f, 0.8f, 1));
    EXPECT_EQ(materiau().shininess[0], 0.0f);
}

TEST(Material, exportsTheDefaults) {
    Material m;
    EXPECT_EQ(exporteTexte(m),
              "  { float t[4] = { 0.800000F,0.800000F,0.800000F,1.000000F };\n"
              "    glMaterialfv(GL_FRONT_AND_BACK,GL_DIFFUSE,t); }\n"
              "  { float t[4] = { 0.200000F,0.200000F,0.200000F,1.000000F };\n"
              "    glMaterialfv(GL_FRONT_AND_BACK,GL_AMBIENT,t); }\n"
              "  { float t[4] = { 0.000000F,0.000000F,0.000000F,1.000000F };\n"
              "    glMaterialfv(GL_FRONT_AND_BACK,GL_SPECULAR,t); }\n"
              "  { float t[4] = { 0.000000F,0.000000F,0.000000F,1.000000F };\n"
              "    glMaterialfv(GL_FRONT_AND_BACK,GL_EMISSION,t); }\n"
              "  { float t[4] = { 25.600000F };\n"
              "    glMaterialfv(GL_FRONT_AND_BACK,GL_SHININESS,t); }\n");
}

TEST(Material, exportsTheAlphaOnEveryColour) {
    Material m = lit<Material>(
        "{ transparency 0.3 shininess 1 diffuseColor 1 0.5 0 emissiveColor 0 0 0.125 }");
    EXPECT_EQ(exporteTexte(m),
              "  { float t[4] = { 1.000000F,0.500000F,0.000000F,0.700000F };\n"
              "    glMaterialfv(GL_FRONT_AND_BACK,GL_DIFFUSE,t); }\n"
              "  { float t[4] = { 0.200000F,0.200000F,0.200000F,0.700000F };\n"
              "    glMaterialfv(GL_FRONT_AND_BACK,GL_AMBIENT,t); }\n"
              "  { float t[4] = { 0.000000F,0.000000F,0.000000F,0.700000F };\n"
              "    glMaterialfv(GL_FRONT_AND_BACK,GL_SPECULAR,t); }\n"
              "  { float t[4] = { 0.000000F,0.000000F,0.125000F,0.700000F };\n"
              "    glMaterialfv(GL_FRONT_AND_BACK,GL_EMISSION,t); }\n"
              "  { float t[4] = { 128.000000F };\n"
              "    glMaterialfv(GL_FRONT_AND_BACK,GL_SHININESS,t); }\n");
    // Unclamped alpha is written as it is.
    Material clair = lit<Material>("{ transparency 1.5 }");
    std::string texte = exporteTexte(clair);
    EXPECT_EQ(texte.substr(0, texte.find('\n')),
              "  { float t[4] = { 0.800000F,0.800000F,0.800000F,-0.500000F };");
}
