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
#define TIMED_RUNS(runs, label, bytes, call)                             \
    do {                                                                 \
        double best_ = 1e30;                                             \
        int run_;                                                        \
        for (run_ = 0; run_ < (runs); ++run_) {                          \
            const double t0_ = now_seconds();                            \
            st = (call);                                                 \
            if (now_seconds() - t0_ < best_) best_ = now_seconds() - t0_; \
        }                                                                \
        report(label, st, best_, bytes);                                 \
        failed |= st != rvlResOk;                                        \
    } while (0)
/* The best of three runs; in-place calls run once (a second run would
 * apply the operation again). */
#define TIMED_CALL(label, bytes, call) TIMED_RUNS(3, label, bytes, call)
#define TIMED_ONCE(label, bytes, call) TIMED_RUNS(1, label, bytes, call)

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

/* Marks a disk in a one-channel 8u mask. */
static void make_disk_mask(Rvl8u* mask, int step, int width, int height) {
    int x, y;
    for (y = 0; y < height; ++y)
        for (x = 0; x < width; ++x) {
            const double dx = x - 0.7 * width, dy = y - 0.35 * height;
            mask[(size_t)y * step + x] = (Rvl8u)(dx * dx + dy * dy < 0.04 * height * height ? 255 : 0);
        }
}

