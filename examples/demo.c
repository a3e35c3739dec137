/*
 * rvl demo: builds a synthetic test image (no file needed), runs the
 * library's functions on it the way an application would, prints each call
 * with its time and throughput, and writes the results as PNG files.
 *
 *   rvl_demo [output directory]     (default: ./rvl-demo-out)
 */
#include <rvl.h>

#include <errno.h>
#include <math.h>
#include <png.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <time.h>

enum { W = 1920, H = 1080 };

static double now_seconds(void) {
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (double)ts.tv_sec + 1e-9 * (double)ts.tv_nsec;
}

/* Prints one call: name, status, time, and bytes moved per second. */
static void report(const char* call, RvlResult st, double seconds, double bytes) {
    printf("%-44s status %3d  %8.3f ms  %7.2f GB/s\n", call, (int)st, 1e3 * seconds, bytes / seconds / 1e9);
}

/* Runs a call three times and reports the fastest run (the first one also
 * pays for touching fresh pages). `bytes` is what one call reads and writes. */
#define TIMED_CALL(label, bytes, call)                                   \
    do {                                                                 \
        double best_ = 1e30;                                             \
        int run_;                                                        \
        for (run_ = 0; run_ < 3; ++run_) {                               \
            const double t0_ = now_seconds();                            \
            st = (call);                                                 \
            if (now_seconds() - t0_ < best_) best_ = now_seconds() - t0_; \
        }                                                                \
        report(label, st, best_, bytes);                                 \
        failed |= st != rvlResOk;                                        \
    } while (0)

/* Writes an 8-bit gray or RGBA image held in rvl's image layout. */
static int write_png(const char* dir, const char* name, const Rvl8u* pixels, int step, int width, int height,
                     int channels) {
    char path[1024];
    FILE* f;
    png_structp png;
    png_infop info;
    int y;
    snprintf(path, sizeof path, "%s/%s", dir, name);
    f = fopen(path, "wb");
    if (!f) {
        fprintf(stderr, "cannot write %s: %s\n", path, strerror(errno));
        return 1;
    }
    png = png_create_write_struct(PNG_LIBPNG_VER_STRING, NULL, NULL, NULL);
    info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        fclose(f);
        return 1;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, (png_uint_32)width, (png_uint_32)height, 8,
                 channels == 4 ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (y = 0; y < height; ++y) png_write_row(png, (png_const_bytep)(pixels + (size_t)y * step));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    fclose(f);
    printf("  wrote %s\n", path);
    return 0;
}

/* The built-in test image: a signed wave pattern, rings around the centre
 * modulated by a diagonal ramp, covering the whole 16-bit signed range. */
static void make_wave_16s(Rvl16s* img, int step, int width, int height) {
    int x, y;
    for (y = 0; y < height; ++y) {
        Rvl16s* row = (Rvl16s*)((Rvl8u*)img + (size_t)y * step);
        for (x = 0; x < width; ++x) {
            const double dx = x - width / 2.0, dy = y - height / 2.0;
            const double r = sqrt(dx * dx + dy * dy);
            const double v = sin(r / 18.0) * (0.35 + 0.65 * (double)(x + y) / (width + height));
            long q = lround(v * 32768.0);
            row[x] = (Rvl16s)(q > 32767 ? 32767 : q < -32768 ? -32768 : q);
        }
    }
}

/* The same pattern as a colour image with alpha, 32f in [-1, 1]. */
static void make_wave_32f_rgba(Rvl32f* img, int step, int width, int height) {
    int x, y;
    for (y = 0; y < height; ++y) {
        Rvl32f* row = (Rvl32f*)((Rvl8u*)img + (size_t)y * step);
        for (x = 0; x < width; ++x) {
            const double u = (double)x / width, v = (double)y / height;
            row[4 * x + 0] = (Rvl32f)sin(12.0 * u + 3.0 * v);
            row[4 * x + 1] = (Rvl32f)cos(9.0 * v - 4.0 * u);
            row[4 * x + 2] = (Rvl32f)sin(7.0 * (u + v)) * (Rvl32f)cos(5.0 * u);
            row[4 * x + 3] = (Rvl32f)(0.5 + 0.5 * u); /* alpha: left half-transparent */
        }
    }
}

/* Display mappings for the PNGs (the library's type conversions arrive with
 * a later release; these are plain loops). */
