// The three scene lights: their word-first readers, the slot each takes from GL_LIGHT1
// up and gives back at the end of its Separator, the parameters they set (and those
// they leave to the slot) as real Mesa holds them, and their export blocks.
#include "properties/DirectionalLight.h"
#include "properties/PointLight.h"
#include "properties/SpotLight.h"
#include "properties/Translation.h"
#include "tests/proprietes_aide.h"

namespace {

// The cone of a slot: cutoff, exponent, then the axis.
std::vector<float> cone(GLenum l) {
    std::vector<float> axe = parametre(l, GL_SPOT_DIRECTION);
    return {parametre(l, GL_SPOT_CUTOFF)[0], parametre(l, GL_SPOT_EXPONENT)[0], axe[0], axe[1],
            axe[2]};
}

// One suite name per component for the tests that need the window.
using LumieresGL = ProprietesGL;

}  // namespace

TEST(Lumieres, emptyBlocksKeepTheDefaults) {
    DirectionalLight d = lit<DirectionalLight>("{ }");
    EXPECT_STREQ(d.on, "TRUE");
    EXPECT_EQ(d.intensity, 1.0f);
    EXPECT_EQ(v3(d.color), v3(1, 1, 1));
    EXPECT_EQ(v3(d.direction), v3(0, 0, -1));
    PointLight p = lit<PointLight>("{ }");
    EXPECT_EQ(v3(p.location), v3(0, 0, 1));
    SpotLight s = lit<SpotLight>("{ }");
    EXPECT_EQ(v3(s.location), v3(0, 0, 1));
    EXPECT_EQ(v3(s.direction), v3(0, 0, -1));
    EXPECT_EQ(s.dropOffRate, 0.0f);
    EXPECT_EQ(s.cutOffAngle, 0.7854f);
}

TEST(Lumieres, readEveryFieldAndKeepTheLast) {
    SpotLight s = lit<SpotLight>(
        "{ on FALSE intensity 0.5 color 1 0.5 0 location 1 2 3 direction 0 -1 0\n"
        "  dropOffRate 10 cutOffAngle 0.5 intensity 0.75 on TRUE }");
    EXPECT_STREQ(s.on, "TRUE");
    EXPECT_EQ(s.intensity, 0.75f);
    EXPECT_EQ(v3(s.color), v3(1, 0.5f, 0));
    EXPECT_EQ(v3(s.location), v3(1, 2, 3));
    EXPECT_EQ(v3(s.direction), v3(0, -1, 0));
    EXPECT_EQ(s.dropOffRate, 10.0f);
    EXPECT_EQ(s.cutOffAngle, 0.5f);  // radians as read; converted when drawn
    DirectionalLight d =
        lit<DirectionalLight>("{ direction 1 0 0 color 0 1 0 direction 0 1 0 }");
    EXPECT_EQ(v3(d.direction), v3(0, 1, 0));
    EXPECT_EQ(v3(d.color), v3(0, 1, 0));
    PointLight p = lit<PointLight>("{ location -1 0.5 2 on false }");
    EXPECT_EQ(v3(p.location), v3(-1, 0.5f, 2));
    EXPECT_STREQ(p.on, "false");  // kept as the word, so the light stays off
}

TEST(Lumieres, unknownFieldCostsExactlyOneWord) {
    // "location" is not a DirectionalLight field: it costs "1", then "2" is taken as
    // a name costing "3", and "intensity" is read normally.
    DirectionalLight d = lit<DirectionalLight>("{ location 1 2 3 intensity 0.5 }");
    EXPECT_EQ(d.intensity, 0.5f);
    EXPECT_EQ(v3(d.direction), v3(0, 0, -1));
    PointLight p = lit<PointLight>("{ direction 0 1 0 cutOffAngle 0.3 color 0 0 1 }");
    EXPECT_EQ(v3(p.location), v3(0, 0, 1));
    EXPECT_EQ(v3(p.color), v3(0, 0, 1));
    SpotLight s = lit<SpotLight>("{ radius red dropOffRate 3 }");
    EXPECT_EQ(s.dropOffRate, 3.0f);
}

