#ifndef ORLEVAN_REVOLUTION_H
#define ORLEVAN_REVOLUTION_H

// What the cone and the cylinder nodes share: a radius, a height and a parts text.

#include <cstdio>

// Reads their word-first block; nomRayon is the radius field's name. Every value is
// one token: a number that does not scan leaves its field unchanged.
void litChampsRevolution(FILE* in, const char* nomRayon, float* rayon, float* height,
                         char* parts);

// Writes their one generated call: fonction(radius,height,count,"parts").
void exporteRevolution(FILE* out, const char* fonction, float rayon, float height,
                       const char* parts);

#endif
