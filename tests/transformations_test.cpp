// Translation, Rotation and Scale: their one-field readers (with the radian to degree
// conversion through 3.14159), the matrix they leave in real Mesa, composed in file
// order and undone by a Separator, and their export lines.
#include <cmath>

#include "properties/Rotation.h"
#include "properties/Scale.h"
#include "properties/Translation.h"
#include "tests/matrices.h"
#include "tests/proprietes_aide.h"

namespace {

// Reads a block into noeud; returns the token the reader left next ("" at the end).
template <class T>
std::string resteApres(T* noeud, const std::string& texte) {
    FILE* in = flux(texte);
    noeud->litChamps(in);
    char mot[256] = "";
    if (fscanf(in, "%255s", mot) != 1) mot[0] = '\0';
    fclose(in);
    return mot;
}

// Single-precision matrices agree with their double formulas to this: tight enough to
// tell 3.14159 from pi in an angle.
const double PRECISION = 3e-7;

// One suite name per component for the tests that need the window.
using TransformationsGL = ProprietesGL;

}  // namespace

TEST(Transformations, readersTakeTheirOneField) {
    Translation t = lit<Translation>("{ translation 1 -2 3.5 }");
    EXPECT_EQ(v3(t.translation), v3(1, -2, 3.5f));
    // Zero and negative factors are kept as they are.
    Scale s = lit<Scale>("{\n\tscaleFactor 2 0\n -1\n}");
    EXPECT_EQ(v3(s.scaleFactor), v3(2, 0, -1));
    // The file gives the axis first, then the angle in radians.
    Rotation r = lit<Rotation>("{ rotation 0 1 0 3.14159 }");
    EXPECT_EQ(v4(r.axis[0], r.axis[1], r.axis[2], r.angle), v4(0, 1, 0, 180));
}

TEST(Transformations, rotationDividesByTheFloatPi) {
    // 1.5708 * 180 / 3.1415901184 = 90.00028004 in double, 90.0002822876 as a float;
    // dividing by the true pi would give 90.000206.
    EXPECT_EQ(lit<Rotation>("{ rotation 0 0 1 1.5708 }").angle, 90.0002822876f);
    EXPECT_EQ(lit<Rotation>("{ rotation 0 0 1 -3.14159 }").angle, -180.0f);
}

TEST(Transformations, defaultsForEmptyOrForeignBlocks) {
    Rotation r = lit<Rotation>("{ }");
    EXPECT_EQ(v4(r.axis[0], r.axis[1], r.axis[2], r.angle), v4(0, 0, 1, 0));
    Scale s = lit<Scale>("{ }");
    EXPECT_EQ(v3(s.scaleFactor), v3(1, 1, 1));

    // An empty block is consumed up to its "}"; a first word other than the field
    // name (here another node's field) ends the reader just after that word.
    Translation t;
    EXPECT_EQ(resteApres(&t, "{ } Cube"), "Cube");
    EXPECT_EQ(resteApres(&t, "{ scaleFactor 4 5 6 }"), "4");
    EXPECT_EQ(v3(t.translation), v3(0, 0, 0));
    Scale minuscule;
    EXPECT_EQ(resteApres(&minuscule, "{ scalefactor 4 5 6 }"), "4");
    EXPECT_EQ(minuscule.scaleFactor[0], 1.0f);
}

TEST(Transformations, componentThatDoesNotScanKeepsItsDefault) {
    // The failed number consumes nothing: the next reads fail on the same word and the
    // closing read takes it, leaving the rest of the block to the enclosing reader.
    Translation t;
    EXPECT_EQ(resteApres(&t, "{ translation 1 xyz 3 }"), "3");
    EXPECT_EQ(v3(t.translation), v3(1, 0, 0));
    // An angle that does not scan leaves no turn at all; its word is taken as the
    // closing token, so the real "}" is left over.
    Rotation r;
    EXPECT_EQ(resteApres(&r, "{ rotation 1 0 0 quart }"), "}");
    EXPECT_EQ(v4(r.axis[0], r.axis[1], r.axis[2], r.angle), v4(1, 0, 0, 0));
    // The end of the file inside the block keeps what was read.
    Scale s = lit<Scale>("{ scaleFactor 3");
    EXPECT_EQ(v3(s.scaleFactor), v3(3, 1, 1));
}

