#ifndef ORLEVAN_CODEC_H
#define ORLEVAN_CODEC_H

#include <cstdio>

// fprintf for the lines of the generated code (formats with "%fF", "%d" and "%s").
// Every "%fF" writes a float literal; a value that is no finite number (a scene may
// say nan or inf, or overflow a float) is written as the compiler builtin that gives
// it instead, so that the generated file still compiles. Finite values are written
// exactly as fprintf writes them.
void ecritC(FILE* out, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Writes text as a C string literal. A parts word is written as read; only the
// characters that would end the literal or change its meaning are escaped, so that
// a crafted file cannot put code of its own into the generated file.
void ecritChaineC(FILE* out, const char* texte);

// The first lines of every generated file: the OpenGL headers and the run-time
// library's two headers.
void ecritEnteteC(FILE* out);

// Writes v as a float literal that reads back as exactly v ("%.9eF"), or as the
// builtin of a value that is no finite number.
void ecritFlottantExact(FILE* out, float v);

#endif
