#include "ResponseKernel.h"

#include "FrequencyGrid.h"
#include "SharedConstants.h"

#include <cmath>
#include <cstdint>

#include <immintrin.h>

namespace {

const double kPi = 3.14159265358979323846;
const double kLn2 = 0.69314718055994530942;
const double kDbPerNeper = 10.0 / 2.30258509299404568402; // 10 / ln 10: dB of a power ratio
const double kTanPi8 = 0.41421356237309504880;
const double kMinNormal = 2.2250738585072014e-308;
const double kMaxFinite = 1.7976931348623157e308;
// An exponent field put into the mantissa of 2^52 and 2^52 subtracted again:
// the field as a double, exactly.
const long long kExponentBits = 0x4330000000000000LL;
const double kExponentBias = 4503599627370496.0;
const long long kMantissaMask = 0x000FFFFFFFFFFFFFLL;
const long long kOneBits = 0x3FF0000000000000LL; // 1.0
// The phase sum's wrap: beyond +-18 it moves by 36, at most twice.
const double kWrapLimit = 18, kWrapStep = 36;

// Half a turn in phase units (18): the fix-ups' step.
double HalfTurn()
{
    return kPi * PhaseScale;
}

// ln((1 + t) / (1 - t)) / (2 t) = sum t^2k / (2k + 1); |t| <= 1/3 here, and
// ten terms leave less than 1e-11.
const double kAtanhSeries[] = {1.0,        1.0 / 3,  1.0 / 5,  1.0 / 7,  1.0 / 9,
                               1.0 / 11,   1.0 / 13, 1.0 / 15, 1.0 / 17, 1.0 / 19};
// atan(z) / z as a polynomial in w = z^2 for |z| <= tan(pi / 8), fitted
// (Chebyshev interpolation) to within 3e-13 rad of atan over that range; the
// series would take twelve terms for 1e-11.
const double kAtanFit[] = {0.9999999999992706,   -0.33333333278384114, 0.19999993188868181, -0.142853912591455,
                           0.11103534916306433,  -0.0899321731463124,  0.06977005505293703, -0.037701744337685084};
constexpr int kAtanTerms = sizeof kAtanFit / sizeof kAtanFit[0];

// The fit and the reduction's base angle pi / 4, both times PhaseScale, so
// that the kernels make phase units without a final multiply.
struct ScaledAtan {
    double fit[kAtanTerms];
    double quarter;
};

const ScaledAtan &Scaled()
{
    static const ScaledAtan scaled = [] {
        ScaledAtan s;
        for (int k = 0; k < kAtanTerms; ++k)
            s.fit[k] = kAtanFit[k] * PhaseScale;
        s.quarter = kPi / 4 * PhaseScale;
        return s;
    }();
    return scaled;
}

// The kernels below evaluate several grid points at a time and answer false
// when any point met a power that is zero, denormal, infinite or NaN, or a
// phase divisor that is infinite or NaN (as it is where a term is, or where
// both are near the largest double), which the series and the fit do not
// cover; the caller then evaluates the curve the plain way. N and D, and the
// phase's two terms, are formed with separate multiplies and adds in the
// plain evaluation's order (the file is compiled without contraction), so
// they round exactly as there (a section whose N equals D stays exactly
// flat); the series and the fit use fused multiply-adds.
//
// Magnitude: with p = |N|^2 = mp 2^ep and q = |D|^2 = mq 2^eq, mantissas in
// [1, 2), ln(p / q) = (ep - eq) ln 2 + 2 atanh(u), u = (mp - mq) / (mp + mq).
// Phase: atan(x / y) of the magnitudes x, y of the quotient's terms, reduced to
// an argument within tan(pi / 8): x / y, -y / x + pi / 2 or
// (x - y) / (x + y) + pi / 4; the quotient's sign is put back afterwards. The
// polynomial's powers are paired (Estrin's scheme), so that its additions do
// not wait on one another.

#define TQ62_AVX512 __attribute__((target("avx512f,avx512dq")))
#define TQ62_AVX2 __attribute__((target("avx2,fma")))

// N and D at eight (AVX-512) or four (AVX2) grid points, from coefficients
// broadcast once per curve; shared by the magnitude and phase kernels.
struct Broadcast512 {
    __m512d b0, b1, b2, a0, a1, a2, nb1, nb2, na1, na2;
};
struct Terms512 {
    __m512d reN, imN, reD, imD;
};

TQ62_AVX512 inline __attribute__((always_inline)) void Broadcast(const FilterCoefficients &c, Broadcast512 &k)
{
    k.b0 = _mm512_set1_pd(c.b0), k.b1 = _mm512_set1_pd(c.b1), k.b2 = _mm512_set1_pd(c.b2);
    k.a0 = _mm512_set1_pd(c.a0), k.a1 = _mm512_set1_pd(c.a1), k.a2 = _mm512_set1_pd(c.a2);
    k.nb1 = _mm512_set1_pd(-c.b1), k.nb2 = _mm512_set1_pd(-c.b2);
    k.na1 = _mm512_set1_pd(-c.a1), k.na2 = _mm512_set1_pd(-c.a2);
}

TQ62_AVX512 inline __attribute__((always_inline)) void Terms(const Broadcast512 &k, const FrequencyGridTables &g, int i, Terms512 &t)
{
    const __m512d c1 = _mm512_load_pd(g.cos1 + i), s1 = _mm512_load_pd(g.sin1 + i);
    const __m512d c2 = _mm512_load_pd(g.cos2 + i), s2 = _mm512_load_pd(g.sin2 + i);
    t.reN = _mm512_add_pd(_mm512_add_pd(k.b0, _mm512_mul_pd(k.b1, c1)), _mm512_mul_pd(k.b2, c2));
    t.imN = _mm512_add_pd(_mm512_mul_pd(k.nb1, s1), _mm512_mul_pd(k.nb2, s2));
    t.reD = _mm512_add_pd(_mm512_add_pd(k.a0, _mm512_mul_pd(k.a1, c1)), _mm512_mul_pd(k.a2, c2));
    t.imD = _mm512_add_pd(_mm512_mul_pd(k.na1, s1), _mm512_mul_pd(k.na2, s2));
}

struct Broadcast256 {
    __m256d b0, b1, b2, a0, a1, a2, nb1, nb2, na1, na2;
};
struct Terms256 {
    __m256d reN, imN, reD, imD;
};

TQ62_AVX2 inline __attribute__((always_inline)) void Broadcast(const FilterCoefficients &c, Broadcast256 &k)
{
    k.b0 = _mm256_set1_pd(c.b0), k.b1 = _mm256_set1_pd(c.b1), k.b2 = _mm256_set1_pd(c.b2);
    k.a0 = _mm256_set1_pd(c.a0), k.a1 = _mm256_set1_pd(c.a1), k.a2 = _mm256_set1_pd(c.a2);
    k.nb1 = _mm256_set1_pd(-c.b1), k.nb2 = _mm256_set1_pd(-c.b2);
    k.na1 = _mm256_set1_pd(-c.a1), k.na2 = _mm256_set1_pd(-c.a2);
}

TQ62_AVX2 inline __attribute__((always_inline)) void Terms(const Broadcast256 &k, const FrequencyGridTables &g, int i, Terms256 &t)
{
    const __m256d c1 = _mm256_load_pd(g.cos1 + i), s1 = _mm256_load_pd(g.sin1 + i);
    const __m256d c2 = _mm256_load_pd(g.cos2 + i), s2 = _mm256_load_pd(g.sin2 + i);
    t.reN = _mm256_add_pd(_mm256_add_pd(k.b0, _mm256_mul_pd(k.b1, c1)), _mm256_mul_pd(k.b2, c2));
    t.imN = _mm256_add_pd(_mm256_mul_pd(k.nb1, s1), _mm256_mul_pd(k.nb2, s2));
    t.reD = _mm256_add_pd(_mm256_add_pd(k.a0, _mm256_mul_pd(k.a1, c1)), _mm256_mul_pd(k.a2, c2));
    t.imD = _mm256_add_pd(_mm256_mul_pd(k.na1, s1), _mm256_mul_pd(k.na2, s2));
}

TQ62_AVX512 bool MagnitudeAvx512(const FilterCoefficients &c, double *out)
{
    const FrequencyGridTables &g = FrequencyGridTables::Get();
    Broadcast512 k;
    Broadcast(c, k);
    const __m512d minNormal = _mm512_set1_pd(kMinNormal), maxFinite = _mm512_set1_pd(kMaxFinite);
    const size_t terms = sizeof kAtanhSeries / sizeof kAtanhSeries[0];
    __mmask8 bad = 0;
    for (int i = 0; i < kGridPoints; i += 8) {
        Terms512 t;
        Terms(k, g, i, t);
        const __m512d p = _mm512_add_pd(_mm512_mul_pd(t.reN, t.reN), _mm512_mul_pd(t.imN, t.imN));
        const __m512d q = _mm512_add_pd(_mm512_mul_pd(t.reD, t.reD), _mm512_mul_pd(t.imD, t.imD));
        bad |= _mm512_cmp_pd_mask(p, minNormal, _CMP_NGE_UQ) | _mm512_cmp_pd_mask(p, maxFinite, _CMP_NLE_UQ)
               | _mm512_cmp_pd_mask(q, minNormal, _CMP_NGE_UQ) | _mm512_cmp_pd_mask(q, maxFinite, _CMP_NLE_UQ);
        const __m512d e = _mm512_sub_pd(_mm512_maskz_getexp_pd(0xFF, p), _mm512_maskz_getexp_pd(0xFF, q));
        const __m512d mp = _mm512_maskz_getmant_pd(0xFF, p, _MM_MANT_NORM_1_2, _MM_MANT_SIGN_zero);
        const __m512d mq = _mm512_maskz_getmant_pd(0xFF, q, _MM_MANT_NORM_1_2, _MM_MANT_SIGN_zero);
        const __m512d u = _mm512_div_pd(_mm512_sub_pd(mp, mq), _mm512_add_pd(mp, mq));
        const __m512d u2 = _mm512_mul_pd(u, u);
        __m512d series = _mm512_set1_pd(kAtanhSeries[terms - 1]);
        for (size_t k = terms - 1; k-- > 0;)
            series = _mm512_fmadd_pd(series, u2, _mm512_set1_pd(kAtanhSeries[k]));
        const __m512d ln = _mm512_fmadd_pd(e, _mm512_set1_pd(kLn2), _mm512_mul_pd(_mm512_add_pd(u, u), series));
        _mm512_storeu_pd(out + i, _mm512_mul_pd(ln, _mm512_set1_pd(kDbPerNeper)));
    }
    return bad == 0;
}

// PhaseScale * atan(z) from z and w = z^2 by the scaled fit, plus base.
TQ62_AVX512 inline __attribute__((always_inline)) __m512d ScaledAtan512(__m512d z, __m512d w, __m512d base, const ScaledAtan &a)
{
    static_assert(kAtanTerms == 8, "the pairing below takes eight terms");
    auto c = [&a](int k) TQ62_AVX512 { return _mm512_set1_pd(a.fit[k]); };
    const __m512d w2 = _mm512_mul_pd(w, w), w4 = _mm512_mul_pd(w2, w2);
    const __m512d p0 = _mm512_fmadd_pd(c(1), w, c(0)), p1 = _mm512_fmadd_pd(c(3), w, c(2));
    const __m512d p2 = _mm512_fmadd_pd(c(5), w, c(4)), p3 = _mm512_fmadd_pd(c(7), w, c(6));
    const __m512d fit = _mm512_fmadd_pd(_mm512_fmadd_pd(p3, w2, p2), w4, _mm512_fmadd_pd(p1, w2, p0));
    return _mm512_fmadd_pd(z, fit, base);
}

template <PhaseFixUp F>
TQ62_AVX512 bool PhaseAvx512(const FilterCoefficients &c, double turnHz, double *out)
{
    const FrequencyGridTables &g = FrequencyGridTables::Get();
    const ScaledAtan &atan = Scaled();
    Broadcast512 k;
    Broadcast(c, k);
    const __m512d maxFinite = _mm512_set1_pd(kMaxFinite), tanPi8 = _mm512_set1_pd(kTanPi8);
    const __m512d signBit = _mm512_set1_pd(-0.0), zero = _mm512_setzero_pd();
    const __m512d quarter = _mm512_set1_pd(atan.quarter), half = _mm512_set1_pd(2 * atan.quarter);
    const __m512d halfTurn = _mm512_set1_pd(HalfTurn()), turn = _mm512_set1_pd(turnHz);
    __m512d total = zero;
    for (int i = 0; i < kGridPoints; i += 8) {
        Terms512 t;
        Terms(k, g, i, t);
        const __m512d num = _mm512_sub_pd(_mm512_mul_pd(t.imD, t.reN), _mm512_mul_pd(t.reD, t.imN));
        const __m512d den = _mm512_add_pd(_mm512_mul_pd(t.reD, t.reN), _mm512_mul_pd(t.imD, t.imN));
        // The result's sign: negative where the quotient is positive.
        const __m512d sign = _mm512_andnot_pd(_mm512_xor_pd(num, den), signBit);
        const __m512d x = _mm512_andnot_pd(signBit, num), y = _mm512_andnot_pd(signBit, den);
        const __mmask8 low = _mm512_cmp_pd_mask(x, _mm512_mul_pd(y, tanPi8), _CMP_LE_OQ);
        const __mmask8 high = __mmask8(_mm512_cmp_pd_mask(y, _mm512_mul_pd(x, tanPi8), _CMP_LE_OQ) & ~low);
        __m512d n = _mm512_mask_blend_pd(high, _mm512_sub_pd(x, y), _mm512_sub_pd(zero, y));
        __m512d d = _mm512_mask_blend_pd(high, _mm512_add_pd(x, y), x);
        __m512d base = _mm512_mask_blend_pd(high, quarter, half);
        n = _mm512_mask_blend_pd(low, n, x);
        d = _mm512_mask_blend_pd(low, d, y);
        base = _mm512_mask_blend_pd(low, base, zero);
        total = _mm512_add_pd(total, d);
        const __m512d z = _mm512_div_pd(n, d);
        __m512d v = _mm512_xor_pd(ScaledAtan512(z, _mm512_mul_pd(z, z), base, atan), sign);
        // Unchanged lanes keep their value as it is (a -0.0 stays -0.0).
        if constexpr (F == PhaseFixUp::Raise)
            v = _mm512_mask_add_pd(v, _mm512_cmp_pd_mask(v, zero, _CMP_LT_OQ), v, halfTurn);
        if constexpr (F == PhaseFixUp::Lower || F == PhaseFixUp::LowerTurnAbove)
            v = _mm512_mask_sub_pd(v, _mm512_cmp_pd_mask(v, zero, _CMP_GT_OQ), v, halfTurn);
        if constexpr (F == PhaseFixUp::LowerTurnAbove)
            v = _mm512_mask_add_pd(v, _mm512_cmp_pd_mask(_mm512_load_pd(g.hz + i), turn, _CMP_GT_OQ), v, halfTurn);
        _mm512_storeu_pd(out + i, v);
    }
    return _mm512_cmp_pd_mask(total, maxFinite, _CMP_NLE_UQ) == 0;
}

TQ62_AVX2 bool MagnitudeAvx2(const FilterCoefficients &c, double *out)
{
    const FrequencyGridTables &g = FrequencyGridTables::Get();
    Broadcast256 k;
    Broadcast(c, k);
    const __m256d minNormal = _mm256_set1_pd(kMinNormal), maxFinite = _mm256_set1_pd(kMaxFinite);
    const __m256i exponentBits = _mm256_set1_epi64x(kExponentBits), mantissa = _mm256_set1_epi64x(kMantissaMask);
    const __m256i oneBits = _mm256_set1_epi64x(kOneBits);
    const __m256d exponentBias = _mm256_set1_pd(kExponentBias);
    const size_t terms = sizeof kAtanhSeries / sizeof kAtanhSeries[0];
    __m256d bad = _mm256_setzero_pd();
    for (int i = 0; i < kGridPoints; i += 4) {
        Terms256 t;
        Terms(k, g, i, t);
        const __m256d p = _mm256_add_pd(_mm256_mul_pd(t.reN, t.reN), _mm256_mul_pd(t.imN, t.imN));
        const __m256d q = _mm256_add_pd(_mm256_mul_pd(t.reD, t.reD), _mm256_mul_pd(t.imD, t.imD));
        bad = _mm256_or_pd(bad, _mm256_or_pd(_mm256_cmp_pd(p, minNormal, _CMP_NGE_UQ), _mm256_cmp_pd(p, maxFinite, _CMP_NLE_UQ)));
        bad = _mm256_or_pd(bad, _mm256_or_pd(_mm256_cmp_pd(q, minNormal, _CMP_NGE_UQ), _mm256_cmp_pd(q, maxFinite, _CMP_NLE_UQ)));
        const __m256i pb = _mm256_castpd_si256(p), qb = _mm256_castpd_si256(q);
        const __m256d ep = _mm256_sub_pd(_mm256_castsi256_pd(_mm256_or_si256(_mm256_srli_epi64(pb, 52), exponentBits)), exponentBias);
        const __m256d eq = _mm256_sub_pd(_mm256_castsi256_pd(_mm256_or_si256(_mm256_srli_epi64(qb, 52), exponentBits)), exponentBias);
        const __m256d mp = _mm256_castsi256_pd(_mm256_or_si256(_mm256_and_si256(pb, mantissa), oneBits));
        const __m256d mq = _mm256_castsi256_pd(_mm256_or_si256(_mm256_and_si256(qb, mantissa), oneBits));
        const __m256d u = _mm256_div_pd(_mm256_sub_pd(mp, mq), _mm256_add_pd(mp, mq));
        const __m256d u2 = _mm256_mul_pd(u, u);
        __m256d series = _mm256_set1_pd(kAtanhSeries[terms - 1]);
        for (size_t k = terms - 1; k-- > 0;)
            series = _mm256_fmadd_pd(series, u2, _mm256_set1_pd(kAtanhSeries[k]));
        const __m256d ln = _mm256_fmadd_pd(_mm256_sub_pd(ep, eq), _mm256_set1_pd(kLn2), _mm256_mul_pd(_mm256_add_pd(u, u), series));
        _mm256_storeu_pd(out + i, _mm256_mul_pd(ln, _mm256_set1_pd(kDbPerNeper)));
    }
    return _mm256_movemask_pd(bad) == 0;
}

TQ62_AVX2 inline __attribute__((always_inline)) __m256d ScaledAtan256(__m256d z, __m256d w, __m256d base, const ScaledAtan &a)
{
    static_assert(kAtanTerms == 8, "the pairing below takes eight terms");
    auto c = [&a](int k) TQ62_AVX2 { return _mm256_set1_pd(a.fit[k]); };
    const __m256d w2 = _mm256_mul_pd(w, w), w4 = _mm256_mul_pd(w2, w2);
    const __m256d p0 = _mm256_fmadd_pd(c(1), w, c(0)), p1 = _mm256_fmadd_pd(c(3), w, c(2));
    const __m256d p2 = _mm256_fmadd_pd(c(5), w, c(4)), p3 = _mm256_fmadd_pd(c(7), w, c(6));
    const __m256d fit = _mm256_fmadd_pd(_mm256_fmadd_pd(p3, w2, p2), w4, _mm256_fmadd_pd(p1, w2, p0));
    return _mm256_fmadd_pd(z, fit, base);
}

template <PhaseFixUp F>
TQ62_AVX2 bool PhaseAvx2(const FilterCoefficients &c, double turnHz, double *out)
{
    const FrequencyGridTables &g = FrequencyGridTables::Get();
    const ScaledAtan &atan = Scaled();
    Broadcast256 k;
    Broadcast(c, k);
    const __m256d maxFinite = _mm256_set1_pd(kMaxFinite), tanPi8 = _mm256_set1_pd(kTanPi8);
    const __m256d signBit = _mm256_set1_pd(-0.0), zero = _mm256_setzero_pd();
    const __m256d quarter = _mm256_set1_pd(atan.quarter), turn = _mm256_set1_pd(turnHz);
    const __m256d halfTurn = _mm256_set1_pd(HalfTurn()), minusHalfTurn = _mm256_set1_pd(-HalfTurn());
    __m256d total = zero;
    for (int i = 0; i < kGridPoints; i += 4) {
        Terms256 t;
        Terms(k, g, i, t);
        const __m256d num = _mm256_sub_pd(_mm256_mul_pd(t.imD, t.reN), _mm256_mul_pd(t.reD, t.imN));
        const __m256d den = _mm256_add_pd(_mm256_mul_pd(t.reD, t.reN), _mm256_mul_pd(t.imD, t.imN));
        const __m256d sign = _mm256_andnot_pd(_mm256_xor_pd(num, den), signBit);
        const __m256d x = _mm256_andnot_pd(signBit, num), y = _mm256_andnot_pd(signBit, den);
        // The three ranges by masking instead of blending: a masked-out term
        // is +0.0, which leaves the other term exactly as it is. The two
        // masks meet only where x = y = 0, whose 0 / 0 is NaN either way.
        const __m256d low = _mm256_cmp_pd(x, _mm256_mul_pd(y, tanPi8), _CMP_LE_OQ);
        const __m256d high = _mm256_cmp_pd(y, _mm256_mul_pd(x, tanPi8), _CMP_LE_OQ);
        const __m256d n = _mm256_sub_pd(_mm256_andnot_pd(high, x), _mm256_andnot_pd(low, y));
        const __m256d d = _mm256_add_pd(_mm256_andnot_pd(low, x), _mm256_andnot_pd(high, y));
        const __m256d base = _mm256_add_pd(_mm256_andnot_pd(low, quarter), _mm256_and_pd(high, quarter));
        total = _mm256_add_pd(total, d);
        const __m256d z = _mm256_div_pd(n, d);
        __m256d v = _mm256_xor_pd(ScaledAtan256(z, _mm256_mul_pd(z, z), base, atan), sign);
        // Subtracting a masked +0.0 keeps every value (a -0.0 too).
        if constexpr (F == PhaseFixUp::Raise)
            v = _mm256_sub_pd(v, _mm256_and_pd(_mm256_cmp_pd(v, zero, _CMP_LT_OQ), minusHalfTurn));
        if constexpr (F == PhaseFixUp::Lower || F == PhaseFixUp::LowerTurnAbove)
            v = _mm256_sub_pd(v, _mm256_and_pd(_mm256_cmp_pd(v, zero, _CMP_GT_OQ), halfTurn));
        if constexpr (F == PhaseFixUp::LowerTurnAbove)
            v = _mm256_sub_pd(v, _mm256_and_pd(_mm256_cmp_pd(_mm256_load_pd(g.hz + i), turn, _CMP_GT_OQ), minusHalfTurn));
        _mm256_storeu_pd(out + i, v);
    }
    return _mm256_movemask_pd(_mm256_cmp_pd(total, maxFinite, _CMP_NLE_UQ)) == 0;
}

// Sums of slot responses, 32 (AVX-512) or 16 (AVX2) points at a time, each
// point's additions in slot order from +0.0; then, when asked, the phase wrap
// of Plot::DrawSum, whose two steps each way are masked subtractions that
// leave the other lanes as they are.
TQ62_AVX512 void SumAvx512(const double *const *slots, int count, double *out, bool wrap)
{
    const __m512d limit = _mm512_set1_pd(kWrapLimit), minusLimit = _mm512_set1_pd(-kWrapLimit);
    const __m512d step = _mm512_set1_pd(kWrapStep), minusStep = _mm512_set1_pd(-kWrapStep);
    for (int i = 0; i < kGridPoints; i += 32) {
        __m512d acc[4] = {_mm512_setzero_pd(), _mm512_setzero_pd(), _mm512_setzero_pd(), _mm512_setzero_pd()};
        for (int k = 0; k < count; ++k)
            for (int j = 0; j < 4; ++j)
                acc[j] = _mm512_add_pd(acc[j], _mm512_loadu_pd(slots[k] + i + 8 * j));
        for (int j = 0; j < 4; ++j) {
            __m512d s = acc[j];
            if (wrap) {
                s = _mm512_mask_sub_pd(s, _mm512_cmp_pd_mask(s, limit, _CMP_GT_OQ), s, step);
                s = _mm512_mask_sub_pd(s, _mm512_cmp_pd_mask(s, limit, _CMP_GT_OQ), s, step);
                s = _mm512_mask_sub_pd(s, _mm512_cmp_pd_mask(s, minusLimit, _CMP_LT_OQ), s, minusStep);
                s = _mm512_mask_sub_pd(s, _mm512_cmp_pd_mask(s, minusLimit, _CMP_LT_OQ), s, minusStep);
            }
            _mm512_storeu_pd(out + i + 8 * j, s);
        }
    }
}

TQ62_AVX2 void SumAvx2(const double *const *slots, int count, double *out, bool wrap)
{
    const __m256d limit = _mm256_set1_pd(kWrapLimit), minusLimit = _mm256_set1_pd(-kWrapLimit);
    const __m256d step = _mm256_set1_pd(kWrapStep), minusStep = _mm256_set1_pd(-kWrapStep);
    for (int i = 0; i < kGridPoints; i += 16) {
        __m256d acc[4] = {_mm256_setzero_pd(), _mm256_setzero_pd(), _mm256_setzero_pd(), _mm256_setzero_pd()};
        for (int k = 0; k < count; ++k)
            for (int j = 0; j < 4; ++j)
                acc[j] = _mm256_add_pd(acc[j], _mm256_loadu_pd(slots[k] + i + 4 * j));
        for (int j = 0; j < 4; ++j) {
            __m256d s = acc[j];
            if (wrap) {
                s = _mm256_sub_pd(s, _mm256_and_pd(_mm256_cmp_pd(s, limit, _CMP_GT_OQ), step));
                s = _mm256_sub_pd(s, _mm256_and_pd(_mm256_cmp_pd(s, limit, _CMP_GT_OQ), step));
                s = _mm256_sub_pd(s, _mm256_and_pd(_mm256_cmp_pd(s, minusLimit, _CMP_LT_OQ), minusStep));
                s = _mm256_sub_pd(s, _mm256_and_pd(_mm256_cmp_pd(s, minusLimit, _CMP_LT_OQ), minusStep));
            }
            _mm256_storeu_pd(out + i + 4 * j, s);
        }
    }
}

// The same slot by slot, for machines without AVX2.
void SumPlain(const double *const *slots, int count, double *out, bool wrap)
{
    for (int i = 0; i < kGridPoints; ++i)
        out[i] = 0.0;
    for (int k = 0; k < count; ++k)
        for (int i = 0; i < kGridPoints; ++i)
            out[i] += slots[k][i];
    for (int i = 0; wrap && i < kGridPoints; ++i)
        for (int step = 0; step < 2; ++step)
            out[i] = out[i] > kWrapLimit ? out[i] - kWrapStep : out[i] < -kWrapLimit ? out[i] + kWrapStep : out[i];
}

typedef bool (*Kernel)(const FilterCoefficients &, double *);
typedef bool (*PhaseKernel)(const FilterCoefficients &, double turnHz, double *);
typedef void (*SumKernel)(const double *const *, int, double *, bool);

struct Kernels {
    Kernel magnitude;
    PhaseKernel phase[4]; // by PhaseFixUp
    SumKernel sum;
};

bool HasAvx512()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq");
}