TEST(Lumieres, valueThatDoesNotConvertLeavesTheMemberUnchanged) {
    // Unlike Material's, the first value is a word: it is consumed even when it is
    // not a number, and the next field is read normally.
    SpotLight s = lit<SpotLight>("{ intensity xyz cutOffAngle large color 0.5 0.5 0.5 }");
    EXPECT_EQ(s.intensity, 1.0f);
    EXPECT_EQ(s.cutOffAngle, 0.7854f);
    EXPECT_EQ(v3(s.color), v3(0.5f, 0.5f, 0.5f));
    // A failing second component leaves the second and third; the word becomes the
    // next name and the number after it its value word.
    PointLight p = lit<PointLight>("{ color 0.5 xyz 0.25 intensity 2 }");
    EXPECT_EQ(v3(p.color), v3(0.5f, 1, 1));
    EXPECT_EQ(p.intensity, 2.0f);
    // The end of the file inside the block keeps what was read.
    DirectionalLight d = lit<DirectionalLight>("{ intensity 0.5 direction 1");
    EXPECT_EQ(d.intensity, 0.5f);
    EXPECT_EQ(v3(d.direction), v3(1, 0, -1));
}

TEST(Lumieres, longValueWordIsCutAndItsTailSkipped) {
    std::string mot(250, 'T');
    DirectionalLight d = lit<DirectionalLight>("{ on " + mot + " intensity 0.5 }");
    EXPECT_EQ(std::string(d.on), std::string(199, 'T'));
    EXPECT_EQ(d.intensity, 0.5f);
}

TEST_F(LumieresGL, eachLightSetsColourAndPositionOnly) {
    // Values a light must not touch: the slot's ambient colour and attenuation.
    const GLfloat ambiant[4] = {0.1f, 0.2f, 0.3f, 1};
    glLightfv(GL_LIGHT1, GL_AMBIENT, ambiant);
    glLightf(GL_LIGHT1, GL_LINEAR_ATTENUATION, 0.5f);

    DirectionalLight d = lit<DirectionalLight>("{ intensity 0.5 color 1 0.5 0 }");
    d.dessine();
    EXPECT_NO_GL_ERROR();
    EXPECT_TRUE(glIsEnabled(GL_LIGHT1));
    EXPECT_EQ(parametre(GL_LIGHT1, GL_DIFFUSE), v4(0.5f, 0.25f, 0, 1));
    EXPECT_EQ(parametre(GL_LIGHT1, GL_SPECULAR), v4(0.5f, 0.25f, 0, 1));
    EXPECT_EQ(parametre(GL_LIGHT1, GL_POSITION), v4(0, 0, 1, 0));  // towards the light
    EXPECT_EQ(parametre(GL_LIGHT1, GL_AMBIENT), v4(ambiant));
    EXPECT_EQ(parametre(GL_LIGHT1, GL_LINEAR_ATTENUATION)[0], 0.5f);
    EXPECT_EQ(cone(GL_LIGHT1), (std::vector<float>{180, 0, 0, 0, -1}));

    // The next takes GL_LIGHT2; its position follows the matrix drawn before it.
    glTranslatef(1, 2, 3);
    lit<PointLight>("{ location 0.5 0 -1 color 0 1 0 }").dessine();
    EXPECT_TRUE(glIsEnabled(GL_LIGHT2));
    EXPECT_EQ(parametre(GL_LIGHT2, GL_DIFFUSE), v4(0, 1, 0, 1));
    EXPECT_EQ(parametre(GL_LIGHT2, GL_POSITION), v4(1.5f, 2, 2, 1));
    EXPECT_EQ(cone(GL_LIGHT2)[0], 180.0f);

    glLoadIdentity();
    lit<SpotLight>("{ location 1 2 3 direction 0 -1 0 dropOffRate 10 }").dessine();
    EXPECT_NO_GL_ERROR();
    EXPECT_TRUE(glIsEnabled(GL_LIGHT3));
    EXPECT_EQ(parametre(GL_LIGHT3, GL_SPECULAR), v4(1, 1, 1, 1));
    EXPECT_EQ(parametre(GL_LIGHT3, GL_POSITION), v4(1, 2, 3, 1));
    // 0.7854 * 180 / 3.14159 = 45.000140, 45.0001411438 as a float; pi would give
    // 45.000103.
    EXPECT_EQ(cone(GL_LIGHT3), (std::vector<float>{45.0001411438f, 10, 0, -1, 0}));
    EXPECT_EQ(lumieresAllumees(), "1110000");
}

