// Linear remap of 8u rows (1, 3 or 4 elements a pixel, W of them written)
// and one-channel 32f rows, one register lane per destination pixel: the
// map values of consecutive pixels are loaded together, the taps gathered. Each lane performs the scalar form's
// operations in its order (linear_q14 and linear), so every variant gives
// its bytes. Returns the number of leading pixels done (whole registers);
// the caller finishes the row.
#pragma once

#include <cstdint>
#include <type_traits>

#include "kernels/remap_sample.hpp"
#include "kernels/vec.hpp"

namespace rvl::kernels::remap {

// Whether the source can be addressed with 32-bit offsets and is wide
// enough for the 8u word loads.
template <class T>
inline bool row_fits(const Image<T>& s) {
    const I64 span = (s.h - 1) * (s.step < 0 ? -s.step : s.step) + s.w * s.channels * static_cast<I64>(sizeof(T));
    return span < (I64{1} << 31) - 64 && s.w >= 4;
}

// The words of the 8u pixels at x in the rows at rowOffset, each shifted to
// the pixel's first byte; a word ends inside its row.
template <int CH>
inline vec::u32 pixel_words(const Image<Rvl8u>& s, vec::i32 rowOffset, vec::i32 x) {
    const vec::i32 at = x * CH, limit = vec::splat<vec::i32>(static_cast<int>(s.w * CH - 4));
    const vec::i32 start = at < limit ? at : limit;
    return vec::gather_u32(s.base, rowOffset + start) >> vec::as<vec::u32>((at - start) * 8);
}

template <class T, int CH = 1, int W = 1>
I64 linear_row(const Image<T>& s, const char* mapX, const char* mapY, char* dst, I64 width) {
    using vec::f32;
    using vec::i32;
    constexpr I64 L = static_cast<I64>(vec::lanes<float>);
    const f32 xmin = vec::splat<f32>(static_cast<float>(s.xmin)), xmax = vec::splat<f32>(static_cast<float>(s.xmax));
    const f32 ymin = vec::splat<f32>(static_cast<float>(s.ymin)), ymax = vec::splat<f32>(static_cast<float>(s.ymax));
    auto index = [](f32 v, I64 lo, I64 hi, I64 n) {
        // trunc, limited to [lo, hi] (lanes outside the ROI hold anything),
        // lowered at hi, kept inside the image.
        const i32 vlo = vec::splat<i32>(static_cast<int>(lo)), vhi = vec::splat<i32>(static_cast<int>(hi));
        i32 i = vec::trunc_i32(v);
        i = i < vlo ? vlo : i;
        i = i > vhi ? vhi : i;
        i = i == vhi ? i - 1 : i;
        const i32 zero = vec::splat<i32>(0), top = vec::splat<i32>(static_cast<int>(n - 2));
        i = i < zero ? zero : i;
        return i > top ? top : i;
    };
    const i32 step = vec::splat<i32>(static_cast<int>(s.step));
    I64 k = 0;
    for (; k + L <= width; k += L) {
        f32 X, Y;
        __builtin_memcpy(&X, mapX + k * 4, sizeof X);
        __builtin_memcpy(&Y, mapY + k * 4, sizeof Y);
        const vec::i32 in = X >= xmin & X <= xmax & Y >= ymin & Y <= ymax;
        const std::uint64_t inside = vec::lane_bits(in);
        if (!inside) continue;
        // Lanes outside the ROI compute on its corner and store nothing.
        X = in != 0 ? X : xmin;
        Y = in != 0 ? Y : ymin;
        const i32 ix = index(X, s.xmin, s.xmax, s.w), iy = index(Y, s.ymin, s.ymax, s.h);
        const i32 row0 = iy * step, row1 = row0 + step;
        alignas(64) std::int32_t outI[L];
        alignas(64) float outF[L];
        if constexpr (std::is_same_v<T, Rvl8u>) {
            const f32 q = vec::splat<f32>(16384.0f);
            const i32 wx = vec::as<i32>(vec::to_i32(vec::as<vec::F>((X - vec::as<f32>(vec::to_f32(vec::as<vec::I>(ix)))) * q)));
            const i32 wy = vec::as<i32>(vec::to_i32(vec::as<vec::F>((Y - vec::as<f32>(vec::to_f32(vec::as<vec::I>(iy)))) * q)));
            const i32 a = vec::splat<i32>(16384) - wx, c = vec::splat<i32>(16384) - wy;
            // One-channel rows read both taps of a row from one word.
            const vec::u32 w00 = pixel_words<CH>(s, row0, ix), w10 = pixel_words<CH>(s, row1, ix);
            const vec::u32 w01 = CH == 1 ? w00 >> 8 : pixel_words<CH>(s, row0, ix + 1);
            const vec::u32 w11 = CH == 1 ? w10 >> 8 : pixel_words<CH>(s, row1, ix + 1);
            // The sums of two products are taken by 16-bit multiply-adds
            // (values, weights and the row results t0, t1 all fit in 16
            // bits; the sums in 32): tap pairs (left, right) against
            // (a, wx), then (t0, t1) against (c, wy). The result lies in
            // [0, 255] by construction.
            auto madd = [](i32 pairs, i32 weights) {
                return vec::as<i32>(RVL_MM(madd_epi16)(vec::as<vec::I>(pairs), vec::as<vec::I>(weights)));
            };
            const i32 across = a | (wx << 16), down = c | (wy << 16);
            i32 packed = vec::splat<i32>(0);
            for (int ch = 0; ch < W; ++ch) {
                auto pair = [&](vec::u32 left, vec::u32 right) {
                    return vec::as<i32>(((left >> (8 * ch)) & 0xFF) | (((right >> (8 * ch)) & 0xFF) << 16));
                };
                const i32 t0 = madd(pair(w00, w01), across) >> 8;
                const i32 t1 = madd(pair(w10, w11), across) >> 8;
                const i32 v = (madd(t0 | (t1 << 16), down) + 33) >> 20;
                packed |= v << (8 * ch);
            }
            const bool all = inside == (std::uint64_t{1} << L) - 1;
            if (all && CH == 1) {
                vec::store_low(reinterpret_cast<Rvl8u*>(dst + k), vec::as<vec::I>(packed));
                continue;
            }
            if (all && CH == 4 && W == 4) {
                vec::storeu(dst + k * 4, vec::as<vec::I>(packed));
                continue;
            }
            if (all && CH == 3) {
                // Four pixels a 16-byte piece, each piece's three-byte
                // pixels moved together and stored as 12 bytes.
                alignas(64) std::int32_t words[L];
                vec::storeu(words, vec::as<vec::I>(packed));
                const __m128i squeeze = _mm_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
                for (I64 q = 0; q < L; q += 4) {
                    const __m128i p = _mm_shuffle_epi8(_mm_load_si128(reinterpret_cast<const __m128i*>(words + q)), squeeze);
                    const long long lo = _mm_cvtsi128_si64(p);
                    const int hi = _mm_extract_epi32(p, 2);
                    __builtin_memcpy(dst + (k + q) * 3, &lo, 8);
                    __builtin_memcpy(dst + (k + q) * 3 + 8, &hi, 4);
                }
                continue;
            }
            vec::storeu(outI, vec::as<vec::I>(packed));
        } else {
            const f32 fx = X - vec::as<f32>(vec::to_f32(vec::as<vec::I>(ix)));
            const f32 fy = Y - vec::as<f32>(vec::to_f32(vec::as<vec::I>(iy)));
            const i32 x4 = ix * 4;
            const f32 p00 = vec::as<f32>(vec::gather_u32(s.base, row0 + x4)), p01 = vec::as<f32>(vec::gather_u32(s.base, row0 + x4 + 4));
            const f32 p10 = vec::as<f32>(vec::gather_u32(s.base, row1 + x4)), p11 = vec::as<f32>(vec::gather_u32(s.base, row1 + x4 + 4));
            const f32 one = vec::splat<f32>(1.0f);
            const f32 r0 = p00 * (one - fx) + p01 * fx;
            const f32 r1 = p10 * (one - fx) + p11 * fx;
            const f32 v = r0 * (one - fy) + r1 * fy;
            if (inside == (std::uint64_t{1} << L) - 1) {
                __builtin_memcpy(dst + k * 4, &v, sizeof v);
                continue;
            }
            vec::storeu(outF, vec::as<vec::F>(v));
        }
        for (std::uint64_t m = inside; m; m &= m - 1) {
            const int r = __builtin_ctzll(m);
            if constexpr (std::is_same_v<T, Rvl8u>) {
                // A three-channel pixel followed by one this block writes
                // too is stored as a whole word (the next store rewrites
                // the fourth byte).
                if (CH == 3 && (m & (m - 1)) && ((m >> (r + 1)) & 1)) __builtin_memcpy(dst + (k + r) * CH, &outI[r], 4);
                else __builtin_memcpy(dst + (k + r) * CH, &outI[r], W);
            } else {
                __builtin_memcpy(dst + (k + r) * 4, &outF[r], 4);
            }
        }
    }
    return k;
}

}  // namespace rvl::kernels::remap