int main(int argc, char** argv) {
    const char* dir = argc > 1 ? argv[1] : "rvl-demo-out";
    const RvlLibVersion* version = rvliGetLibVersion();
    const RvlSize roi = {W, H};
    int waveStep, absStep, viewStep, colorStep, colorAbsStep, rgbaStep, planeStep, alphaStep, maskStep, failed = 0;
    Rvl16s *wave, *waveAbs;
    Rvl32f *color, *colorAbs, *alpha;
    Rvl8u *view, *rgba, *planes[4], *alpha8, *mask;
    RvlResult st;
    int c;

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
    alpha = rvliMalloc_32f_C1(W, H, &alphaStep);
    rgba = rvliMalloc_8u_C4(W, H, &rgbaStep);
    alpha8 = rvliMalloc_8u_C1(W, H, &planeStep);
    mask = rvliMalloc_8u_C1(W, H, &maskStep);
    for (c = 0; c < 4; ++c) planes[c] = rvliMalloc_8u_C1(W, H, &planeStep);
    if (!wave || !waveAbs || !view || !color || !colorAbs || !alpha || !rgba || !alpha8 || !mask || !planes[0] ||
        !planes[1] || !planes[2] || !planes[3]) {
        fprintf(stderr, "allocation failed\n");
        return 1;
    }
    printf("allocated 1920x1080 images: 16s step %d, 32f AC4 step %d\n", waveStep, colorStep);

    make_wave_16s(wave, waveStep, W, H);
    make_wave_32f_rgba(color, colorStep, W, H);
    /* The AC4 destination's alpha: rvliAbs_32f_AC4R must keep it. */
    make_wave_32f_rgba(colorAbs, colorAbsStep, W, H);
    make_disk_mask(mask, maskStep, W, H);

    /* Absolute value. */
    TIMED_CALL("rvliAbs_16s_C1R", 2.0 * W * H * 2, rvliAbs_16s_C1R(wave, waveStep, waveAbs, absStep, roi));
    TIMED_CALL("rvliAbs_32f_AC4R (alpha kept)", 2.0 * W * H * 16,
               rvliAbs_32f_AC4R(color, colorStep, colorAbs, colorAbsStep, roi));

    /* 16s to 8u for display: the full range, and |x| stretched. */
    TIMED_CALL("rvliScale_16s8u_C1R", W * H * 3.0, rvliScale_16s8u_C1R(wave, waveStep, view, viewStep, roi, rvlHintFast));
    failed |= write_png(dir, "wave_16s.png", view, viewStep, W, H, 1);
    TIMED_CALL("rvliScaleC_16s8u_C1R", W * H * 3.0,
               rvliScaleC_16s8u_C1R(waveAbs, absStep, 255.0 / 32767.0, 0.0, view, viewStep, roi, rvlHintFast));
    failed |= write_png(dir, "wave_abs_16s.png", view, viewStep, W, H, 1);

    /* Arithmetic: the mean of the wave and its mirror image (scale factor 1
     * halves the sum, rounding half to even), and a darkened copy. */
    {
        int step2;
        Rvl8u* other = rvliMalloc_8u_C1(W, H, &step2);
        if (other) {
            /* Upside down: the source walked bottom-up with a negative step. */
            TIMED_CALL("rvliCopy_8u_C1R (flipped)", W * H * 2.0,
                       rvliCopy_8u_C1R(view + (size_t)(H - 1) * viewStep, -viewStep, other, step2, roi));
            /* In place into `other`: timed once, so the mean is taken once. */
            TIMED_ONCE("rvliAdd_8u_C1RSfs (mean)", W * H * 3.0,
                       rvliAdd_8u_C1RSfs(view, viewStep, other, step2, other, step2, roi, 1));
            failed |= write_png(dir, "wave_mean.png", other, step2, W, H, 1);
            TIMED_ONCE("rvliMulC_8u_C1IRSfs (x 3/4)", W * H * 2.0, rvliMulC_8u_C1IRSfs(3, other, step2, roi, 2));
            failed |= write_png(dir, "wave_darker.png", other, step2, W, H, 1);
            rvliFree(other);
        }
    }

    /* Borders: the view framed by a 64-pixel mirrored border. */
    {
        const int border = 64;
        int framedStep;
        Rvl8u* framed = rvliMalloc_8u_C1(W + 2 * border, H + 2 * border, &framedStep);
        if (framed) {
            const RvlSize framedSize = {W + 2 * border, H + 2 * border};
            TIMED_CALL("rvliCopyMirrorBorder_8u_C1R", (W + 2.0 * border) * (H + 2.0 * border) * 2.0,
                       rvliCopyMirrorBorder_8u_C1R(view, viewStep, roi, framed, framedStep, framedSize, border, border));
            failed |= write_png(dir, "wave_mirrored_border.png", framed, framedStep, framedSize.width,
                                framedSize.height, 1);
            rvliFree(framed);
        }
    }

    /* Filtering: a specification built once from a kernel, then applied.
     * A 9x9 blur (integer weights, divisor = their sum) and an edge filter
     * with an offset that centres its signed result on 128. */
    {
        static const Rvl16s edge[9] = {-1, -1, -1, -1, 8, -1, -1, -1, -1};
        Rvl16s blur[81];
        const RvlSize k9 = {9, 9}, k3 = {3, 3};
        int i, sum = 0, specSize = 0, bufferSize = 0, outStep;
        Rvl8u* out = rvliMalloc_8u_C1(W, H, &outStep);
        RvlFilterSpec* spec;
        Rvl8u* buffer;
        for (i = 0; i < 81; ++i) sum += blur[i] = (Rvl16s)(1 + (i / 9 < 4 ? i / 9 : 8 - i / 9) + (i % 9 < 4 ? i % 9 : 8 - i % 9));
        rvliFilterBorderGetSize(k9, roi, rvlType8u, rvlType16s, 1, &specSize, &bufferSize);
        spec = (RvlFilterSpec*)malloc((size_t)specSize);
        buffer = (Rvl8u*)malloc((size_t)bufferSize);
        if (out && spec && buffer) {
            rvliFilterBorderInit_16s(blur, k9, sum, rvlType8u, 1, rvlRoundNearestEven, spec);
            TIMED_CALL("rvliFilterBorder_8u_C1R (9x9 blur)", W * H * 2.0,
                       rvliFilterBorder_8u_C1R(view, viewStep, out, outStep, roi, rvlBorderReplicate, NULL, spec, buffer));
            failed |= write_png(dir, "wave_blur.png", out, outStep, W, H, 1);
            /* The 3x3 sizes fit in what the 9x9 query reported. */
            rvliFilterBorderInit_16s(edge, k3, 1, rvlType8u, 1, rvlRoundNearestEven, spec);
            rvliFilterBorderSetMode(rvlHintNone, 128, spec);
            TIMED_CALL("rvliFilterBorder_8u_C1R (3x3 edges)", W * H * 2.0,
                       rvliFilterBorder_8u_C1R(view, viewStep, out, outStep, roi, rvlBorderMirror, NULL, spec, buffer));
            failed |= write_png(dir, "wave_edges.png", out, outStep, W, H, 1);
        }
        free(spec);
        free(buffer);
        rvliFree(out);
    }

    /* Resize: the view to a third of its size, linear, in two tiles (left
     * and right half) that join into the one-call result. */
    {
        const RvlSize small = {W / 3, H / 3};
        int specSize = 0, initSize = 0, outStep, half;
        Rvl8u* out = rvliMalloc_8u_C1(small.width, small.height, &outStep);
        RvlResizeSpec* spec;
        rvliResizeGetSize_8u(roi, small, rvlInterLinear, 0, &specSize, &initSize);
        spec = (RvlResizeSpec*)malloc((size_t)specSize);
        if (out && spec && rvliResizeLinearInit_8u(roi, small, spec) == rvlResOk) {
            for (half = 0; half < 2; ++half) {
                const RvlPoint at = {half * small.width / 2, 0};
                const RvlSize tile = {half ? small.width - small.width / 2 : small.width / 2, small.height};
                RvlPoint from, roiAt;
                RvlSize roiSize;
                int bufferSize = 0;
                RvlBorderMode border = rvlBorderReplicate;
                Rvl8u* buffer;
                rvliResizeGetSrcOffset_8u(spec, at, &from);
                rvliResizeGetSrcRoi_8u(spec, at, tile, &roiAt, &roiSize);
                /* The source continues beside the tile's source rectangle. */
                if (roiAt.x > 0) border = (RvlBorderMode)(border | rvlBorderInMemoryLeft);
                if (roiAt.x + roiSize.width < W) border = (RvlBorderMode)(border | rvlBorderInMemoryRight);
                rvliResizeGetBufferSize_8u(spec, tile, 1, &bufferSize);
                buffer = (Rvl8u*)malloc((size_t)bufferSize);
                if (buffer) {
                    TIMED_CALL(half ? "rvliResizeLinear_8u_C1R (right tile)" : "rvliResizeLinear_8u_C1R (left tile)",
                               (W * H + small.width * small.height) / 2.0,
                               rvliResizeLinear_8u_C1R(view + (size_t)from.y * viewStep + from.x, viewStep,
                                                       out + at.x, outStep, at, tile, border, NULL, spec, buffer));
                }
                free(buffer);
            }
            failed |= write_png(dir, "wave_third.png", out, outStep, small.width, small.height, 1);
        }
        free(spec);
        rvliFree(out);
    }

    /* FFT: the 1024 x 1024 top-left square of the view, forward to the
     * packed spectrum and back (the inverse scaled by 1/(W H)). */
    {
        const int order = 10, n = 1 << order;
        const RvlSize square = {n, n};
        int specSize = 0, initSize = 0, workSize = 0, planeStep, specStep, i;
        Rvl32f* plane = rvliMalloc_32f_C1(n, n, &planeStep);
        Rvl32f* spectrum = rvliMalloc_32f_C1(n, n, &specStep);
        RvlFft2dRealSpec* spec;
        Rvl8u *init, *work;
        rvliFFTGetSize_R_32f(order, order, rvlFftScaleInv, rvlHintNone, &specSize, &initSize, &workSize);
        spec = (RvlFft2dRealSpec*)malloc((size_t)specSize);
        init = (Rvl8u*)malloc((size_t)initSize + 1);
        work = (Rvl8u*)malloc((size_t)workSize);
        if (plane && spectrum && spec && init && work &&
            rvliFFTInit_R_32f(order, order, rvlFftScaleInv, rvlHintNone, spec, init) == rvlResOk) {
            double worst = 0;
            rvliConvert_8u32f_C1R(view, viewStep, plane, planeStep, square);
            TIMED_CALL("rvliFFTFwd_RToPack_32f_C1R (1024 x 1024)", n * n * 8.0,
                       rvliFFTFwd_RToPack_32f_C1R(plane, planeStep, spectrum, specStep, spec, work));
            printf("  DC term %.0f (the sum of the square's pixels)\n", spectrum[0]);
            TIMED_ONCE("rvliFFTInv_PackToR_32f_C1IR", n * n * 8.0, rvliFFTInv_PackToR_32f_C1IR(spectrum, specStep, spec, work));
            for (i = 0; i < n * n; ++i) {
                const double d = fabs(spectrum[(i / n) * (specStep / 4) + i % n] - view[(i / n) * viewStep + i % n]);
                if (d > worst) worst = d;
            }
            printf("  round trip: largest difference %.2g\n", worst);
        }
        free(spec);
        free(init);
        free(work);
        rvliFree(plane);
        rvliFree(spectrum);
    }

    /* Statistics of the 8u view. */
    {
        Rvl64f sum, mean, l2;
        Rvl8u lo, hi;
        int x, y;
        TIMED_CALL("rvliSum_8u_C1R", W * H * 1.0, rvliSum_8u_C1R(view, viewStep, roi, &sum));
        TIMED_CALL("rvliMean_8u_C1R", W * H * 1.0, rvliMean_8u_C1R(view, viewStep, roi, &mean));
        TIMED_CALL("rvliMinMax_8u_C1R", W * H * 1.0, rvliMinMax_8u_C1R(view, viewStep, roi, &lo, &hi));
        TIMED_CALL("rvliMaxIndx_8u_C1R", W * H * 1.0, rvliMaxIndx_8u_C1R(view, viewStep, roi, &hi, &x, &y));
        TIMED_CALL("rvliNorm_L2_8u_C1R", W * H * 1.0, rvliNorm_L2_8u_C1R(view, viewStep, roi, &l2));
        printf("  sum %.0f, mean %.3f, min %d, max %d first at (%d, %d), L2 norm %.1f\n", sum, mean, lo, hi, x, y, l2);
    }

    /* Thresholds: three levels from the wave (in place on an 8u view). */
    TIMED_CALL("rvliThreshold_LTValGTVal_8u_C1IR", W * H * 2.0,
               rvliThreshold_LTValGTVal_8u_C1IR(view, viewStep, roi, 150, 0, 220, 255));
    failed |= write_png(dir, "wave_levels.png", view, viewStep, W, H, 1);

    /* 32f RGBA to 8u RGBA: colour through the AC4 form, alpha through its
     * own channel (gathered, scaled, scattered back). */
    TIMED_CALL("rvliScale_32f8u_AC4R", W * H * 20.0,
               rvliScale_32f8u_AC4R(color, colorStep, rgba, rgbaStep, roi, -1.0f, 1.0f));
    TIMED_CALL("rvliCopy_32f_C4C1R (alpha out)", W * H * 8.0,
               rvliCopy_32f_C4C1R(color + 3, colorStep, alpha, alphaStep, roi));
    TIMED_CALL("rvliConvert_32f8u_C1RSfs (x 256)", W * H * 5.0,
               rvliConvert_32f8u_C1RSfs(alpha, alphaStep, alpha8, planeStep, roi, rvlRoundNearestEven, -8));
    TIMED_CALL("rvliCopy_8u_C1C4R (alpha in)", W * H * 2.0,
               rvliCopy_8u_C1C4R(alpha8, planeStep, rgba + 3, rgbaStep, roi));
    failed |= write_png(dir, "color_32f.png", rgba, rgbaStep, W, H, 4);
    TIMED_CALL("rvliScale_32f8u_AC4R (|x|)", W * H * 20.0,
               rvliScale_32f8u_AC4R(colorAbs, colorAbsStep, rgba, rgbaStep, roi, 0.0f, 1.0f));
    failed |= write_png(dir, "color_abs_32f.png", rgba, rgbaStep, W, H, 4);

    /* Channels: split to planes, merge back with red and blue swapped, and
     * paint a disk through a mask. */
    TIMED_CALL("rvliCopy_8u_C4P4R (split)", W * H * 8.0, rvliCopy_8u_C4P4R(rgba, rgbaStep, planes, planeStep, roi));
    failed |= write_png(dir, "plane_red.png", planes[0], planeStep, W, H, 1);
    {
        const Rvl8u* swapped[4];
        swapped[0] = planes[2];
        swapped[1] = planes[1];
        swapped[2] = planes[0];
        swapped[3] = planes[3];
        TIMED_CALL("rvliCopy_8u_P4C4R (merge, R<->B)", W * H * 8.0,
                   rvliCopy_8u_P4C4R(swapped, planeStep, rgba, rgbaStep, roi));
    }
    {
        const Rvl8u paint[4] = {255, 255, 255, 255};
        TIMED_CALL("rvliSet_8u_C4MR (disk)", W * H * 5.0, rvliSet_8u_C4MR(paint, rgba, rgbaStep, roi, mask, maskStep));
    }
    failed |= write_png(dir, "color_swapped.png", rgba, rgbaStep, W, H, 4);

    rvliFree(wave);
    rvliFree(waveAbs);
    rvliFree(view);
    rvliFree(color);
    rvliFree(colorAbs);
    rvliFree(alpha);
    rvliFree(rgba);
    rvliFree(alpha8);
    rvliFree(mask);
    for (c = 0; c < 4; ++c) rvliFree(planes[c]);
    return failed ? 1 : 0;
}
