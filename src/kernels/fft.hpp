// The one-dimensional FFT engine of the frequency transforms: complex
// transforms of N = 2^n points by radix-4 Stockham passes (self-sorting, so
// no bit reversal: each pass reads one buffer and writes the other, the last
// pass writes the destination), a radix-2 pass when n is odd; and real
// transforms of N points through the complex transform of N/2 points and a
// recombination step, in the packed layout
//   X0, Re X1, Im X1, ..., Re X(N/2-1), Im X(N/2-1), X(N/2).
//
// Twiddles are w^k = exp(-2 pi i k / N) for k < N, formed in double and
// rounded to single precision once; the inverse uses their conjugates. Two
// complex values share a 16-byte register (re, im, re, im); the passes whose
// sub-sequences are long enough take registers of the variant's width.
#pragma once

#include <pmmintrin.h>
#include <smmintrin.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "kernels/vec.hpp"

namespace rvl::fft {

struct Cf {
    float re, im;
};

// exp(-2 pi i k / n) for k < count.
inline void fill_twiddles(Cf* table, std::int64_t n, std::int64_t count) {
    const double step = -2.0 * 3.14159265358979323846 / static_cast<double>(n);
    for (std::int64_t k = 0; k < count; ++k)
        table[k] = Cf{static_cast<float>(std::cos(step * k)), static_cast<float>(std::sin(step * k))};
}

// (a.re b.re - a.im b.im, a.re b.im + a.im b.re) for two complex pairs.
inline __m128 cmul(__m128 a, __m128 b) {
    const __m128 br = _mm_moveldup_ps(b), bi = _mm_movehdup_ps(b);
    const __m128 as = _mm_shuffle_ps(a, a, _MM_SHUFFLE(2, 3, 0, 1));
    return _mm_addsub_ps(_mm_mul_ps(a, br), _mm_mul_ps(as, bi));
}
// Multiplication by -i (forward) or +i (inverse): (im, -re) or (-im, re).
template <bool Inverse>
inline __m128 times_i(__m128 a) {
    const __m128 swapped = _mm_shuffle_ps(a, a, _MM_SHUFFLE(2, 3, 0, 1));
    const __m128 sign = Inverse ? _mm_setr_ps(-0.0f, 0.0f, -0.0f, 0.0f) : _mm_setr_ps(0.0f, -0.0f, 0.0f, -0.0f);
    return _mm_xor_ps(swapped, sign);
}
template <bool Inverse>
inline __m128 twiddle_of(__m128 w) {  // conjugate for the inverse
    return Inverse ? _mm_xor_ps(w, _mm_setr_ps(0.0f, -0.0f, 0.0f, -0.0f)) : w;
}

inline __m128 load2(const Cf* p) { return _mm_loadu_ps(&p->re); }
inline void store2(Cf* p, __m128 v) { _mm_storeu_ps(&p->re, v); }
inline __m128 load_two(const Cf* a, const Cf* b) {  // a in the low, b in the high half
    const __m128i lo = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(a));
    const __m128i hi = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(b));
    return _mm_castsi128_ps(_mm_unpacklo_epi64(lo, hi));
}
inline __m128 load1x2(const Cf* p) {  // one complex value in both halves
    const __m128i v = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p));
    return _mm_castsi128_ps(_mm_unpacklo_epi64(v, v));
}
inline void store_low(Cf* p, __m128 v) { _mm_storel_epi64(reinterpret_cast<__m128i*>(p), _mm_castps_si128(v)); }
inline void store_high(Cf* p, __m128 v) { _mm_storel_epi64(reinterpret_cast<__m128i*>(p), _mm_castps_si128(_mm_movehl_ps(v, v))); }

