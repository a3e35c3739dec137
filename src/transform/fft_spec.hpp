// The FFT specifications: the 1-D transforms (complex, real) with their
// sizes, scale factors and twiddle tables, and the 2-D specifications built
// from them.
//
// A 1-D specification is a header (Spec1d) followed by its tables. Transforms
// of up to 64 points use the library's constant table; longer ones keep
// w_N^k (k < N) after the header. A real transform of N points keeps the
// table of its N/2-point complex transform and the recombination table
// w_N^k, k < N/2.
#pragma once

#include <cstdint>

#include "rvl.h"
#include "kernels/fft.hpp"

namespace rvl::fft {

extern const Cf kTwiddles64[64];

constexpr std::int32_t kComplex1d = 4, kReal1d = 6;
constexpr std::int32_t kComplex2d = 25, kReal2d = 26;

struct Spec1d {
    std::int32_t id;     // 4 complex, 6 real; 0 until initialised
    std::int32_t order;
    std::int32_t scaleFwd, scaleInv;  // 0 or 1
    float scale;
    std::int32_t hint;
    std::int32_t workBytes;
    std::int32_t reserved;
    const Cf* twiddles;        // of the complex transform (the N/2-point one for a real transform); null: the 64-point constant table
    std::int64_t stride;       // w^k is twiddles[k * stride]
    const Cf* recombination;   // real: w_N^k, k < N/2; null: the 64-point constant table
};

struct Spec2d {
    std::int32_t id;  // 25 complex, 26 real
    std::int32_t orderX, orderY;
    std::int32_t hint;
    std::int32_t workBytes;
    std::int32_t reserved;
    // complex: row, column (the row spec when the orders are equal);
    // real: complex column, real row, real column.
    const Spec1d* row;
    const Spec1d* column;
    const Spec1d* complexColumn;
};

constexpr std::int64_t round64(std::int64_t n) { return (n + 63) & ~std::int64_t{63}; }

struct Sizes1d {
    std::int64_t spec, init, work;
};
Sizes1d complex_sizes(int order);
Sizes1d real_sizes(int order);

bool flag_ok(int flag);

constexpr int kMaxComplexOrder = 28, kMaxRealOrder = 29;

// The checks of a 1-D Init in their order (flag, order up to maxOrder, init
// buffer from order 11); nothing is written.
RvlResult check_init_1d(int order, int flag, int maxOrder, const Rvl8u* initBuf);

// Builds a 1-D specification at `at` (64-byte aligned); the status of the
// checks (flag, order, init buffer) otherwise, with nothing written.
RvlResult init_complex_1d(Spec1d* at, int order, int flag, int hint, const Rvl8u* initBuf);
RvlResult init_real_1d(Spec1d* at, int order, int flag, int hint, const Rvl8u* initBuf);

// The 1-D transforms with their scaling; `work` holds the transform's work
// bytes (64-byte aligned), ignored for transforms that need none.
void run_complex(const Spec1d& s, bool inverse, const Cf* in, Cf* out, unsigned char* work);
void run_real(const Spec1d& s, bool inverse, const float* in, float* out, unsigned char* work);
// `batch` complex transforms (a power of two) of interleaved values in place
// (value i of transform b at data[i * batch + b]), each giving the bits
// run_complex gives it alone, but frequency k left at row
// inplace_position(k, s.order).
void run_complex_group(const Spec1d& s, bool inverse, Cf* data, std::int64_t batch);
// `batch` columns (a power of two up to 8) of complex values, from the rows
// of `src` (value i of column b at row_at(src, srcStep, i)[b]) to the rows of
// `dst` in frequency order (which may be the same rows), through `vectors`
// (2^s.order * batch values): each column gets the bits run_complex gives it.
void run_complex_columns(const Spec1d& s, bool inverse, const Cf* src, std::int64_t srcStep, Cf* dst,
                         std::int64_t dstStep, Cf* vectors, std::int64_t batch);

}  // namespace rvl::fft
