#ifndef ORLEVAN_ARENE_H
#define ORLEVAN_ARENE_H

// Memory of a scene tree: large blocks carved in order, each object at its natural
// alignment and with no header of its own. Nothing in a tree is freed one object at a
// time; an arena gives all its blocks back at once (libere, or its destructor).

#include <cstddef>
#include <cstdint>
#include <new>
#include <type_traits>

#if defined(__SANITIZE_ADDRESS__)
#define ORLEVAN_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORLEVAN_ASAN 1
#endif
#endif
#ifdef ORLEVAN_ASAN
#include <sanitizer/asan_interface.h>
#endif

class Arene {
public:
    // An ordinary block: one huge page of the kernel (x86-64, arm64).
    static constexpr size_t TAILLE_BLOC = size_t(2) << 20;

    // How the ordinary blocks get their pages from the kernel (bench/RESULTS.md
    // compares them; huge pages measure best and are the default).
    enum Pages {
        ORDINAIRES,  // 4 KiB pages, each faulted in at its first touch
        ENORMES,     // madvise(MADV_HUGEPAGE): one fault per 2 MiB where the kernel can
        PREFAITES,   // MAP_POPULATE: every page faulted in by the mmap call itself
    };
    static Pages pages;

    Arene() = default;
    ~Arene() { libere(); }
    Arene(const Arene&) = delete;
    Arene& operator=(const Arene&) = delete;

    // taille bytes at a multiple of alignement (a power of two, at most 4096), after
    // the object carved before. A request of more than a quarter of a block gets a
    // block of its own. Throws std::bad_alloc when the system has no memory left.
    void* alloue(size_t taille, size_t alignement) {
#ifdef ORLEVAN_ASAN
        if (alignement < 8) alignement = 8;  // the poisoning's granule
#endif
        uintptr_t p = (libre + alignement - 1) & ~uintptr_t(alignement - 1);
        // Strictly below fin: an arena with no block yet (fin 0) never passes.
        if (taille <= TAILLE_BLOC / 4 && p + taille + ZONE_ROUGE < fin) {
            libre = p + taille + ZONE_ROUGE;
#ifdef ORLEVAN_ASAN
            ASAN_UNPOISON_MEMORY_REGION(reinterpret_cast<void*>(p), taille);
#endif
            return reinterpret_cast<void*>(p);
        }
        return alloueAilleurs(taille, alignement);
    }

    // Room for n objects of a trivial type (numbers, points), not initialised: the
    // arrays of a node, carved beside it. Throws std::bad_alloc when n is too large.
    template <class T>
    T* tableau(size_t n) {
        static_assert(std::is_trivially_destructible<T>::value, "nothing is destroyed");
        if (n > SIZE_MAX / sizeof(T) / 2) throw std::bad_alloc();
        return static_cast<T*>(alloue(n * sizeof(T), alignof(T)));
    }

    // Gives every block back (to the system, or to the reserve that garde keeps); the
    // arena is empty and may be used again. Objects carved from it are gone.
    void libere();

    // Bytes carved so far, alignment gaps included; bytes of the blocks taken from
    // the system (headers and unused tails included): what the tree costs.
    size_t octetsUtilises() const;
    size_t octetsReserves() const { return reserves; }

    // The arena that tree objects (DansArene) come from: the one a Portee names, else
    // a permanent one, never given back (nodes built outside any reading).
    static Arene& courante() { return actuelle ? *actuelle : permanente(); }

    // Makes an arena the current one for the life of the Portee.
    class Portee {
    public:
        explicit Portee(Arene& arene) : avant(actuelle) { actuelle = &arene; }
        ~Portee() { actuelle = avant; }
        Portee(const Portee&) = delete;
        Portee& operator=(const Portee&) = delete;

    private:
        Arene* avant;
    };

    // With oui, the ordinary blocks that arenas give back are kept for the next
    // arenas instead of going back to the system: a process that loads tree after
    // tree (the fuzz target, a benchmark) then reuses pages already mapped, and its
    // memory stays that of its largest tree. With non, the kept blocks are given back.
    static void garde(bool oui);

private:
    struct Bloc {
        Bloc* precedent;  // the block taken before, or null
        size_t taille;    // header included
    };
#ifdef ORLEVAN_ASAN
    // A poisoned gap after every object: an overrun of even one byte is reported.
    static constexpr size_t ZONE_ROUGE = 16;
#else
    static constexpr size_t ZONE_ROUGE = 0;
#endif

    void* alloueAilleurs(size_t taille, size_t alignement);
    static Arene& permanente();

    uintptr_t libre = 0;  // next free byte of the current block
    uintptr_t fin = 0;    // end of the current block
    Bloc* courant = nullptr;  // the ordinary block being carved
    Bloc* blocs = nullptr;    // every block, the last taken first
    size_t reserves = 0;
    size_t utilisesAvant = 0;  // carved from the blocks other than the current one

    static Arene* actuelle;
};

// Base of the objects of a tree (nodes, lists, list cells): new carves them from the
// current arena at their natural alignment; delete does nothing, the arena gives
// their memory back as a whole.
struct DansArene {
    // The natural alignment of a type divides its size: the size's lowest set bit,
    // up to the default alignment of new (larger ones come through align_val_t).
    static void* operator new(size_t taille) {
        size_t alignement = taille & (~taille + 1);
        if (alignement > __STDCPP_DEFAULT_NEW_ALIGNMENT__)
            alignement = __STDCPP_DEFAULT_NEW_ALIGNMENT__;
        return Arene::courante().alloue(taille, alignement);
    }
    static void* operator new(size_t taille, std::align_val_t alignement) {
        return Arene::courante().alloue(taille, static_cast<size_t>(alignement));
    }
    static void* operator new(size_t, void* place) noexcept { return place; }
    static void operator delete(void*) noexcept {}
    static void operator delete(void*, std::align_val_t) noexcept {}
    static void operator delete(void*, void*) noexcept {}
};

#endif