// ---- Registers of the variant's full width: lanes<float> / 2 complex values.
// The same formulas as above; the addsub of the widest registers is an
// addition of the operand with its even lanes negated, which rounds exactly
// as the subtraction does, so every width gives the same values.
namespace wide {

using V = vec::F;
inline constexpr std::int64_t kComplex = static_cast<std::int64_t>(vec::lanes<float>) / 2;

inline V load(const Cf* p) { return vec::loadu(&p->re); }
inline void store(Cf* p, V v) { vec::storeu(&p->re, v); }
// One complex value in every pair of lanes.
inline V broadcast(const Cf* p) {
    double bits;
    std::memcpy(&bits, p, sizeof bits);
    return vec::as<V>(RVL_MM(set1_pd)(bits));
}
// even in the real lanes, odd in the imaginary ones.
inline V pairs(float even, float odd) {
    const Cf pair{even, odd};
    return broadcast(&pair);
}
inline V flip(V v, V signs) { return RVL_MM(xor_ps)(v, signs); }
inline V swap_pairs(V a) { return RVL_MM(shuffle_ps)(a, a, _MM_SHUFFLE(2, 3, 0, 1)); }
inline V addsub(V x, V y) {
#if RVL_VEC_BYTES == 64
    return x + flip(y, pairs(-0.0f, 0.0f));
#else
    return RVL_MM(addsub_ps)(x, y);
#endif
}
inline V cmul(V a, V b) { return addsub(a * RVL_MM(moveldup_ps)(b), swap_pairs(a) * RVL_MM(movehdup_ps)(b)); }
template <bool Inverse>
inline V times_i(V a) {
    return flip(swap_pairs(a), Inverse ? pairs(-0.0f, 0.0f) : pairs(0.0f, -0.0f));
}
template <bool Inverse>
inline V twiddle_of(V w) {
    return Inverse ? flip(w, pairs(0.0f, -0.0f)) : w;
}

#if RVL_VEC_BYTES >= 32
// kComplex twiddles tw[first + i * step], i < kComplex.
inline V gather(const Cf* tw, std::int64_t first, std::int64_t step) {
    const double* base = reinterpret_cast<const double*>(tw);
#if RVL_VEC_BYTES == 64
    const __m512i idx = _mm512_add_epi64(_mm512_set1_epi64(first),
                                         _mm512_mullo_epi64(_mm512_set1_epi64(step), _mm512_setr_epi64(0, 1, 2, 3, 4, 5, 6, 7)));
    return vec::as<V>(_mm512_i64gather_pd(idx, base, 8));
#else
    const __m256i idx = _mm256_setr_epi64x(first, first + step, first + 2 * step, first + 3 * step);
    return vec::as<V>(_mm256_i64gather_pd(base, idx, 8));
#endif
}

// The same twiddles tw[first + i * step] (step > 0) by whole-register loads
// where the step is small: the gather's element loads cost more than the
// lines they read. Steps 1, 2 and (64-byte registers) 3 read at most up to
// tw[first + step * kComplex - 1].
inline V strided(const Cf* tw, std::int64_t first, std::int64_t step) {
    if (step == 1) return load(tw + first);
#if RVL_VEC_BYTES == 64
    if (step == 2 || step == 3) {
        const __m512d a = _mm512_loadu_pd(tw + first), b = _mm512_loadu_pd(tw + first + 8);
        if (step == 2) return vec::as<V>(_mm512_permutex2var_pd(a, _mm512_setr_epi64(0, 2, 4, 6, 8, 10, 12, 14), b));
        // Elements 0, 3, .., 15 of a and b, then 18 and 21 from the third.
        const __m512d ab = _mm512_permutex2var_pd(a, _mm512_setr_epi64(0, 3, 6, 9, 12, 15, 0, 0), b);
        const __m512d c = _mm512_loadu_pd(tw + first + 16);
        return vec::as<V>(_mm512_permutex2var_pd(ab, _mm512_setr_epi64(0, 1, 2, 3, 4, 5, 10, 13), c));
    }
#else
    if (step == 2) {
        const auto* d = reinterpret_cast<const double*>(tw + first);
        const __m256d a = _mm256_loadu_pd(d), b = _mm256_loadu_pd(d + 4);
        return vec::as<V>(_mm256_permute4x64_pd(_mm256_unpacklo_pd(a, b), _MM_SHUFFLE(3, 1, 2, 0)));
    }
#endif
    return gather(tw, first, step);
}

// The complex values of a register in reverse order.
inline V reverse(V v) {
#if RVL_VEC_BYTES == 64
    return vec::as<V>(_mm512_permutexvar_pd(_mm512_setr_epi64(7, 6, 5, 4, 3, 2, 1, 0), vec::as<__m512d>(v)));
#else
    return vec::as<V>(_mm256_permute4x64_pd(vec::as<__m256d>(v), _MM_SHUFFLE(0, 1, 2, 3)));
#endif
}
// Stores y0[i], y1[i], y2[i], y3[i] at o[4i .. 4i+3] for every i < kComplex.
inline void store_interleaved4(Cf* o, V y0, V y1, V y2, V y3) {
    using D = decltype(RVL_MM(setzero_pd)());
    const D t0 = RVL_MM(unpacklo_pd)(vec::as<D>(y0), vec::as<D>(y1)), t1 = RVL_MM(unpackhi_pd)(vec::as<D>(y0), vec::as<D>(y1));
    const D t2 = RVL_MM(unpacklo_pd)(vec::as<D>(y2), vec::as<D>(y3)), t3 = RVL_MM(unpackhi_pd)(vec::as<D>(y2), vec::as<D>(y3));
    // 16-byte block r of t0 holds (y0, y1) of value 2r, of t1 of value 2r+1;
    // t2, t3 the same for (y2, y3).
    double* d = reinterpret_cast<double*>(o);
#if RVL_VEC_BYTES == 64
    const D p01 = _mm512_shuffle_f64x2(t0, t2, _MM_SHUFFLE(1, 0, 1, 0)), q01 = _mm512_shuffle_f64x2(t1, t3, _MM_SHUFFLE(1, 0, 1, 0));
    const D p23 = _mm512_shuffle_f64x2(t0, t2, _MM_SHUFFLE(3, 2, 3, 2)), q23 = _mm512_shuffle_f64x2(t1, t3, _MM_SHUFFLE(3, 2, 3, 2));
    _mm512_storeu_pd(d, _mm512_shuffle_f64x2(p01, q01, _MM_SHUFFLE(2, 0, 2, 0)));
    _mm512_storeu_pd(d + 8, _mm512_shuffle_f64x2(p01, q01, _MM_SHUFFLE(3, 1, 3, 1)));
    _mm512_storeu_pd(d + 16, _mm512_shuffle_f64x2(p23, q23, _MM_SHUFFLE(2, 0, 2, 0)));
    _mm512_storeu_pd(d + 24, _mm512_shuffle_f64x2(p23, q23, _MM_SHUFFLE(3, 1, 3, 1)));
#else
    _mm256_storeu_pd(d, _mm256_permute2f128_pd(t0, t2, 0x20));
    _mm256_storeu_pd(d + 4, _mm256_permute2f128_pd(t1, t3, 0x20));
    _mm256_storeu_pd(d + 8, _mm256_permute2f128_pd(t0, t2, 0x31));
    _mm256_storeu_pd(d + 12, _mm256_permute2f128_pd(t1, t3, 0x31));
#endif
}
#endif

}  // namespace wide

