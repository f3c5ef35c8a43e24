#include "scene/CodeC.h"

#include <cmath>
#include <cstdarg>

// "nanF" or "infF" would not compile: the builtins are what gcc and clang give.
static const char* nonFini(double v) {
    if (std::isnan(v)) return "__builtin_nanf(\"\")";
    return v > 0 ? "__builtin_inff()" : "-__builtin_inff()";
}

void ecritC(FILE* out, const char* format, ...) {
    va_list args, essai;
    va_start(args, format);

    // Nearly every line holds finite numbers only: one vfprintf, as before.
    va_copy(essai, args);
    bool finis = true;
    for (const char* c = format; *c; ++c) {
        if (*c != '%') continue;
        switch (*++c) {
        case 'f': finis = std::isfinite(va_arg(essai, double)) && finis; break;
        case 'd': va_arg(essai, int); break;
        case 's': va_arg(essai, const char*); break;
        }
    }
    va_end(essai);
    if (finis) {
        vfprintf(out, format, args);
        va_end(args);
        return;
    }

    for (const char* c = format; *c; ++c) {
        if (*c != '%') {
            fputc(*c, out);
            continue;
        }
        switch (*++c) {
        case 'f': {
            double v = va_arg(args, double);
            if (std::isfinite(v)) {
                fprintf(out, "%f", v);
            } else {
                fputs(nonFini(v), out);
                if (c[1] == 'F') ++c;  // the suffix belongs to a number literal
            }
            break;
        }
        case 'd': fprintf(out, "%d", va_arg(args, int)); break;
        case 's': fputs(va_arg(args, const char*), out); break;
        }
    }
    va_end(args);
}

void ecritChaineC(FILE* out, const char* texte) {
    fputc('"', out);
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(texte); *c; ++c) {
        if (*c == '"' || *c == '\\' || *c == '?')
            fprintf(out, "\\%c", *c);
        else if (*c < 0x20 || *c >= 0x7f)
            fprintf(out, "\\%03o", *c);
        else
            fputc(*c, out);
    }
    fputc('"', out);
}

void ecritFlottantExact(FILE* out, float v) {
    if (std::isfinite(v)) fprintf(out, "%.9eF", static_cast<double>(v));
    else fputs(nonFini(v), out);
}

void ecritEnteteC(FILE* out) {
    fprintf(out, "#include <GL/glut.h>\n");
    fprintf(out, "#include <GL/glu.h>\n");
    fprintf(out, "#include <GL/gl.h>\n");
    fprintf(out, "\n");
    fprintf(out, "#include \"SolidObjects.h\"\n");
    fprintf(out, "#include \"Utils.h\"\n");
    fprintf(out, "\n");
}
