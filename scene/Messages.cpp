#include "scene/Messages.h"

#include <cstdarg>
#include <cstdio>

const char* nomProgramme = "orlevan";

void avertit(const char* format, ...) {
    va_list args;
    va_start(args, format);
    fprintf(stderr, "%s: ", nomProgramme);
    vfprintf(stderr, format, args);
    fputc('\n', stderr);
    va_end(args);
}
