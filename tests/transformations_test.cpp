// Translation, Rotation and Scale: their one-field readers (with the radian to degree
// conversion through 3.14159), the matrix they leave in real Mesa, composed in file
// order and undone by a Separator, and their export lines.
#include <cmath>

#include "properties/Rotation.h"
#include "properties/Scale.h"
#include "properties/Translation.h"
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

// Column-major 4x4 matrices, as OpenGL holds them, in double.
struct Matrice {
    double m[16];
};

Matrice identite() {
    Matrice r{};
    r.m[0] = r.m[5] = r.m[10] = r.m[15] = 1;
    return r;
}

Matrice produit(const Matrice& a, const Matrice& b) {
    Matrice r{};
    for (int c = 0; c < 4; ++c)
        for (int l = 0; l < 4; ++l)
            for (int k = 0; k < 4; ++k) r.m[c * 4 + l] += a.m[k * 4 + l] * b.m[c * 4 + k];
    return r;
}

Matrice deplacement(double x, double y, double z) {
    Matrice r = identite();
    r.m[12] = x, r.m[13] = y, r.m[14] = z;
    return r;
}

Matrice echelle(double x, double y, double z) {
    Matrice r = identite();
    r.m[0] = x, r.m[5] = y, r.m[10] = z;
    return r;
}

// A turn of the given degrees about the z axis.
Matrice tourZ(double degres) {
    double a = degres * M_PI / 180, c = cos(a), s = sin(a);
    Matrice r = identite();
    r.m[0] = c, r.m[1] = s, r.m[4] = -s, r.m[5] = c;
    return r;
}

void attendMatrice(const GLfloat* vue, const Matrice& attendue) {
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(vue[i], attendue.m[i], 3e-7) << "element " << i;
}

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
    attendMatrice(a->releve.matrice, produit(deplacement(1, 0, 0), tourZ(quart)));
    EXPECT_EQ(a->releve.matrice[12], 1.0f);
    EXPECT_EQ(a->releve.matrice[13], 0.0f);
    // The other way round the origin ends up at about (0, 1, 0), a little past the
    // quarter turn: x is -4.9e-6, not 0.
    attendMatrice(b->releve.matrice, produit(tourZ(quart), deplacement(1, 0, 0)));
    EXPECT_LT(b->releve.matrice[12], -4e-6);
    attendMatrice(c->releve.matrice,
                  produit(produit(deplacement(1, 2, 3), tourZ(quart)), echelle(2, -1, 0.5)));
}

TEST_F(TransformationsGL, defaultTransformsStillMakeTheirCall) {
    // Each draws the identity, including the Rotation's glRotatef(0, 0, 0, 1).
    auto* sonde = new Sonde;
    groupe({nouveau<Translation>("{ }"), nouveau<Rotation>("{ }"), nouveau<Scale>("{ }"),
            sonde})
        ->dessine();
    attendMatrice(sonde->releve.matrice, identite());
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
    attendMatrice(dedans->releve.matrice,
                  produit(produit(deplacement(0, 0, -1), deplacement(5, 0, 0)), tourZ(180)));
    attendMatrice(apres->releve.matrice, deplacement(0, 0, -1));
    GLfloat vue[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, vue);
    attendMatrice(vue, identite());
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
