#include "scene/Arene.h"

#include <sys/mman.h>

#include <cstdlib>

Arene::Pages Arene::pages = Arene::ENORMES;
Arene* Arene::actuelle = nullptr;

namespace {

const size_t PAGE = 4096;

bool garder = false;             // keep given-back ordinary blocks (Arene::garde)
void* reserve = nullptr;         // the kept blocks, each one's first word the next

inline uintptr_t aligne(uintptr_t adresse, size_t alignement) {
    return (adresse + alignement - 1) & ~uintptr_t(alignement - 1);
}

// taille bytes from the system, a multiple of the page. An ordinary block gets the
// kernel's treatment that Arene::pages names.
void* prendSysteme(size_t taille, bool ordinaire) {
#ifdef ORLEVAN_ASAN
    // From the heap, so that the leak checker looks inside the blocks (a node may
    // hold the only pointer to memory of its own); all poisoned until carved.
    (void)ordinaire;
    void* bloc = aligned_alloc(PAGE, taille);
    if (!bloc) throw std::bad_alloc();
    ASAN_POISON_MEMORY_REGION(bloc, taille);
    return bloc;
#else
    const int protection = PROT_READ | PROT_WRITE, sorte = MAP_PRIVATE | MAP_ANONYMOUS;
    if (ordinaire && Arene::pages == Arene::ENORMES) {
        // Huge pages need a block aligned on their size: map twice the size and
        // give back the parts around an aligned block.
        char* zone = static_cast<char*>(mmap(nullptr, 2 * taille, protection, sorte, -1, 0));
        if (zone == MAP_FAILED) throw std::bad_alloc();
        char* bloc = reinterpret_cast<char*>(aligne(reinterpret_cast<uintptr_t>(zone), taille));
        if (bloc > zone) munmap(zone, bloc - zone);
        munmap(bloc + taille, zone + taille - bloc);
        madvise(bloc, taille, MADV_HUGEPAGE);  // a hint: without huge pages, 4 KiB ones
        return bloc;
    }
    int plus = ordinaire && Arene::pages == Arene::PREFAITES ? MAP_POPULATE : 0;
    void* bloc = mmap(nullptr, taille, protection, sorte | plus, -1, 0);
    if (bloc == MAP_FAILED) throw std::bad_alloc();
    return bloc;
#endif
}

void rendSysteme(void* bloc, size_t taille) {
#ifdef ORLEVAN_ASAN
    (void)taille;
    free(bloc);
#else
    munmap(bloc, taille);
#endif
}

}  // namespace

void* Arene::alloueAilleurs(size_t taille, size_t alignement) {
    if (taille > TAILLE_BLOC / 4) {
        // A block of its own, behind the current one, which goes on being carved.
        if (taille > SIZE_MAX / 2) throw std::bad_alloc();
        size_t total = aligne(sizeof(Bloc) + alignement + taille + ZONE_ROUGE, PAGE);
        Bloc* bloc = static_cast<Bloc*>(prendSysteme(total, false));
#ifdef ORLEVAN_ASAN
        ASAN_UNPOISON_MEMORY_REGION(bloc, sizeof(Bloc));
#endif
        *bloc = {blocs, total};
        blocs = bloc;
        reserves += total;
        uintptr_t p = aligne(reinterpret_cast<uintptr_t>(bloc + 1), alignement);
        utilisesAvant += p + taille - reinterpret_cast<uintptr_t>(bloc);
#ifdef ORLEVAN_ASAN
        ASAN_UNPOISON_MEMORY_REGION(reinterpret_cast<void*>(p), taille);
#endif
        return reinterpret_cast<void*>(p);
    }
    // The current block is full: the next one, kept or new.
    if (courant) utilisesAvant += libre - reinterpret_cast<uintptr_t>(courant);
    Bloc* bloc;
    if (reserve) {
        bloc = static_cast<Bloc*>(reserve);
#ifdef ORLEVAN_ASAN
        ASAN_UNPOISON_MEMORY_REGION(bloc, sizeof(Bloc));
#endif
        reserve = bloc->precedent;
    } else {
        bloc = static_cast<Bloc*>(prendSysteme(TAILLE_BLOC, true));
#ifdef ORLEVAN_ASAN
        ASAN_UNPOISON_MEMORY_REGION(bloc, sizeof(Bloc));
#endif
    }
    *bloc = {blocs, TAILLE_BLOC};
    blocs = courant = bloc;
    reserves += TAILLE_BLOC;
    libre = reinterpret_cast<uintptr_t>(bloc + 1);
    fin = reinterpret_cast<uintptr_t>(bloc) + TAILLE_BLOC;
    return alloue(taille, alignement);
}

void Arene::libere() {
    while (blocs) {
        Bloc* bloc = blocs;
        blocs = bloc->precedent;
        if (garder && bloc->taille == TAILLE_BLOC) {
#ifdef ORLEVAN_ASAN
            // What was carved is gone: any use of it is reported.
            ASAN_POISON_MEMORY_REGION(bloc, TAILLE_BLOC);
            ASAN_UNPOISON_MEMORY_REGION(bloc, sizeof(Bloc));
#endif
            bloc->precedent = static_cast<Bloc*>(reserve);
            reserve = bloc;
        } else {
            rendSysteme(bloc, bloc->taille);
        }
    }
    libre = fin = 0;
    courant = nullptr;
    reserves = utilisesAvant = 0;
}

size_t Arene::octetsUtilises() const {
    return utilisesAvant + (courant ? libre - reinterpret_cast<uintptr_t>(courant) : 0);
}

void Arene::garde(bool oui) {
    garder = oui;
    while (!oui && reserve) {
        Bloc* bloc = static_cast<Bloc*>(reserve);
        reserve = bloc->precedent;
        rendSysteme(bloc, TAILLE_BLOC);
    }
}

Arene& Arene::permanente() {
    static Arene* arene = new Arene;  // never destroyed: its nodes live to the end
    return *arene;
}
