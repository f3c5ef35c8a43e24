// Sanitizer build only: the leak check runs when the process exits, but freeglut
// registers its own exit handler in glutInit, which closes the display, and Mesa then
// unloads its driver: its allocations could no longer be told from ours. Wrapping
// glutInit (-Wl,--wrap=glutInit) registers the leak check after freeglut's handler,
// so that it runs first, while the window and its context are still there.
#include <sanitizer/lsan_interface.h>

#include <cstdlib>

extern "C" void __real_glutInit(int* argc, char** argv);

extern "C" void __wrap_glutInit(int* argc, char** argv) {
    __real_glutInit(argc, argv);
    atexit([] { __lsan_do_leak_check(); });
}