namespace group {
// Register kinds: the variant's full width, two values in 16 bytes, and one
// value (the low half of 16 bytes).
struct Wide {
    using R = wide::V;
    static constexpr std::int64_t kStep = wide::kComplex;
    static R load(const Cf* p) { return wide::load(p); }
    static void store(Cf* p, R v) { wide::store(p, v); }
    static R broadcast(const Cf* p) { return wide::broadcast(p); }
    static R mul(R a, R b) { return wide::cmul(a, b); }
    template <bool Inverse>
    static R rotate(R a) { return wide::times_i<Inverse>(a); }
    template <bool Inverse>
    static R twiddle(R w) { return wide::twiddle_of<Inverse>(w); }
};
struct Pair {
    using R = __m128;
    static constexpr std::int64_t kStep = 2;
    static R load(const Cf* p) { return load2(p); }
    static void store(Cf* p, R v) { store2(p, v); }
    static R broadcast(const Cf* p) { return load1x2(p); }
    static R mul(R a, R b) { return cmul(a, b); }
    template <bool Inverse>
    static R rotate(R a) { return times_i<Inverse>(a); }
    template <bool Inverse>
    static R twiddle(R w) { return twiddle_of<Inverse>(w); }
};
struct One : Pair {
    static constexpr std::int64_t kStep = 1;
    static R load(const Cf* p) { return load1x2(p); }
    static void store(Cf* p, R v) { fft::store_low(p, v); }
};

#if RVL_VEC_BYTES == 64
// Four values in 32 bytes, for sub-sequences of four values in the widest
// variant (the same formulas; addsub rounds as the subtraction does).
struct Half {
    using R = __m256;
    static constexpr std::int64_t kStep = 4;
    static R load(const Cf* p) { return _mm256_loadu_ps(&p->re); }
    static void store(Cf* p, R v) { _mm256_storeu_ps(&p->re, v); }
    static R broadcast(const Cf* p) {
        double bits;
        std::memcpy(&bits, p, sizeof bits);
        return _mm256_castpd_ps(_mm256_set1_pd(bits));
    }
    static R swap_pairs(R a) { return _mm256_shuffle_ps(a, a, _MM_SHUFFLE(2, 3, 0, 1)); }
    static R mul(R a, R b) {
        return _mm256_addsub_ps(a * _mm256_moveldup_ps(b), swap_pairs(a) * _mm256_movehdup_ps(b));
    }
    template <bool Inverse>
    static R rotate(R a) {
        const R sign = Inverse ? _mm256_setr_ps(-0.0f, 0.0f, -0.0f, 0.0f, -0.0f, 0.0f, -0.0f, 0.0f)
                               : _mm256_setr_ps(0.0f, -0.0f, 0.0f, -0.0f, 0.0f, -0.0f, 0.0f, -0.0f);
        return _mm256_xor_ps(swap_pairs(a), sign);
    }
    template <bool Inverse>
    static R twiddle(R w) {
        return Inverse ? _mm256_xor_ps(w, _mm256_setr_ps(0.0f, -0.0f, 0.0f, -0.0f, 0.0f, -0.0f, 0.0f, -0.0f)) : w;
    }
};
#endif

// `count` radix-4 butterflies on values kStep at a time: inputs at
// x[q + j * inGap], outputs y[q + j * outGap] (j = 0..3), the outputs j > 0
// multiplied by the twiddles w1..w3.
template <bool Inverse, class K>
struct Radix4 {
    using R = typename K::R;
    R y[4];
    // The butterfly of a, b, c, d: the outputs j > 0 multiplied by w1..w3.
    Radix4(R a, R b, R c, R d, R w1, R w2, R w3) {
        const R apc = a + c, amc = a - c, bpd = b + d;
        const R jbmd = K::template rotate<Inverse>(b - d);
        y[0] = apc + bpd;
        y[1] = K::mul(amc + jbmd, w1);
        y[2] = K::mul(apc - bpd, w2);
        y[3] = K::mul(amc - jbmd, w3);
    }
};

template <bool Inverse, class K>
inline void butterflies(const Cf* x, Cf* y, std::int64_t inGap, std::int64_t outGap, std::int64_t count,
                        typename K::R w1, typename K::R w2, typename K::R w3) {
    for (std::int64_t q = 0; q < count; q += K::kStep) {
        const Radix4<Inverse, K> r(K::load(x + q), K::load(x + q + inGap), K::load(x + q + 2 * inGap),
                                   K::load(x + q + 3 * inGap), w1, w2, w3);
        for (int j = 0; j < 4; ++j) K::store(y + q + j * outGap, r.y[j]);
    }
}

// One radix-4 pass over sub-sequence points of `span` contiguous values:
// p = 0..m-1 with the twiddles of p, `blocks` blocks of the pass (in place:
// the sub-transforms, at blockStride), values at x + p * inP, out at y + p * outP.
template <bool Inverse, class K>
inline void pass_points(const Cf* x, Cf* y, std::int64_t m, std::int64_t span, std::int64_t inP, std::int64_t outP,
                        std::int64_t inGap, std::int64_t outGap, std::int64_t blocks, std::int64_t blockStride,
                        const Cf* tw, std::int64_t twStep) {
    using R = typename K::R;
    for (std::int64_t p = 0; p < m; ++p) {
        const R w1 = K::template twiddle<Inverse>(K::broadcast(tw + p * twStep));
        const R w2 = K::template twiddle<Inverse>(K::broadcast(tw + 2 * p * twStep));
        const R w3 = K::template twiddle<Inverse>(K::broadcast(tw + 3 * p * twStep));
        for (std::int64_t t = 0; t < blocks; ++t)
            butterflies<Inverse, K>(x + p * inP + t * blockStride, y + p * outP + t * blockStride, inGap, outGap, span,
                                    w1, w2, w3);
    }
}

#if RVL_VEC_BYTES == 64
// The Stockham pass of 4-value sub-sequences (s = 4) in 64-byte registers:
// two points p, p + 1 per register (each point's four values in one half,
// its twiddles in that half), instead of a 32-byte register per point. The
// outputs of a point are 16 consecutive values, so each register's halves
// are regrouped on the way out.
template <bool Inverse>
inline void twin_points(const Cf* x, Cf* y, std::int64_t m, const Cf* tw, std::int64_t twStep) {
    using K = Wide;
    using R = K::R;
    auto twiddles = [&](std::int64_t k0, std::int64_t k1) {
        const __m512d lo = vec::as<__m512d>(wide::broadcast(tw + k0));
        const __m256d hi = _mm512_castpd512_pd256(vec::as<__m512d>(wide::broadcast(tw + k1)));
        return K::twiddle<Inverse>(vec::as<R>(_mm512_insertf64x4(lo, hi, 1)));
    };
    for (std::int64_t p = 0; p < m; p += 2) {
        const Radix4<Inverse, K> r(K::load(x + 4 * p), K::load(x + 4 * p + 4 * m), K::load(x + 4 * p + 8 * m),
                                   K::load(x + 4 * p + 12 * m), twiddles(p * twStep, (p + 1) * twStep),
                                   twiddles(2 * p * twStep, 2 * (p + 1) * twStep),
                                   twiddles(3 * p * twStep, 3 * (p + 1) * twStep));
        const __m512d y0 = vec::as<__m512d>(r.y[0]), y1 = vec::as<__m512d>(r.y[1]);
        const __m512d y2 = vec::as<__m512d>(r.y[2]), y3 = vec::as<__m512d>(r.y[3]);
        double* o = reinterpret_cast<double*>(y + 16 * p);
        _mm512_storeu_pd(o, _mm512_shuffle_f64x2(y0, y1, _MM_SHUFFLE(1, 0, 1, 0)));
        _mm512_storeu_pd(o + 8, _mm512_shuffle_f64x2(y2, y3, _MM_SHUFFLE(1, 0, 1, 0)));
        _mm512_storeu_pd(o + 16, _mm512_shuffle_f64x2(y0, y1, _MM_SHUFFLE(3, 2, 3, 2)));
        _mm512_storeu_pd(o + 24, _mm512_shuffle_f64x2(y2, y3, _MM_SHUFFLE(3, 2, 3, 2)));
    }
}
#endif

// The widest register kind whose values fit in `span` (a power of two).
template <class F>
inline void with_kind(std::int64_t span, F&& f) {
    if (span >= wide::kComplex) f(Wide{});
#if RVL_VEC_BYTES == 64
    else if (span >= 4) f(Half{});
#endif
    else if (span >= 2) f(Pair{});
    else f(One{});
}
}  // namespace group