TEST_F(LumieresGL, lightsTakeConsecutiveSlotsAndAreSwitchedOffAtTheEnd) {
    // The head lamp is GL_LIGHT0, on or off: scene lights start at GL_LIGHT1 anyway.
    glDisable(GL_LIGHT0);
    auto* a = new Sonde;
    auto* b = new Sonde;
    auto* c = new Sonde;
    auto* d = new Sonde;
    groupe({nouveau<DirectionalLight>("{ color 1 0 0 }"),
            nouveau<PointLight>("{ on FALSE color 0 1 0 }"),  // takes no slot
            nouveau<SpotLight>("{ color 0 0 1 }"), a,
            groupe({nouveau<PointLight>("{ color 1 1 0 }"), b}),
            nouveau<PointLight>("{ color 0 1 1 }"), c,
            groupe({nouveau<DirectionalLight>("{ on true }")}), d})
        ->dessine();
    EXPECT_NO_GL_ERROR();
    EXPECT_EQ(a->releve.lumieres, "1100000");
    EXPECT_EQ(b->releve.lumieres, "1110000");
    // The nested light was switched off, so the next one takes its slot again.
    EXPECT_EQ(c->releve.lumieres, "1110000");
    EXPECT_EQ(d->releve.lumieres, "1110000");
    EXPECT_EQ(lumieresAllumees(), "0000000");
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0));
    // Which light got which slot: the spot light the second, right after the first.
    EXPECT_EQ(parametre(GL_LIGHT1, GL_DIFFUSE), v4(1, 0, 0, 1));
    EXPECT_EQ(parametre(GL_LIGHT2, GL_DIFFUSE), v4(0, 0, 1, 1));
    EXPECT_EQ(parametre(GL_LIGHT3, GL_DIFFUSE), v4(0, 1, 1, 1));

    // A following group starts again from GL_LIGHT1.
    groupe({nouveau<PointLight>("{ color 0.5 0.5 0.5 }"), a})->dessine();
    EXPECT_EQ(a->releve.lumieres, "1000000");
    EXPECT_EQ(parametre(GL_LIGHT1, GL_DIFFUSE), v4(0.5f, 0.5f, 0.5f, 1));
}

TEST_F(LumieresGL, pointLightInASpotLightsSlotKeepsTheOldCone) {
    groupe({groupe({nouveau<SpotLight>("{ direction 0 -1 0 cutOffAngle 0.5 dropOffRate 5 }")}),
            groupe({nouveau<PointLight>("{ color 0 1 0 }")}),
            groupe({nouveau<DirectionalLight>("{ color 0 0 1 }")})})
        ->dessine();
    EXPECT_NO_GL_ERROR();
    EXPECT_EQ(parametre(GL_LIGHT1, GL_DIFFUSE), v4(0, 0, 1, 1));
    // 0.5 * 180 / 3.14159 = 28.647913 (28.6479129791 as a float).
    EXPECT_EQ(cone(GL_LIGHT1), (std::vector<float>{28.6479129791f, 5, 0, -1, 0}));
}

TEST_F(LumieresGL, outOfRangeConesArePassedOnAndRefused) {
    // Each light takes GL_LIGHT1 again, once the previous one is switched off.
    lit<SpotLight>("{ cutOffAngle 0.5 }").dessine();
    glDisable(GL_LIGHT1);
    EXPECT_NO_GL_ERROR();
    // 1.5708 is a little more than 90 degrees (90.000282): refused, the slot keeps
    // its earlier cutoff, and the light is still switched on.
    lit<SpotLight>("{ cutOffAngle 1.5708 }").dessine();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_INVALID_VALUE));
    EXPECT_EQ(cone(GL_LIGHT1)[0], 28.6479129791f);
    EXPECT_TRUE(glIsEnabled(GL_LIGHT1));
    glDisable(GL_LIGHT1);
    // 3.14159 converts to exactly 180: no cone, accepted.
    lit<SpotLight>("{ cutOffAngle 3.14159 dropOffRate 128 }").dessine();
    EXPECT_NO_GL_ERROR();
    EXPECT_EQ(cone(GL_LIGHT1)[0], 180.0f);
    EXPECT_EQ(cone(GL_LIGHT1)[1], 128.0f);
    glDisable(GL_LIGHT1);
    // An exponent above 128 is refused likewise.
    lit<SpotLight>("{ dropOffRate 200 }").dessine();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_INVALID_VALUE));
    EXPECT_EQ(cone(GL_LIGHT1), (std::vector<float>{45.0001411438f, 128, 0, 0, -1}));
}

TEST_F(LumieresGL, lightWithNoFreeSlotIsRefused) {
    GLint nombre = 0;
    glGetIntegerv(GL_MAX_LIGHTS, &nombre);
    for (int l = 1; l < nombre; ++l) glEnable(GL_LIGHT0 + l);
    lit<PointLight>("{ }").dessine();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_INVALID_ENUM));
    for (int l = 1; l < nombre; ++l) glDisable(GL_LIGHT0 + l);
}