TEST_F(TransformationsGL, transformsComposeInFileOrder) {
    const double quart = 90.0002822876;  // 1.5708 radians, as the reader converts it
    auto* a = new Sonde;
    auto* b = new Sonde;
    auto* c = new Sonde;
    groupe({nouveau<Translation>("{ translation 1 0 0 }"),
            nouveau<Rotation>("{ rotation 0 0 1 1.5708 }"), a})
        ->dessine();
    groupe({nouveau<Rotation>("{ rotation 0 0 1 1.5708 }"),
            nouveau<Translation>("{ translation 1 0 0 }"), b})
        ->dessine();
    groupe({nouveau<Translation>("{ translation 1 2 3 }"),
            nouveau<Rotation>("{ rotation 0 0 1 1.5708 }"),
            nouveau<Scale>("{ scaleFactor 2 -1 0.5 }"), c})
        ->dessine();
    EXPECT_NO_GL_ERROR();

    // Translation then Rotation: turned about its own origin, which sits at x = 1.
    EXPECT_TRUE(memeMatrice(a->releve.matrice, translation(1, 0, 0) * rotation(quart, 0, 0, 1),
                            PRECISION));
    EXPECT_EQ(a->releve.matrice[12], 1.0f);
    EXPECT_EQ(a->releve.matrice[13], 0.0f);
    // The other way round the origin ends up at about (0, 1, 0), a little past the
    // quarter turn: x is -4.9e-6, not 0.
    EXPECT_TRUE(memeMatrice(b->releve.matrice, rotation(quart, 0, 0, 1) * translation(1, 0, 0),
                            PRECISION));
    EXPECT_LT(b->releve.matrice[12], -4e-6);
    EXPECT_TRUE(memeMatrice(c->releve.matrice, translation(1, 2, 3) * rotation(quart, 0, 0, 1) *
                                                   echelle(2, -1, 0.5), PRECISION));
}

TEST_F(TransformationsGL, defaultTransformsStillMakeTheirCall) {
    // Each draws the identity, including the Rotation's glRotatef(0, 0, 0, 1).
    auto* sonde = new Sonde;
    groupe({nouveau<Translation>("{ }"), nouveau<Rotation>("{ }"), nouveau<Scale>("{ }"),
            sonde})
        ->dessine();
    EXPECT_TRUE(memeMatrice(sonde->releve.matrice, identite(), PRECISION));
    EXPECT_NO_GL_ERROR();
}

TEST_F(TransformationsGL, separatorUndoesTheMatrixForItsFollowingSiblings) {
    auto* dedans = new Sonde;
    auto* apres = new Sonde;
    groupe({nouveau<Translation>("{ translation 0 0 -1 }"),
            groupe({nouveau<Translation>("{ translation 5 0 0 }"),
                    nouveau<Rotation>("{ rotation 0 0 1 3.14159 }"), dedans}),
            apres})
        ->dessine();
    EXPECT_TRUE(memeMatrice(dedans->releve.matrice, translation(0, 0, -1) *
                                                        translation(5, 0, 0) *
                                                        rotation(180, 0, 0, 1), PRECISION));
    EXPECT_TRUE(memeMatrice(apres->releve.matrice, translation(0, 0, -1), PRECISION));
    GLfloat vue[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, vue);
    EXPECT_TRUE(memeMatrice(vue, identite(), PRECISION));
}

TEST(Transformations, exportLines) {
    Translation t;
    EXPECT_EQ(exporteTexte(t), "  glTranslatef(0.000000F,0.000000F,0.000000F);\n");
    Translation t2 = lit<Translation>("{ translation 1.5 -2 0.25 }");
    EXPECT_EQ(exporteTexte(t2), "  glTranslatef(1.500000F,-2.000000F,0.250000F);\n");
    Scale s;
    EXPECT_EQ(exporteTexte(s), "  glScalef(1.000000F,1.000000F,1.000000F);\n");
    Rotation r;
    EXPECT_EQ(exporteTexte(r), "  glRotatef(0.000000F,0.000000F,0.000000F,1.000000F);\n");
    Rotation demi = lit<Rotation>("{ rotation 0 1 0 3.14159 }");
    EXPECT_EQ(exporteTexte(demi), "  glRotatef(180.000000F,0.000000F,1.000000F,0.000000F);\n");
    // The stored float, not the double of the conversion (which would print 90.000280).
    Rotation quart = lit<Rotation>("{ rotation 0 0 1 1.5708 }");
    EXPECT_EQ(exporteTexte(quart), "  glRotatef(90.000282F,0.000000F,0.000000F,1.000000F);\n");
}