// One radix-4 Stockham pass: n points per sub-sequence, s sub-sequences
// (n * s = N), twiddle w_N^(p s) at tw[p * s * stride].
template <bool Inverse>
void radix4_pass(const Cf* x, Cf* y, std::int64_t n, std::int64_t s, const Cf* tw, std::int64_t stride) {
    const std::int64_t m = n / 4;
    if (s == 1) {
        // Vectorised over p: a register of butterflies at a time, their
        // twiddles gathered and their outputs interleaved on the way out;
        // then two at a time.
        std::int64_t p = 0;
#if RVL_VEC_BYTES >= 32
        namespace w = wide;
        using V = w::V;
        for (; p + w::kComplex <= m; p += w::kComplex) {
            const V a = w::load(x + p), b = w::load(x + p + m), c = w::load(x + p + 2 * m), d = w::load(x + p + 3 * m);
            const V w1 = w::twiddle_of<Inverse>(w::strided(tw, p * stride, stride));
            const V w2 = w::twiddle_of<Inverse>(w::strided(tw, 2 * p * stride, 2 * stride));
            const V w3 = w::twiddle_of<Inverse>(w::strided(tw, 3 * p * stride, 3 * stride));
            const V apc = a + c, amc = a - c, bpd = b + d;
            const V jbmd = w::times_i<Inverse>(b - d);
            w::store_interleaved4(y + 4 * p, apc + bpd, w::cmul(amc + jbmd, w1), w::cmul(apc - bpd, w2), w::cmul(amc - jbmd, w3));
        }
#endif
        for (; p + 2 <= m; p += 2) {
            const __m128 a = load2(x + p), b = load2(x + p + m), c = load2(x + p + 2 * m), d = load2(x + p + 3 * m);
            const __m128 w1 = twiddle_of<Inverse>(load_two(tw + p * stride, tw + (p + 1) * stride));
            const __m128 w2 = twiddle_of<Inverse>(load_two(tw + 2 * p * stride, tw + 2 * (p + 1) * stride));
            const __m128 w3 = twiddle_of<Inverse>(load_two(tw + 3 * p * stride, tw + 3 * (p + 1) * stride));
            const __m128 apc = _mm_add_ps(a, c), amc = _mm_sub_ps(a, c), bpd = _mm_add_ps(b, d);
            const __m128 jbmd = times_i<Inverse>(_mm_sub_ps(b, d));
            const __m128 y0 = _mm_add_ps(apc, bpd);
            const __m128 y1 = cmul(_mm_add_ps(amc, jbmd), w1);
            const __m128 y2 = cmul(_mm_sub_ps(apc, bpd), w2);
            const __m128 y3 = cmul(_mm_sub_ps(amc, jbmd), w3);
            Cf* o = y + 4 * p;
            store_low(o + 0, y0), store_low(o + 1, y1), store_low(o + 2, y2), store_low(o + 3, y3);
            store_high(o + 4, y0), store_high(o + 5, y1), store_high(o + 6, y2), store_high(o + 7, y3);
        }
        for (; p < m; ++p) {
            const __m128 a = load1x2(x + p), b = load1x2(x + p + m), c = load1x2(x + p + 2 * m), d = load1x2(x + p + 3 * m);
            const __m128 apc = _mm_add_ps(a, c), amc = _mm_sub_ps(a, c), bpd = _mm_add_ps(b, d);
            const __m128 jbmd = times_i<Inverse>(_mm_sub_ps(b, d));
            Cf* o = y + 4 * p;
            store_low(o + 0, _mm_add_ps(apc, bpd));
            store_low(o + 1, cmul(_mm_add_ps(amc, jbmd), twiddle_of<Inverse>(load1x2(tw + p * stride))));
            store_low(o + 2, cmul(_mm_sub_ps(apc, bpd), twiddle_of<Inverse>(load1x2(tw + 2 * p * stride))));
            store_low(o + 3, cmul(_mm_sub_ps(amc, jbmd), twiddle_of<Inverse>(load1x2(tw + 3 * p * stride))));
        }
        return;
    }
#if RVL_VEC_BYTES == 64
    if (s == 4 && m >= 2) {
        group::twin_points<Inverse>(x, y, m, tw, s * stride);
        return;
    }
#endif
    // s >= 4 (a power of four times the first pass's 1), vectorised over q
    // in the widest registers s values fill.
    group::with_kind(s, [&](auto kind) {
        group::pass_points<Inverse, decltype(kind)>(x, y, m, s, s, 4 * s, s * m, s, 1, 0, tw, s * stride);
    });
}