static void show_16s(const Rvl16s* src, int srcStep, Rvl8u* dst, int dstStep, int width, int height, int isSigned) {
    int x, y;
    for (y = 0; y < height; ++y) {
        const Rvl16s* s = (const Rvl16s*)((const Rvl8u*)src + (size_t)y * srcStep);
        Rvl8u* d = dst + (size_t)y * dstStep;
        for (x = 0; x < width; ++x) d[x] = (Rvl8u)(isSigned ? (s[x] + 32768) >> 8 : s[x] >> 7);
    }
}

static void show_32f_rgba(const Rvl32f* src, int srcStep, Rvl8u* dst, int dstStep, int width, int height,
                          int isSigned) {
    int x, y, c;
    for (y = 0; y < height; ++y) {
        const Rvl32f* s = (const Rvl32f*)((const Rvl8u*)src + (size_t)y * srcStep);
        Rvl8u* d = dst + (size_t)y * dstStep;
        for (x = 0; x < 4 * width; x += 4) {
            for (c = 0; c < 3; ++c) {
                const double v = isSigned ? 0.5 + 0.5 * s[x + c] : s[x + c];
                d[x + c] = (Rvl8u)lround(255.0 * (v < 0 ? 0 : v > 1 ? 1 : v));
            }
            d[x + 3] = (Rvl8u)lround(255.0 * s[x + 3]);
        }
    }
}

int main(int argc, char** argv) {
    const char* dir = argc > 1 ? argv[1] : "rvl-demo-out";
    const RvlLibVersion* version = rvliGetLibVersion();
    const RvlSize roi = {W, H};
    int waveStep, absStep, viewStep, colorStep, colorAbsStep, colorViewStep, failed = 0;
    Rvl16s *wave, *waveAbs;
    Rvl32f *color, *colorAbs;
    Rvl8u *view, *colorView;
    RvlResult st;

    printf("%s %s, built %s\n", version->libraryName, version->versionText, version->buildDate);
    if (mkdir(dir, 0755) != 0 && errno != EEXIST) {
        fprintf(stderr, "cannot create %s: %s\n", dir, strerror(errno));
        return 1;
    }

    wave = rvliMalloc_16s_C1(W, H, &waveStep);
    waveAbs = rvliMalloc_16s_C1(W, H, &absStep);
    view = rvliMalloc_8u_C1(W, H, &viewStep);
    color = rvliMalloc_32f_AC4(W, H, &colorStep);
    colorAbs = rvliMalloc_32f_AC4(W, H, &colorAbsStep);
    colorView = rvliMalloc_8u_C4(W, H, &colorViewStep);
    if (!wave || !waveAbs || !view || !color || !colorAbs || !colorView) {
        fprintf(stderr, "allocation failed\n");
        return 1;
    }
    printf("allocated 1920x1080 images: 16s step %d, 32f AC4 step %d\n", waveStep, colorStep);

    make_wave_16s(wave, waveStep, W, H);
    make_wave_32f_rgba(color, colorStep, W, H);
    /* Alpha of the AC4 destination: opaque; rvliAbs_32f_AC4R must keep it. */
    make_wave_32f_rgba(colorAbs, colorAbsStep, W, H);

    TIMED_CALL("rvliAbs_16s_C1R", 2.0 * W * H * 2, rvliAbs_16s_C1R(wave, waveStep, waveAbs, absStep, roi));
    TIMED_CALL("rvliAbs_32f_AC4R (alpha kept)", 2.0 * W * H * 16,
               rvliAbs_32f_AC4R(color, colorStep, colorAbs, colorAbsStep, roi));

    show_16s(wave, waveStep, view, viewStep, W, H, 1);
    failed |= write_png(dir, "wave_16s.png", view, viewStep, W, H, 1);
    show_16s(waveAbs, absStep, view, viewStep, W, H, 0);
    failed |= write_png(dir, "wave_abs_16s.png", view, viewStep, W, H, 1);
    show_32f_rgba(color, colorStep, colorView, colorViewStep, W, H, 1);
    failed |= write_png(dir, "color_32f.png", colorView, colorViewStep, W, H, 4);
    show_32f_rgba(colorAbs, colorAbsStep, colorView, colorViewStep, W, H, 0);
    failed |= write_png(dir, "color_abs_32f.png", colorView, colorViewStep, W, H, 4);

    rvliFree(wave);
    rvliFree(waveAbs);
    rvliFree(view);
    rvliFree(color);
    rvliFree(colorAbs);
    rvliFree(colorView);
    return failed ? 1 : 0;
}