bool HasAvx2()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
}

const Kernels kAvx512{MagnitudeAvx512,
                      {PhaseAvx512<PhaseFixUp::None>, PhaseAvx512<PhaseFixUp::Raise>, PhaseAvx512<PhaseFixUp::Lower>,
                       PhaseAvx512<PhaseFixUp::LowerTurnAbove>},
                      SumAvx512};
const Kernels kAvx2{MagnitudeAvx2,
                    {PhaseAvx2<PhaseFixUp::None>, PhaseAvx2<PhaseFixUp::Raise>, PhaseAvx2<PhaseFixUp::Lower>,
                     PhaseAvx2<PhaseFixUp::LowerTurnAbove>},
                    SumAvx2};

// The set in use: the best the machine has, until UseKernelIsa.
const Kernels *&Active()
{
    static const Kernels *active = HasAvx512() ? &kAvx512 : HasAvx2() ? &kAvx2 : nullptr;
    return active;
}

} // namespace

void EvaluateResponse(const FilterCoefficients &c, bool phase, double *out)
{
    if (phase) {
        EvaluatePhase(c, PhaseFixUp::None, 0.0, out);
        return;
    }
    const Kernels *k = Active();
    if (!k || !k->magnitude(c, out))
        EvaluateResponsePlain(c, false, out);
}

