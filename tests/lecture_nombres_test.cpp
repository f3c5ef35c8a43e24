// The reader's shortcuts must read exactly what the plain reads would: several
// numbers in one fscanf call against one "%f" at a time, a token that fills its
// buffer, and the keyword dispatch looking at the first character first.
#include "properties/Material.h"
#include "properties/PointLight.h"
#include "properties/Translation.h"
#include "scene/Lecteur.h"
#include "scene/Lexeur.h"
#include "shapes/Cube.h"
#include "tests/aide.h"

#include <cstdint>
#include <cstring>

namespace {

// The numbers and the next token, read one "%f" at a time.
std::string unParUn(const std::string& texte, int n) {
    FILE* in = flux(texte);
    float v[3] = {-7, -7, -7};
    for (int i = 0; i < n; ++i) litNombre(in, &v[i]);
    char mot[TAILLE_MOT] = "(none)";
    litMot(in, mot);
    fclose(in);
    char resultat[400];
    snprintf(resultat, sizeof resultat, "%g %g %g | %s", v[0], v[1], v[2], mot);
    return resultat;
}

// The same through litNombres.
std::string ensemble(const std::string& texte, int n) {
    FILE* in = flux(texte);
    float v[3] = {-7, -7, -7};
    litNombres(in, v, n);
    char mot[TAILLE_MOT] = "(none)";
    litMot(in, mot);
    fclose(in);
    char resultat[400];
    snprintf(resultat, sizeof resultat, "%g %g %g | %s", v[0], v[1], v[2], mot);
    return resultat;
}

}  // namespace

TEST(LectureNombres, severalAtOnceReadWhatOneAtATimeReads) {
    // Numbers that scan, that fail at each place, that fail after eating a sign or a
    // point, glued units, and the end of the file at each place.
    const char* textes[] = {
        "1 2 3 }",     "1 x 3 }",    "x 2 3 }",   "1 2 x }",    "1 - 3 }",
        "- -5 7 }",    "1 -x 5 }",   ". 2 3 }",   "1 +. 4 }",   "1.5cm 2 3 }",
        "1e5 2.5e-3 .5 }", "1 2",    "1",         "",           "  \n\t 4\n5 6 }",
        "1 inf 3 }",   "1 nan 3 }",  "1 0x1p3 2 }", "1 in 3 }", "} 1 2",
    };
    for (const char* texte : textes) {
        for (int n = 2; n <= 3; ++n) {
            EXPECT_EQ(ensemble(texte, n), unParUn(texte, n)) << "'" << texte << "', " << n;
        }
    }
}

TEST(LectureNombres, aFailedComponentKeepsItsValueAndTheNextIsRead) {
    // A lone "-" is eaten by the failing conversion; the number after it still counts.
    Translation t = lit<Translation>("{ translation 1 - 3 }");
    EXPECT_EQ(t.translation[0], 1.0f);
    EXPECT_EQ(t.translation[1], 0.0f);
    EXPECT_EQ(t.translation[2], 3.0f);

    Material m = lit<Material>("{ diffuseColor 0.5 - 0.25 shininess 0.5 }");
    EXPECT_EQ(m.diffuseColor[0], 0.5f);
    EXPECT_EQ(m.diffuseColor[1], 0.8f);
    EXPECT_EQ(m.diffuseColor[2], 0.25f);
    EXPECT_EQ(m.shininess, 0.5f);

    // A word stops the vector there: it is the next field name.
    PointLight p = lit<PointLight>("{ location 1 2 color 0.5 0.25 0.125 }");
    EXPECT_EQ(p.location[0], 1.0f);
    EXPECT_EQ(p.location[1], 2.0f);
    EXPECT_EQ(p.location[2], 1.0f);
    EXPECT_EQ(p.color[2], 0.125f);
}

