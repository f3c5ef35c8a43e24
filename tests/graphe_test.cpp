// The scene graph: the child list keeps the order of appending, a Separator keeps its
// children's matrix, front material and lights to itself, and Scene::dessine hands
// the count to the shapes and confines the top-level material and lights to a frame.
#include <vector>

#include "properties/Isolement.h"
#include "properties/Material.h"
#include "properties/PointLight.h"
#include "properties/Translation.h"
#include "scene/Separator.h"
#include "tests/aide.h"
#include "tests/sonde.h"

namespace {

Material* rouge() {
    auto* m = garde(new Material);
    m->diffuseColor[1] = m->diffuseColor[2] = 0;
    m->diffuseColor[0] = 1;
    return m;
}

class Graphe : public ::testing::Test {
protected:
    void SetUp() override { etatInitialGL(); }
    void TearDown() override { EXPECT_NO_GL_ERROR(); }
};

}  // namespace

TEST(ListeNoeuds, keepsTheOrderOfAppending) {
    ListeNoeuds liste;
    EXPECT_EQ(liste.tete, nullptr);
    EXPECT_EQ(liste.queue, nullptr);
    Noeud a, b, c;
    liste.ajoute(&a);
    ASSERT_NE(liste.tete, nullptr);
    EXPECT_EQ(liste.tete, liste.queue);
    EXPECT_EQ(liste.tete->noeud, &a);
    liste.ajoute(&b);
    liste.ajoute(&c);
    std::vector<Noeud*> vus;
    for (Maillon* m = liste.tete; m; m = m->suivant) vus.push_back(m->noeud);
    EXPECT_EQ(vus, (std::vector<Noeud*>{&a, &b, &c}));
    EXPECT_EQ(liste.queue->noeud, &c);
    EXPECT_EQ(liste.queue->suivant, nullptr);
}

TEST_F(Graphe, emptySeparatorChangesNothing) {
    glTranslatef(1, 2, 3);
    rouge()->dessine();
    glEnable(GL_LIGHT1);
    Releve avant = releveCourant();
    Separator().dessine();
    Releve apres = releveCourant();
    EXPECT_EQ(apres.matrice, avant.matrice);
    EXPECT_EQ(apres.materiau, avant.materiau);
    EXPECT_EQ(apres.lumieres, avant.lumieres);
}

TEST_F(Graphe, separatorKeepsMatrixMaterialAndLightsToItself) {
    auto* sep = garde(new Separator);
    auto* dedans = new Sonde;
    auto* t = new Translation;
    t->translation[0] = 5;
    sep->enfants->ajoute(rouge());
    sep->enfants->ajoute(t);
    sep->enfants->ajoute(new PointLight);
    sep->enfants->ajoute(dedans);
    Sonde apres;

    Releve avant = releveCourant();
    sep->dessine();
    apres.dessine();

    ASSERT_EQ(dedans->vus.size(), 1u);
    EXPECT_EQ(dedans->vus[0].matrice[12], 5.0f);  // the Translation is in force
    EXPECT_EQ(dedans->vus[0].materiau.diffuse[0], 1.0f);  // red diffuse
    EXPECT_EQ(dedans->vus[0].materiau.diffuse[1], 0.0f);
    // The light shines on the siblings that follow it.
    EXPECT_EQ(dedans->vus[0].lumieres, "1000000");
    // The sibling after the Separator sees the outer state again.
    EXPECT_EQ(apres.vus[0].matrice, avant.matrice);
    EXPECT_EQ(apres.vus[0].materiau, avant.materiau);
    EXPECT_EQ(apres.vus[0].lumieres, "0000000");
    EXPECT_EQ(premiereLumiereDisponible(), GL_LIGHT1);
}

TEST_F(Graphe, lightsTakeConsecutiveNumbersAndAreFreedAtTheEndOfTheirGroup) {
    // Separator { PointLight s1 PointLight s2 Separator { PointLight s3 } s4
    //             PointLight s5 } s6
    std::vector<Sonde*> s;
    for (int i = 0; i < 6; ++i) s.push_back(garde(new Sonde));
    auto* dehors = garde(new Separator);
    auto* dedans = new Separator;
    dehors->enfants->ajoute(new PointLight);
    dehors->enfants->ajoute(s[0]);
    dehors->enfants->ajoute(new PointLight);
    dehors->enfants->ajoute(s[1]);
    dehors->enfants->ajoute(dedans);
    dedans->enfants->ajoute(new PointLight);
    dedans->enfants->ajoute(s[2]);
    dehors->enfants->ajoute(s[3]);
    dehors->enfants->ajoute(new PointLight);
    dehors->enfants->ajoute(s[4]);

    dehors->dessine();
    s[5]->dessine();

    const char* const attendu[] = {"1000000", "1100000", "1110000",
                                   "1100000", "1110000", "0000000"};
    for (int i = 0; i < 6; ++i) {
        ASSERT_EQ(s[i]->vus.size(), 1u) << "probe " << i + 1;
        EXPECT_EQ(s[i]->vus[0].lumieres, attendu[i]) << "probe " << i + 1;
    }
}

TEST_F(Graphe, sceneHandsItsCountToTheShapes) {
    Scene* vide = sceneDepuis("#VRML V1.0 ascii\n");
    nbFacettes = 0;
    vide->dessine(7);
    EXPECT_EQ(nbFacettes, 7);

    Scene* s = sceneDepuis("#VRML V1.0 ascii\nSeparator { Cube { } }\n");
    auto* sonde = new Sonde;
    static_cast<Separator*>(s->noeuds->tete->noeud)->enfants->ajoute(sonde);
    s->dessine(5);
    EXPECT_EQ(nbFacettes, 5);
    ASSERT_EQ(sonde->vus.size(), 1u);
    EXPECT_EQ(sonde->vus[0].facettes, 5);  // set before any node is drawn
}

TEST_F(Graphe, sceneConfinesTopLevelMaterialAndLightsToOneFrame) {
    Scene* s = sceneDepuis(
        "#VRML V1.0 ascii\nMaterial { diffuseColor 1 0 0 }\nPointLight { }\n");
    auto* sonde = new Sonde;
    s->noeuds->ajoute(sonde);
    Releve avant = releveCourant();
    for (int image = 0; image < 2; ++image) {
        s->dessine(72);
        Releve apres = releveCourant();
        EXPECT_EQ(apres.materiau, avant.materiau) << "frame " << image;
        EXPECT_EQ(apres.lumieres, "0000000") << "frame " << image;
    }
    // The same light number frame after frame, not a new one each time.
    ASSERT_EQ(sonde->vus.size(), 2u);
    EXPECT_EQ(sonde->vus[0].lumieres, "1000000");
    EXPECT_EQ(sonde->vus[1].lumieres, "1000000");
    EXPECT_EQ(sonde->vus[1].materiau, sonde->vus[0].materiau);
    EXPECT_EQ(sonde->vus[0].materiau.diffuse[0], 1.0f);
}