void EvaluatePhase(const FilterCoefficients &c, PhaseFixUp fixUp, double turnHz, double *out)
{
    const Kernels *k = Active();
    if (k && k->phase[int(fixUp)](c, turnHz, out))
        return;
    EvaluateResponsePlain(c, true, out);
    FixUpPhase(fixUp, turnHz, out);
}

void FixUpPhase(PhaseFixUp fixUp, double turnHz, double *v)
{
    const double half = HalfTurn();
    const double *hz = FrequencyGridTables::Get().hz;
    for (int i = 0; i < kGridPoints; ++i) {
        if (fixUp == PhaseFixUp::Raise)
            v[i] = v[i] < 0 ? v[i] + half : v[i];
        if (fixUp == PhaseFixUp::Lower || fixUp == PhaseFixUp::LowerTurnAbove)
            v[i] = v[i] > 0 ? v[i] - half : v[i];
        if (fixUp == PhaseFixUp::LowerTurnAbove && hz[i] > turnHz)
            v[i] += half;
    }
}

bool UseKernelIsa(KernelIsa isa)
{
    switch (isa) {
    case KernelIsa::Plain:
        Active() = nullptr;
        return true;
    case KernelIsa::Avx2:
        return HasAvx2() && (Active() = &kAvx2);
    case KernelIsa::Avx512:
        return HasAvx512() && (Active() = &kAvx512);
    }
    return false;
}