TEST(Lumieres, exportDefaultDirectionalLight) {
    DirectionalLight d;
    EXPECT_EQ(exporteTexte(d),
              "  { int pld = premiereLumiereDisponible();\n"
              "    { float c[4] = { 1.000000F,1.000000F,1.000000F,1.000000F };\n"
              "      glLightfv(pld,GL_DIFFUSE,c);\n"
              "      glLightfv(pld,GL_SPECULAR,c); }\n"
              "    { float dir[4] = { -0.000000F,-0.000000F,1.000000F,0.000000F };\n"
              "      glLightfv(pld,GL_POSITION,dir); }\n"
              "    glEnable(pld); }\n");
}

TEST(Lumieres, exportDefaultPointLightWithColourTimesIntensity) {
    PointLight p = lit<PointLight>("{ intensity 0.5 color 1 0.5 0 }");
    EXPECT_EQ(exporteTexte(p),
              "  { int pld = premiereLumiereDisponible();\n"
              "    { float c[4] = { 0.500000F,0.250000F,0.000000F,1.000000F };\n"
              "      glLightfv(pld,GL_DIFFUSE,c);\n"
              "      glLightfv(pld,GL_SPECULAR,c); }\n"
              "    { float pos[4] = { 0.000000F,0.000000F,1.000000F,1.000000F };\n"
              "      glLightfv(pld,GL_POSITION,pos); }\n"
              "    glEnable(pld); }\n");
}

TEST(Lumieres, exportDefaultSpotLight) {
    SpotLight s;
    EXPECT_EQ(exporteTexte(s),
              "  { int pld = premiereLumiereDisponible();\n"
              "    { float c[4] = { 1.000000F,1.000000F,1.000000F,1.000000F };\n"
              "      glLightfv(pld,GL_DIFFUSE,c);\n"
              "      glLightfv(pld,GL_SPECULAR,c); }\n"
              "    { float pos[4] = { 0.000000F,0.000000F,1.000000F,1.000000F };\n"
              "      glLightfv(pld,GL_POSITION,pos); }\n"
              "    { float dir[4] = { 0.000000F,0.000000F,-1.000000F };\n"
              "      glLightfv(pld,GL_SPOT_DIRECTION,dir); }\n"
              "    glLightf(pld,GL_SPOT_CUTOFF,45.000140F);\n"
              "    glLightf(pld,GL_SPOT_EXPONENT,0.000000F);\n"
              "    glEnable(pld); }\n");
}

TEST(Lumieres, exportSpotLightFields) {
    // The cutoff is printed from the double of the conversion: 90.000280, where the
    // float the viewer passes would print 90.000282.
    SpotLight s = lit<SpotLight>(
        "{ color 0.2 0.4 1 intensity 2 location -1 2.5 0 direction 1 0 0\n"
        "  cutOffAngle 1.5708 dropOffRate 200 }");
    EXPECT_EQ(exporteTexte(s),
              "  { int pld = premiereLumiereDisponible();\n"
              "    { float c[4] = { 0.400000F,0.800000F,2.000000F,1.000000F };\n"
              "      glLightfv(pld,GL_DIFFUSE,c);\n"
              "      glLightfv(pld,GL_SPECULAR,c); }\n"
              "    { float pos[4] = { -1.000000F,2.500000F,0.000000F,1.000000F };\n"
              "      glLightfv(pld,GL_POSITION,pos); }\n"
              "    { float dir[4] = { 1.000000F,0.000000F,0.000000F };\n"
              "      glLightfv(pld,GL_SPOT_DIRECTION,dir); }\n"
              "    glLightf(pld,GL_SPOT_CUTOFF,90.000280F);\n"
              "    glLightf(pld,GL_SPOT_EXPONENT,200.000000F);\n"
              "    glEnable(pld); }\n");
}

TEST(Lumieres, lightThatIsOffExportsNothing) {
    // The viewer leaves it off, so the generated code must not switch it on either.
    for (const char* mot : {"FALSE", "false", "true", "ON"}) {
        std::string bloc = std::string("{ on ") + mot + " }";
        DirectionalLight d = lit<DirectionalLight>(bloc);
        PointLight p = lit<PointLight>(bloc);
        SpotLight s = lit<SpotLight>(bloc);
        EXPECT_EQ(exporteTexte(d), "") << mot;
        EXPECT_EQ(exporteTexte(p), "") << mot;
        EXPECT_EQ(exporteTexte(s), "") << mot;
    }
    DirectionalLight direction = lit<DirectionalLight>("{ direction 0.5 -1 0 }");
    EXPECT_NE(exporteTexte(direction).find("{ -0.500000F,1.000000F,-0.000000F,0.000000F }"),
              std::string::npos);
}