// The last pass when n is odd: n = 2 points per sub-sequence, twiddle 1
// (s a power of two), in the widest registers s values fill.
inline void radix2_pass(const Cf* x, Cf* y, std::int64_t s) {
    group::with_kind(s, [&](auto kind) {
        using K = decltype(kind);
        for (std::int64_t q = 0; q < s; q += K::kStep) {
            const auto a = K::load(x + q), b = K::load(x + q + s);
            K::store(y + q, a + b);
            K::store(y + q + s, a - b);
        }
    });
}

// ---- Column groups: `batch` transforms of interleaved values (value i of
// transform b at x[i * batch + b]), run in place. The passes are the
// Stockham passes' butterflies and twiddles (decimation in frequency, the
// radix-2 pass last), applied where the values stand instead of moved to
// their sorted places, so every value gets the same bits as from
// complex_transform; the spectrum is left in digit-reversed order, value k
// at inplace_position(k, order). The registers hold values of several
// transforms, so one twiddle serves a whole register.

// Where the in-place passes leave frequency k of a 2^order-point transform:
// each radix-4 pass sends the frequencies k = j (mod 4) to its quarter j.
inline std::int64_t inplace_position(std::int64_t k, int order) {
    std::int64_t n = std::int64_t{1} << order, at = 0;
    for (; n >= 4; k >>= 2) {
        n >>= 2;
        at += (k & 3) * n;
    }
    return n == 2 ? at + k : at;
}

// The number of passes of a 2^order-point transform.
inline int pass_count(int order) { return order / 2 + (order & 1); }