bool EvaluateResponseWith(KernelIsa isa, const FilterCoefficients &c, bool phase, double *out)
{
    switch (isa) {
    case KernelIsa::Plain:
        EvaluateResponsePlain(c, phase, out);
        return true;
    case KernelIsa::Avx2:
        return HasAvx2() && (phase ? PhaseAvx2<PhaseFixUp::None>(c, 0.0, out) : MagnitudeAvx2(c, out));
    case KernelIsa::Avx512:
        return HasAvx512() && (phase ? PhaseAvx512<PhaseFixUp::None>(c, 0.0, out) : MagnitudeAvx512(c, out));
    }
    return false;
}

void EvaluateResponsePlain(const FilterCoefficients &c, bool phase, double *out)
{
    for (int i = 0; i < kGridPoints; ++i) {
        const double w = GridOmega(i);
        double reD = c.a0, imD = 0, reN = c.b0, imN = 0;
        reD += c.a1 * std::cos(w);
        imD += -c.a1 * std::sin(w);
        reD += c.a2 * std::cos(2 * w);
        imD += -c.a2 * std::sin(2 * w);
        reN += c.b1 * std::cos(w);
        imN += -c.b1 * std::sin(w);
        reN += c.b2 * std::cos(2 * w);
        imN += -c.b2 * std::sin(2 * w);
        if (!phase) {
            out[i] = -20.0 * std::log10(std::sqrt(reD * reD + imD * imD) / std::sqrt(reN * reN + imN * imN));
        } else {
            out[i] = -std::atan((imD * reN - reD * imN) / (reD * reN + imD * imN)) * PhaseScale;
        }
    }
}

void SumResponses(const double *const *slots, int count, double *out, bool wrapPhase)
{
    const Kernels *k = Active();
    (k ? k->sum : SumPlain)(slots, count, out, wrapPhase);
}
