#include "tools/ImageHorsEcran.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <GL/glext.h>
#include <png.h>

#include <cctype>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "scene/Messages.h"
#include "viewer/Viewer.h"

// A current OpenGL context with no surface: Mesa's surfaceless platform needs neither
// an X server nor a GPU. The context is left current until the process ends.
static bool ouvreContexte() {
    // Mesa's own warnings would add lines to the one that says what failed; a
    // user's EGL_LOG_LEVEL is kept.
    setenv("EGL_LOG_LEVEL", "fatal", 0);
    const char* extensions = eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS);
    auto plateforme = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
        eglGetProcAddress("eglGetPlatformDisplayEXT"));
    EGLDisplay ecran = EGL_NO_DISPLAY;
    if (extensions && strstr(extensions, "EGL_MESA_platform_surfaceless") && plateforme)
        ecran = plateforme(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    if (ecran == EGL_NO_DISPLAY) {
        avertit("no EGL display: EGL offers no surfaceless platform "
                "(EGL_PLATFORM_SURFACELESS_MESA; Debian's libegl-mesa0 has it)");
        return false;
    }
    if (!eglInitialize(ecran, nullptr, nullptr)) {
        avertit("no EGL display: the surfaceless platform cannot be initialised "
                "(EGL error 0x%x)", eglGetError());
        return false;
    }
    // The viewer's kind of context: OpenGL with the fixed pipeline (compatibility),
    // no configuration and no surface, since it draws into a framebuffer object.
    EGLContext contexte = EGL_NO_CONTEXT;
    if (eglBindAPI(EGL_OPENGL_API))
        contexte = eglCreateContext(ecran, EGL_NO_CONFIG_KHR, EGL_NO_CONTEXT, nullptr);
    if (contexte == EGL_NO_CONTEXT ||
        !eglMakeCurrent(ecran, EGL_NO_SURFACE, EGL_NO_SURFACE, contexte)) {
        avertit("no OpenGL context on the EGL surfaceless display (EGL error 0x%x)",
                eglGetError());
        return false;
    }
    return true;
}

template <class F>
static F fonction(const char* nom) {
    return reinterpret_cast<F>(eglGetProcAddress(nom));
}

// The framebuffer the frame is drawn into, in the formats of the viewer's window on
// Mesa under an X server (8 bits a colour channel and no alpha, a 32-bit depth
// buffer), so that both pictures agree to the pixel.
static bool ouvreFramebuffer(int largeur, int hauteur) {
    auto genFramebuffers = fonction<PFNGLGENFRAMEBUFFERSPROC>("glGenFramebuffers");
    auto bindFramebuffer = fonction<PFNGLBINDFRAMEBUFFERPROC>("glBindFramebuffer");
    auto genRenderbuffers = fonction<PFNGLGENRENDERBUFFERSPROC>("glGenRenderbuffers");
    auto bindRenderbuffer = fonction<PFNGLBINDRENDERBUFFERPROC>("glBindRenderbuffer");
    auto renderbufferStorage =
        fonction<PFNGLRENDERBUFFERSTORAGEPROC>("glRenderbufferStorage");
    auto framebufferRenderbuffer =
        fonction<PFNGLFRAMEBUFFERRENDERBUFFERPROC>("glFramebufferRenderbuffer");
    auto checkFramebufferStatus =
        fonction<PFNGLCHECKFRAMEBUFFERSTATUSPROC>("glCheckFramebufferStatus");
    GLenum etat = 0;
    if (genFramebuffers && bindFramebuffer && genRenderbuffers && bindRenderbuffer &&
        renderbufferStorage && framebufferRenderbuffer && checkFramebufferStatus) {
        GLuint framebuffer, tampons[2];
        genFramebuffers(1, &framebuffer);
        bindFramebuffer(GL_FRAMEBUFFER, framebuffer);
        genRenderbuffers(2, tampons);
        const GLenum formats[2] = {GL_RGB8, GL_DEPTH_COMPONENT32};
        const GLenum attaches[2] = {GL_COLOR_ATTACHMENT0, GL_DEPTH_ATTACHMENT};
        for (int i = 0; i < 2; ++i) {
            bindRenderbuffer(GL_RENDERBUFFER, tampons[i]);
            renderbufferStorage(GL_RENDERBUFFER, formats[i], largeur, hauteur);
            framebufferRenderbuffer(GL_FRAMEBUFFER, attaches[i], GL_RENDERBUFFER, tampons[i]);
        }
        // Mesa draws a framebuffer object upside down from a window: rounding and the
        // rasteriser's edge rule then differ by a level on a few pixels. Drawn the
        // window's way up, the picture is the window's to the pixel.
        const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
        auto framebufferParameteri =
            fonction<PFNGLFRAMEBUFFERPARAMETERIPROC>("glFramebufferParameteri");
        if (extensions && strstr(extensions, "GL_MESA_framebuffer_flip_y") &&
            framebufferParameteri)
            framebufferParameteri(GL_FRAMEBUFFER, GL_FRAMEBUFFER_FLIP_Y_MESA, GL_TRUE);
        etat = checkFramebufferStatus(GL_FRAMEBUFFER);
    }
    if (etat != GL_FRAMEBUFFER_COMPLETE) {
        avertit("no OpenGL framebuffer of %dx%d pixels (status 0x%x, OpenGL error 0x%x)",
                largeur, hauteur, etat, glGetError());
        return false;
    }
    return true;
}