namespace group {
// Passes [from, to) of the in-place transforms: pass i is radix-4 over
// sub-transforms of n = N / 4^i points (s = 4^i of them), the radix-2 pass
// last when the order is odd.
template <bool Inverse, class K>
void passes(Cf* x, int order, const Cf* tw, std::int64_t stride, std::int64_t batch, int from, int to) {
    using R = typename K::R;
    for (int i = from; i < to; ++i) {
        const std::int64_t n = (std::int64_t{1} << order) >> (2 * i), s = std::int64_t{1} << (2 * i);
        if (n >= 4) {
            const std::int64_t m = n / 4;
            pass_points<Inverse, K>(x, x, m, batch, batch, batch, m * batch, m * batch, s, n * batch, tw, s * stride);
            continue;
        }
        for (std::int64_t t = 0; t < s; ++t) {
            Cf* v = x + t * 2 * batch;
            for (std::int64_t q = 0; q < batch; q += K::kStep) {
                const R a = K::load(v + q), b = K::load(v + q + batch);
                K::store(v + q, a + b);
                K::store(v + q + batch, a - b);
            }
        }
    }
}

// A piece of `batch` values in each row of an image of complex values (T
// is Cf or const Cf).
template <class T>
struct Rows {
    T* base;            // the piece of row 0
    std::int64_t step;  // bytes
    T* at(std::int64_t r) const {
        using Byte = std::conditional_t<std::is_const_v<T>, const char, char>;
        return reinterpret_cast<T*>(reinterpret_cast<Byte*>(base) + r * step);
    }
};

template <bool Inverse, class K>
inline typename K::R twiddle_at(const Cf* tw, std::int64_t k) {
    return K::template twiddle<Inverse>(K::broadcast(tw + k));
}

// The first Depth passes (1, or 2 when the second is radix-4 too) with their
// inputs read from the rows of `src` instead of x (value i from row i), the
// results left in x as the in-place passes leave them. Two passes take the
// 16 values i = p + jj N/16 + j N/4 (j, jj < 4) together: the first pass's
// butterflies over j, then the second's over jj.
template <bool Inverse, class K, int Depth>
void head(Rows<const Cf> src, Cf* x, int order, const Cf* tw, std::int64_t stride, std::int64_t batch) {
    using R = typename K::R;
    const std::int64_t m = (std::int64_t{1} << order) / 4;
    if constexpr (Depth == 1) {
        for (std::int64_t p = 0; p < m; ++p) {
            const R w1 = twiddle_at<Inverse, K>(tw, p * stride), w2 = twiddle_at<Inverse, K>(tw, 2 * p * stride),
                    w3 = twiddle_at<Inverse, K>(tw, 3 * p * stride);
            const Cf *a = src.at(p), *b = src.at(p + m), *c = src.at(p + 2 * m), *d = src.at(p + 3 * m);
            for (std::int64_t q = 0; q < batch; q += K::kStep) {
                const Radix4<Inverse, K> r(K::load(a + q), K::load(b + q), K::load(c + q), K::load(d + q), w1, w2, w3);
                for (int j = 0; j < 4; ++j) K::store(x + (p + j * m) * batch + q, r.y[j]);
            }
        }
    } else {
        const std::int64_t m1 = m / 4;
        for (std::int64_t p = 0; p < m1; ++p) {
            R w[4][3], u[3];
            for (int e = 1; e <= 3; ++e) {
                for (int jj = 0; jj < 4; ++jj) w[jj][e - 1] = twiddle_at<Inverse, K>(tw, e * (p + jj * m1) * stride);
                u[e - 1] = twiddle_at<Inverse, K>(tw, e * p * 4 * stride);
            }
            for (std::int64_t q = 0; q < batch; q += K::kStep) {
                R v[4][4];
                for (int jj = 0; jj < 4; ++jj) {
                    const std::int64_t i = p + jj * m1;
                    const Radix4<Inverse, K> r(K::load(src.at(i) + q), K::load(src.at(i + m) + q), K::load(src.at(i + 2 * m) + q),
                                               K::load(src.at(i + 3 * m) + q), w[jj][0], w[jj][1], w[jj][2]);
                    for (int j = 0; j < 4; ++j) v[j][jj] = r.y[j];
                }
                for (int j = 0; j < 4; ++j) {
                    const Radix4<Inverse, K> r(v[j][0], v[j][1], v[j][2], v[j][3], u[0], u[1], u[2]);
                    for (int jj = 0; jj < 4; ++jj) K::store(x + (p + jj * m1 + j * m) * batch + q, r.y[jj]);
                }
            }
        }
    }
}

// The last Depth passes (1 or 2) with their outputs written to the rows of
// `dst` in frequency order, multiplied by `scale` unless it is null. The last
// pass is radix-4 over sub-transforms of 4 points, or radix-2 over 2 when the
// order is odd; with `Last` its radix, the values the last Depth passes take
// together (4 or 2, times 4 for two passes) start at inplace_position(k) for
// k < N / values, and are frequencies k + j N/values (j < values): the last
// pass's outputs are the highest digit of the frequency, the pass before's
// the next. The rows are taken from the last to the first, the reverse of
// the head's order, so the rows read last are written first, while the
// caches still hold them.
template <bool Inverse, class K, int Depth, int Last>
void tail(const Cf* x, Rows<Cf> dst, int order, const Cf* tw, std::int64_t stride, std::int64_t batch, const float* scale) {
    using R = typename K::R;
    constexpr int last = Last, values = Depth == 1 ? last : 4 * last;
    const std::int64_t rows = (std::int64_t{1} << order) / values;
    const Cf factors{scale ? *scale : 1.0f, scale ? *scale : 1.0f};
    const R f = K::broadcast(&factors), one = twiddle_at<Inverse, K>(tw, 0);
    // The first of the two passes: points jj < last of sub-transforms of
    // 4 * last values, n / (4 * last) of them.
    R w[4][3];
    if constexpr (Depth == 2)
        for (int jj = 0; jj < last; ++jj)
            for (int e = 1; e <= 3; ++e) w[jj][e - 1] = twiddle_at<Inverse, K>(tw, e * jj * rows * stride);
    for (std::int64_t k = rows - 1; k >= 0; --k) {
        const Cf* v = x + inplace_position(k, order) * batch;
        for (std::int64_t q = 0; q < batch; q += K::kStep) {
            R a[4][4];  // a[j][jj]: input jj of the last pass's butterfly j
            if constexpr (Depth == 1) {
                for (int jj = 0; jj < last; ++jj) a[0][jj] = K::load(v + jj * batch + q);
            } else {
                // the pass before: butterflies over the values jj + j last
                for (int jj = 0; jj < last; ++jj) {
                    const Radix4<Inverse, K> r(K::load(v + jj * batch + q), K::load(v + (jj + last) * batch + q),
                                               K::load(v + (jj + 2 * last) * batch + q),
                                               K::load(v + (jj + 3 * last) * batch + q), w[jj][0], w[jj][1], w[jj][2]);
                    for (int j = 0; j < 4; ++j) a[j][jj] = r.y[j];
                }
            }
            R y[4][4];  // y[j][jj]: output jj of the last pass's butterfly j
            for (int j = 0; j < values / last; ++j) {
                if constexpr (last == 4) {
                    const Radix4<Inverse, K> r(a[j][0], a[j][1], a[j][2], a[j][3], one, one, one);
                    for (int jj = 0; jj < 4; ++jj) y[j][jj] = r.y[jj];
                } else {
                    y[j][0] = a[j][0] + a[j][1];
                    y[j][1] = a[j][0] - a[j][1];
                }
            }
            for (int j = 0; j < values / last; ++j)
                for (int jj = 0; jj < last; ++jj)
                    K::store(dst.at(k + (j + jj * (values / last)) * rows) + q, scale ? y[j][jj] * f : y[j][jj]);
        }
    }
}
}  // namespace group

// The unscaled transforms of a column group, in place; `batch` a power of two.
template <bool Inverse>
void group_transform(Cf* x, int order, const Cf* tw, std::int64_t stride, std::int64_t batch) {
    group::with_kind(batch, [&](auto kind) {
        group::passes<Inverse, decltype(kind)>(x, order, tw, stride, batch, 0, pass_count(order));
    });
}

