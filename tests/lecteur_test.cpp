// The reader: the tree's shape and order for nesting, stray braces, unknown words,
// the end of the file inside a block and the header cases.
#include "scene/Separator.h"
#include "shapes/Cube.h"
#include "shapes/Sphere.h"
#include "tests/aide.h"

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