const size_t TAILLE_MESSAGE = 128;

// libpng reports its errors here; the message goes with the path once back in ecritPNG.
static void erreurPNG(png_structp png, png_const_charp message) {
    snprintf(static_cast<char*>(png_get_error_ptr(png)), TAILLE_MESSAGE, "%s", message);
    png_longjmp(png, 1);
}

// libpng's own writer says "Write Error"; this one says why, as -o does.
static void ecritOctets(png_structp png, png_bytep octets, size_t n) {
    if (fwrite(octets, 1, n, static_cast<FILE*>(png_get_io_ptr(png))) != n)
        png_error(png, strerror(errno));
}

// OpenGL reads the bottom row first; the file wants the top one first.
static bool ecritPNG(FILE* out, int largeur, int hauteur, const std::vector<unsigned char>& rgb,
                     char message[TAILLE_MESSAGE]) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, message, erreurPNG,
                                              nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        snprintf(message, TAILLE_MESSAGE, "out of memory");
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, out, ecritOctets, nullptr);
    // No row filters: on these mostly flat pictures they cost more time than they
    // save bytes (half the time of the PNG, a few kilobytes more).
    png_set_filter(png, 0, PNG_FILTER_NONE);
    png_set_IHDR(png, info, largeur, hauteur, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = hauteur - 1; y >= 0; --y)
        png_write_row(png, &rgb[static_cast<size_t>(y) * largeur * 3]);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

bool ecritPremiereImage(const char* chemin, int largeur, int hauteur) {
    bool versSortie = strcmp(chemin, "-") == 0;
    if (!versSortie && sceneCourante && sceneCourante->estSonFichier(chemin)) {
        avertit("not writing to %s: it is the scene file itself", chemin);
        return false;
    }
    if (!ouvreContexte() || !ouvreFramebuffer(largeur, hauteur)) return false;

    // What the viewer does up to its first frame: the fixed state once, then the
    // reshape callback, then the display callback's drawing.
    largeurHorsEcran = largeur;
    hauteurHorsEcran = hauteur;
    initialiseGL();
    redimensionne(largeur, hauteur);
    dessineImage();
    std::vector<unsigned char> rgb(static_cast<size_t>(largeur) * hauteur * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, largeur, hauteur, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());

    // The file is opened only now, so that a failure above leaves an older one whole.
    const char* nom = versSortie ? "the standard output" : chemin;
    FILE* out = versSortie ? stdout : fopen(chemin, "wb");
    if (!out) {
        avertit("cannot write %s: %s", nom, strerror(errno));
        return false;
    }
    char message[TAILLE_MESSAGE] = "";
    errno = 0;
    bool ecrit = ecritPNG(out, largeur, hauteur, rgb, message);
    if (ecrit && (fflush(out) != 0 || ferror(out))) {
        ecrit = false;
        snprintf(message, sizeof message, "%s", strerror(errno));
    }
    if (!versSortie && fclose(out) != 0 && ecrit) {
        ecrit = false;
        snprintf(message, sizeof message, "%s", strerror(errno));
    }
    if (!ecrit) avertit("cannot write %s: %s", nom, message);
    return ecrit;
}

// A whole number of 1 to TAILLE_IMAGE_MAX, digits only, ending at fin.
static bool litCote(const char* debut, const char* fin, int* cote) {
    if (debut == fin || fin - debut > 5) return false;
    long n = 0;
    for (const char* c = debut; c < fin; ++c) {
        if (!isdigit(static_cast<unsigned char>(*c))) return false;
        n = n * 10 + (*c - '0');
    }
    if (n < 1 || n > TAILLE_IMAGE_MAX) return false;
    *cote = static_cast<int>(n);
    return true;
}

bool litTaille(const char* texte, int* largeur, int* hauteur) {
    const char* x = strchr(texte, 'x');
    return x && litCote(texte, x, largeur) && litCote(x + 1, x + strlen(x), hauteur);
}