// The transforms of `batch` columns of complex values (a power of two) from
// the rows of `src` to the rows of `dst` (which may be the same), through x
// (2^order * batch values), multiplied by `scale` unless it is null: the
// in-place passes of group_transform, each value getting the same bits, the
// first one or two reading the rows and the last one or two writing them in
// frequency order; each sweep of x left out is one pass less through the
// caches. Needs two passes at least (order 3 or more).
inline constexpr bool kTwoPassEnds = RVL_VEC_BYTES == 64;

template <bool Inverse>
void group_columns(group::Rows<const Cf> src, group::Rows<Cf> dst, Cf* x, int order, const Cf* tw, std::int64_t stride,
                   std::int64_t batch, const float* scale) {
    // Two passes at each end hold 16 registers of values and their twiddles:
    // only the 32 registers of the widest variant keep them without spilling
    // (measured at 1024 x 1024: with two at each end, the SSE4.1 complex
    // transform took 8.3 ms instead of 6.6, the AVX2 real one 2.9 instead of
    // 2.7-2.8).
    const int count = pass_count(order);
    const bool twoFirst = kTwoPassEnds && count >= 4, twoLast = kTwoPassEnds && count >= 3;
    group::with_kind(batch, [&](auto kind) {
        using K = decltype(kind);
        if (twoFirst) group::head<Inverse, K, 2>(src, x, order, tw, stride, batch);
        else group::head<Inverse, K, 1>(src, x, order, tw, stride, batch);
        group::passes<Inverse, K>(x, order, tw, stride, batch, twoFirst ? 2 : 1, twoLast ? count - 2 : count - 1);
        auto finish = [&](auto last) {
            if (twoLast) group::tail<Inverse, K, 2, last>(x, dst, order, tw, stride, batch, scale);
            else group::tail<Inverse, K, 1, last>(x, dst, order, tw, stride, batch, scale);
        };
        if (order & 1) finish(std::integral_constant<int, 2>{});
        else finish(std::integral_constant<int, 4>{});
    });
}

// The unscaled complex transform of 2^order points from `in` to `out`
// (which may be the same), with `scratch` of 2^order points; the twiddle
// w_N^k is tw[k * stride].
template <bool Inverse>
void complex_transform(const Cf* in, Cf* out, Cf* scratch, int order, const Cf* tw, std::int64_t stride) {
    const std::int64_t total = std::int64_t{1} << order;
    const int passes = order / 2 + (order & 1);
    if (passes == 0) {
        out[0] = in[0];
        return;
    }
    // Pass i writes out when passes - 1 - i is even, the scratch otherwise.
    const Cf* src = in;
    if (in == out && passes % 2 == 1) {
        std::memcpy(scratch, in, static_cast<std::size_t>(total) * sizeof(Cf));
        src = scratch;
    }
    std::int64_t n = total, s = 1;
    for (int i = 0; i < passes; ++i) {
        Cf* dst = (passes - 1 - i) % 2 == 0 ? out : scratch;
        if (dst == src) dst = dst == out ? scratch : out;  // never write the buffer being read
        if (n >= 4) {
            radix4_pass<Inverse>(src, dst, n, s, tw, stride);
            n /= 4;
            s *= 4;
        } else {
            radix2_pass(src, dst, s);
            n /= 2;
            s *= 2;
        }
        src = dst;
    }
    if (src != out) std::memcpy(out, src, static_cast<std::size_t>(total) * sizeof(Cf));
}

inline void scale_values(float* v, std::int64_t count, float factor) {
    const __m128 f = _mm_set1_ps(factor);
    std::int64_t i = 0;
    for (; i + 4 <= count; i += 4) _mm_storeu_ps(v + i, _mm_mul_ps(_mm_loadu_ps(v + i), f));
    for (; i < count; ++i) v[i] *= factor;
}

// The recombination of a real transform, for k = 1 .. h/2 and j = h - k
// together (both read before either is written): with a = Z(k), b = Z(j),
// w = w_N^k, E = (a + conj b)/2 and O = -i (a - conj b)/2,
//   X(k) = E + w O,  X(j) = conj(E - w O)
// (w_N^j = -conj w_N^k). Two values of k per register while k + 1 < h/2.
inline void recombine_forward(Cf* z, std::int64_t h, const Cf* rec) {
    const __m128 half = _mm_set1_ps(0.5f), conjMask = _mm_setr_ps(0.0f, -0.0f, 0.0f, -0.0f);
    std::int64_t k = 1;
#if RVL_VEC_BYTES >= 32
    {
        // A register of values of k, and of j in reverse, at a time.
        namespace w = wide;
        using V = w::V;
        const V halves = vec::splat<V>(0.5f), conj = w::pairs(0.0f, -0.0f);
        for (; k + w::kComplex - 1 < h / 2; k += w::kComplex) {
            const std::int64_t j = h - k - (w::kComplex - 1);
            const V a = w::load(z + k);
            const V cb = w::flip(w::reverse(w::load(z + j)), conj);
            const V e = halves * (a + cb);
            const V o = halves * w::times_i<false>(a - cb);
            const V wo = w::cmul(w::load(rec + k), o);
            w::store(z + k, e + wo);
            w::store(z + j, w::reverse(w::flip(e - wo, conj)));
        }
    }
#endif
    for (; k + 1 < h / 2; k += 2) {
        const std::int64_t j = h - k;
        const __m128 a = load2(z + k);
        const __m128 bj = load2(z + j - 1);  // Z(j-1), Z(j)
        const __m128 b = _mm_shuffle_ps(bj, bj, _MM_SHUFFLE(1, 0, 3, 2));  // Z(j), Z(j-1)
        const __m128 cb = _mm_xor_ps(b, conjMask);
        const __m128 e = _mm_mul_ps(half, _mm_add_ps(a, cb));
        const __m128 o = _mm_mul_ps(half, times_i<false>(_mm_sub_ps(a, cb)));
        const __m128 wo = cmul(load2(rec + k), o);
        store2(z + k, _mm_add_ps(e, wo));
        const __m128 xj = _mm_xor_ps(_mm_sub_ps(e, wo), conjMask);
        store2(z + j - 1, _mm_shuffle_ps(xj, xj, _MM_SHUFFLE(1, 0, 3, 2)));
    }
    for (; k <= h / 2; ++k) {
        const std::int64_t j = h - k;
        const Cf a = z[k], b = z[j], w = rec[k];
        const float er = 0.5f * (a.re + b.re), ei = 0.5f * (a.im - b.im);
        const float or_ = 0.5f * (a.im + b.im), oi = -0.5f * (a.re - b.re);
        const float wr = w.re * or_ - w.im * oi, wi = w.re * oi + w.im * or_;
        z[k] = Cf{er + wr, ei + wi};
        if (j != k) z[j] = Cf{er - wr, -(ei - wi)};
    }
}

