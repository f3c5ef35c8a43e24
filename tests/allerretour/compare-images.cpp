// Compares two pictures of the same size (binary PPM): counts the pixels that differ
// and the largest difference of one channel, writes a difference picture (differing
// pixels red, the rest the first picture darkened), and says whether the two agree
// within the tolerance given.
//   compare-images A.ppm B.ppm DIFF.ppm MAX_PIXELS MAX_CHANNEL
// Exit status: 0 within the tolerance, 1 outside it, 2 unreadable input.
#include <cstdio>
#include <cstdlib>
#include <vector>

struct Image {
    int largeur = 0, hauteur = 0;
    std::vector<unsigned char> rgb;
};

static bool litPPM(const char* chemin, Image* image) {
    FILE* f = fopen(chemin, "rb");
    if (!f) return false;
    int maximum = 0;
    bool ok = fscanf(f, "P6 %d %d %d", &image->largeur, &image->hauteur, &maximum) == 3 &&
              maximum == 255 && image->largeur > 0 && image->hauteur > 0 && fgetc(f) != EOF;
    if (ok) {
        image->rgb.resize(static_cast<size_t>(image->largeur) * image->hauteur * 3);
        ok = fread(image->rgb.data(), 1, image->rgb.size(), f) == image->rgb.size();
    }
    fclose(f);
    return ok;
}

int main(int argc, char** argv) {
    if (argc != 6) {
        fprintf(stderr, "usage: compare-images A.ppm B.ppm DIFF.ppm MAX_PIXELS MAX_CHANNEL\n");
        return 2;
    }
    Image a, b;
    if (!litPPM(argv[1], &a) || !litPPM(argv[2], &b) || a.largeur != b.largeur ||
        a.hauteur != b.hauteur) {
        fprintf(stderr, "compare-images: %s and %s are not two PPM pictures of one size\n",
                argv[1], argv[2]);
        return 2;
    }
    long maxPixels = atol(argv[4]);
    int maxCanal = atoi(argv[5]);

    long differents = 0;
    int pire = 0;
    std::vector<unsigned char> difference(a.rgb.size());
    for (size_t p = 0; p < a.rgb.size(); p += 3) {
        int ecart = 0;
        for (int c = 0; c < 3; ++c) {
            int d = abs(a.rgb[p + c] - b.rgb[p + c]);
            if (d > ecart) ecart = d;
        }
        if (ecart > pire) pire = ecart;
        if (ecart) ++differents;
        for (int c = 0; c < 3; ++c)
            difference[p + c] = ecart ? (c == 0 ? 255 : 0) : a.rgb[p + c] / 4;
    }
    FILE* f = fopen(argv[3], "wb");
    if (f) {
        fprintf(f, "P6\n%d %d\n255\n", a.largeur, a.hauteur);
        fwrite(difference.data(), 1, difference.size(), f);
        fclose(f);
    }
    printf("differing pixels: %ld of %d, largest channel difference: %d\n", differents,
           a.largeur * a.hauteur, pire);
    return differents <= maxPixels && pire <= maxCanal ? 0 : 1;
}
