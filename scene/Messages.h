#ifndef ORLEVAN_MESSAGES_H
#define ORLEVAN_MESSAGES_H

// Name that prefixes every diagnostic ("orlevan", "orlevan-export", ...).
extern const char* nomProgramme;

// Prints one line "program: message" on standard error. Standard output is kept for
// the per-frame OpenGL error line alone.
void avertit(const char* format, ...) __attribute__((format(printf, 1, 2)));

#endif