// The reverse: with E = X(k) + conj X(j) and O = (X(k) - conj X(j)) conj w,
//   Z(k) = E + i O,  Z(j) = conj(E - i O).
inline void recombine_inverse(Cf* z, std::int64_t h, const Cf* rec) {
    const __m128 conjMask = _mm_setr_ps(0.0f, -0.0f, 0.0f, -0.0f);
    std::int64_t k = 1;
#if RVL_VEC_BYTES >= 32
    {
        namespace w = wide;
        using V = w::V;
        const V conj = w::pairs(0.0f, -0.0f);
        for (; k + w::kComplex - 1 < h / 2; k += w::kComplex) {
            const std::int64_t j = h - k - (w::kComplex - 1);
            const V a = w::load(z + k);
            const V cb = w::flip(w::reverse(w::load(z + j)), conj);
            const V e = a + cb;
            const V io = w::times_i<true>(w::cmul(a - cb, w::flip(w::load(rec + k), conj)));
            w::store(z + k, e + io);
            w::store(z + j, w::reverse(w::flip(e - io, conj)));
        }
    }
#endif
    for (; k + 1 < h / 2; k += 2) {
        const std::int64_t j = h - k;
        const __m128 a = load2(z + k);
        const __m128 bj = load2(z + j - 1);
        const __m128 b = _mm_shuffle_ps(bj, bj, _MM_SHUFFLE(1, 0, 3, 2));
        const __m128 cb = _mm_xor_ps(b, conjMask);
        const __m128 e = _mm_add_ps(a, cb);
        const __m128 io = times_i<true>(cmul(_mm_sub_ps(a, cb), _mm_xor_ps(load2(rec + k), conjMask)));
        store2(z + k, _mm_add_ps(e, io));
        const __m128 zj = _mm_xor_ps(_mm_sub_ps(e, io), conjMask);
        store2(z + j - 1, _mm_shuffle_ps(zj, zj, _MM_SHUFFLE(1, 0, 3, 2)));
    }
    for (; k <= h / 2; ++k) {
        const std::int64_t j = h - k;
        const Cf a = z[k], b = z[j], w = rec[k];
        const float er = a.re + b.re, ei = a.im - b.im;
        const float dr = a.re - b.re, di = a.im + b.im;
        const float or_ = dr * w.re + di * w.im, oi = di * w.re - dr * w.im;
        z[k] = Cf{er - oi, ei + or_};
        if (j != k) z[j] = Cf{er + oi, -(ei - or_)};
    }
}

// One and two samples, forward and inverse alike (unscaled): X0 = x0 (+ x1),
// X1 = x0 - x1. True when the order is one of these.
inline bool short_real(const float* in, float* out, int order) {
    if (order == 0) {
        out[0] = in[0];
        return true;
    }
    if (order == 1) {
        const float a = in[0], b = in[1];
        out[0] = a + b;
        out[1] = a - b;
        return true;
    }
    return false;
}

// Real forward transform of 2^order samples into the packed layout. `half`
// is the twiddle table of the 2^(order-1)-point complex transform (stride
// halfStride), `rec` holds w_N^k for k < N/2 (the recombination).
inline void real_forward(const float* in, float* out, Cf* scratch, int order, const Cf* half, std::int64_t halfStride,
                         const Cf* rec) {
    if (short_real(in, out, order)) return;
    const std::int64_t total = std::int64_t{1} << order, h = total / 2;
    Cf* z = reinterpret_cast<Cf*>(out);
    complex_transform<false>(reinterpret_cast<const Cf*>(in), z, scratch, order - 1, half, halfStride);
    const Cf z0 = z[0];
    recombine_forward(z, h, rec);
    // Z(k) sits at floats 2k, 2k+1; the packed layout wants Re X(k) at 2k-1.
    const float last = z0.re - z0.im;
    std::memmove(out + 1, out + 2, static_cast<std::size_t>(total - 2) * sizeof(float));
    out[0] = z0.re + z0.im;
    out[total - 1] = last;
}

// The exact reverse of real_forward, unscaled (the result is N times the
// samples whose packed spectrum `in` is).
inline void real_inverse(const float* in, float* out, Cf* scratch, int order, const Cf* half, std::int64_t halfStride,
                         const Cf* rec) {
    if (short_real(in, out, order)) return;
    const std::int64_t total = std::int64_t{1} << order, h = total / 2;
    const float x0 = in[0], xh = in[total - 1];
    std::memmove(out + 2, in + 1, static_cast<std::size_t>(total - 2) * sizeof(float));
    Cf* z = reinterpret_cast<Cf*>(out);
    recombine_inverse(z, h, rec);
    z[0] = Cf{x0 + xh, x0 - xh};
    complex_transform<true>(z, z, scratch, order - 1, half, halfStride);
}

}  // namespace rvl::fft