// Plain numbers are converted from the stream's buffer, not by fscanf: the same value
// to the bit and the same next token, for hand-picked forms and for a million numbers
// of every length the shortcut takes (and a little past it), in one stream.
TEST(LectureNombres, plainNumbersReadAsFscanfReadsThem) {
    std::string texte =
        "0 -0 +7 5. .5 -.25 00012.50 0.1 16777217 99999999 100000000 0.00000001 "
        "0.000000001 1234.5678 33554431 -8388609.5 1e3 2.5} 1,5 - + . 123456789012345678 ";
    uint64_t graine = 15;
    for (int i = 0; i < 1000000; ++i) {
        graine = graine * 6364136223846793005u + 1442695040888963407u;
        int chiffres = 1 + (graine >> 33) % 10, decimales = (graine >> 40) % 11;
        char nombre[32];
        snprintf(nombre, sizeof nombre, "%s%0*llu", (graine >> 20) & 1 ? "-" : "", chiffres,
                 static_cast<unsigned long long>((graine >> 8) % 10000000000ull));
        std::string n = nombre;
        if (decimales > 0 && decimales < static_cast<int>(n.size()))
            n.insert(n.size() - decimales, ".");
        texte += n + ((graine >> 50) & 1 ? " " : "\n");
    }
    FILE* programme = flux(texte);
    FILE* reference = flux(texte);
    for (int i = 0;; ++i) {
        float a = -7, b = -7;
        bool luA = litNombre(programme, &a);
        bool luB = fscanf(reference, "%f", &b) == 1;
        ASSERT_EQ(luA, luB) << i;
        ASSERT_EQ(memcmp(&a, &b, sizeof a), 0) << i << ": " << a << " " << b;
        ASSERT_EQ(ftell(programme), ftell(reference)) << i;
        if (!luA && feof(reference)) break;
        if (!luA) fgetc(programme), fgetc(reference);  // past what does not scan
    }
    fclose(programme);
    fclose(reference);
}

TEST(LectureNombres, tokensThatFillTheBufferLoseOnlyTheirTail) {
    std::string juste(TAILLE_MOT - 1, 'a');
    std::string long_(TAILLE_MOT + 40, 'b');
    std::string texte = juste + " " + long_ + " suite";
    FILE* in = flux(texte);
    char mot[TAILLE_MOT];
    ASSERT_TRUE(litMot(in, mot));
    EXPECT_EQ(std::string(mot), juste);
    ASSERT_TRUE(litMot(in, mot));
    EXPECT_EQ(std::string(mot), std::string(TAILLE_MOT - 1, 'b'));
    ASSERT_TRUE(litMot(in, mot));
    EXPECT_EQ(std::string(mot), "suite");
    EXPECT_FALSE(litMot(in, mot));
    fclose(in);
}

TEST(LectureNombres, everyKeywordAndNoNearMissCreatesANode) {
    Scene* s = sceneDepuis(
        "#VRML V1.0 ascii\n"
        "S C Separators Cubes Cub cube Sphere2 SeparatorX { } Translatio Materials\n"
        "Separator { } Cube { } Sphere { } Cone { } Cylinder { } Translation { }\n"
        "Rotation { } Scale { } Material { } OrthographicCamera { }\n"
        "PerspectiveCamera { } PointLight { } SpotLight { } DirectionalLight { }\n");
    EXPECT_EQ(compte(s->noeuds), 14);
    EXPECT_NE(dynamic_cast<Cube*>(s->noeuds->tete->suivant->noeud), nullptr);
}

// The full mode's lexer reads plain decimals without strtof/strtol: it must read what
// they read, bit for bit, and leave the same rest of the word.
TEST(LectureNombres, fullModeReadsWhatStrtofAndStrtolRead) {
    const char* textes[] = {
        "0",     "-0",       "+0",         "00",          "010",        "0x1A",
        "1e3",   ".5",       "5.",         "-.5",         ".",          "-",
        "+.",    "1.5cm",    "0.1",        "0.7",         "-123.456",   "12345678",
        "123456789",         "99999999",   "0.00000001",  "0.123456789", "1.00000005",
        "16777217",          "00012.50",   "0.000000000001", "4294967296", "-4294967295",
        "99999999999999999999", "1.2.3",   "3.4028235e38", "-2147483648",
        "1.6777217",     "1.9999999",  "0.16777219",  // a float division would miss them
    };
    // The next word, of the lexer and of the text after the C function's number.
    auto reste = [](vrml1::Lexeur& lex) { return std::string(lex.mot()); };
    auto mot = [](const char* p) {
        p += strspn(p, " ,");
        return std::string(p, strcspn(p, " ,"));
    };
    for (const char* t : textes) {
        std::string texte = std::string(t) + " suite";
        const char* debut = texte.c_str();
        char* fin;
        float f = strtof(debut, &fin);
        std::string attendu = mot(fin);
        vrml1::Lexeur lf(debut, texte.size(), "t");
        float v = -7;
        EXPECT_EQ(lf.litFloat(&v), fin != debut) << t;
        if (fin != debut) {
            EXPECT_EQ(0, memcmp(&v, &f, sizeof f)) << t;
            EXPECT_EQ(reste(lf), attendu) << t;
        }
        long l = strtol(debut, &fin, 0);
        attendu = mot(fin);
        vrml1::Lexeur ll(debut, texte.size(), "t");
        int32_t n = -7;
        EXPECT_EQ(ll.litLong(&n), fin != debut) << t;
        if (fin != debut) {
            EXPECT_EQ(n, int32_t(uint32_t(static_cast<unsigned long>(l)))) << t;
            EXPECT_EQ(reste(ll), attendu) << t;
        }
    }
}
