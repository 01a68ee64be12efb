#include "ResponseKernel.h"

#include "FrequencyGrid.h"
#include "SharedConstants.h"

#include <cmath>
#include <cstdint>
#include <cstring>

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

// ln((1 + t) / (1 - t)) / (2 t) = sum t^2k / (2k + 1); |t| <= 1/3 here, and
// ten terms leave less than 1e-11.
const double kAtanhSeries[] = {1.0,        1.0 / 3,  1.0 / 5,  1.0 / 7,  1.0 / 9,
                               1.0 / 11,   1.0 / 13, 1.0 / 15, 1.0 / 17, 1.0 / 19};
// atan(z) / z = sum (-1)^k z^2k / (2k + 1); |z| <= tan(pi / 8) here, and twelve
// terms leave less than 1e-10 rad.
const double kAtanSeries[] = {1.0,       -1.0 / 3,  1.0 / 5,   -1.0 / 7,  1.0 / 9,   -1.0 / 11,
                              1.0 / 13,  -1.0 / 15, 1.0 / 17,  -1.0 / 19, 1.0 / 21,  -1.0 / 23};

// The kernels below evaluate several grid points at a time and answer false
// when any point met a power or a phase term that is zero, denormal, infinite
// or NaN, which the series do not cover; the caller then evaluates the curve
// the plain way. N and D are formed with separate multiplies and adds in the
// plain evaluation's order (the file is compiled without contraction), so
// they round exactly as there; the series use fused multiply-adds.
//
// Magnitude: with p = |N|^2 = mp 2^ep and q = |D|^2 = mq 2^eq, mantissas in
// [1, 2), ln(p / q) = (ep - eq) ln 2 + 2 atanh(u), u = (mp - mq) / (mp + mq).
// Phase: atan(x / y) of the magnitudes x, y of the quotient's terms, reduced to
// an argument within tan(pi / 8): x / y, -y / x + pi / 2 or
// (x - y) / (x + y) + pi / 4; the quotient's sign is put back afterwards.

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

TQ62_AVX512 bool PhaseAvx512(const FilterCoefficients &c, double *out)
{
    const FrequencyGridTables &g = FrequencyGridTables::Get();
    Broadcast512 k;
    Broadcast(c, k);
    const __m512d maxFinite = _mm512_set1_pd(kMaxFinite), tanPi8 = _mm512_set1_pd(kTanPi8);
    const __m512d signBit = _mm512_set1_pd(-0.0), zero = _mm512_setzero_pd();
    const __m512d quarter = _mm512_set1_pd(kPi / 4), half = _mm512_set1_pd(kPi / 2);
    const size_t terms = sizeof kAtanSeries / sizeof kAtanSeries[0];
    __mmask8 bad = 0;
    for (int i = 0; i < kGridPoints; i += 8) {
        Terms512 t;
        Terms(k, g, i, t);
        const __m512d num = _mm512_sub_pd(_mm512_mul_pd(t.imD, t.reN), _mm512_mul_pd(t.reD, t.imN));
        const __m512d den = _mm512_add_pd(_mm512_mul_pd(t.reD, t.reN), _mm512_mul_pd(t.imD, t.imN));
        const __m512d sign = _mm512_and_pd(_mm512_xor_pd(num, den), signBit);
        const __m512d x = _mm512_andnot_pd(signBit, num), y = _mm512_andnot_pd(signBit, den);
        bad |= _mm512_cmp_pd_mask(x, maxFinite, _CMP_NLE_UQ) | _mm512_cmp_pd_mask(y, maxFinite, _CMP_NLE_UQ);
        const __mmask8 low = _mm512_cmp_pd_mask(x, _mm512_mul_pd(y, tanPi8), _CMP_LE_OQ);
        const __mmask8 high = __mmask8(_mm512_cmp_pd_mask(y, _mm512_mul_pd(x, tanPi8), _CMP_LE_OQ) & ~low);
        __m512d n = _mm512_mask_blend_pd(high, _mm512_sub_pd(x, y), _mm512_sub_pd(zero, y));
        __m512d d = _mm512_mask_blend_pd(high, _mm512_add_pd(x, y), x);
        __m512d base = _mm512_mask_blend_pd(high, quarter, half);
        n = _mm512_mask_blend_pd(low, n, x);
        d = _mm512_mask_blend_pd(low, d, y);
        base = _mm512_mask_blend_pd(low, base, zero);
        const __m512d z = _mm512_div_pd(n, d), z2 = _mm512_mul_pd(z, z);
        __m512d series = _mm512_set1_pd(kAtanSeries[terms - 1]);
        for (size_t k = terms - 1; k-- > 0;)
            series = _mm512_fmadd_pd(series, z2, _mm512_set1_pd(kAtanSeries[k]));
        const __m512d a = _mm512_fmadd_pd(z, series, base);
        _mm512_storeu_pd(out + i, _mm512_mul_pd(_mm512_xor_pd(a, sign), _mm512_set1_pd(-PhaseScale)));
    }
    return bad == 0;
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

TQ62_AVX2 bool PhaseAvx2(const FilterCoefficients &c, double *out)
{
    const FrequencyGridTables &g = FrequencyGridTables::Get();
    Broadcast256 k;
    Broadcast(c, k);
    const __m256d maxFinite = _mm256_set1_pd(kMaxFinite), tanPi8 = _mm256_set1_pd(kTanPi8);
    const __m256d signBit = _mm256_set1_pd(-0.0), zero = _mm256_setzero_pd();
    const __m256d quarter = _mm256_set1_pd(kPi / 4), half = _mm256_set1_pd(kPi / 2);
    const size_t terms = sizeof kAtanSeries / sizeof kAtanSeries[0];
    __m256d bad = _mm256_setzero_pd();
    for (int i = 0; i < kGridPoints; i += 4) {
        Terms256 t;
        Terms(k, g, i, t);
        const __m256d num = _mm256_sub_pd(_mm256_mul_pd(t.imD, t.reN), _mm256_mul_pd(t.reD, t.imN));
        const __m256d den = _mm256_add_pd(_mm256_mul_pd(t.reD, t.reN), _mm256_mul_pd(t.imD, t.imN));
        const __m256d sign = _mm256_and_pd(_mm256_xor_pd(num, den), signBit);
        const __m256d x = _mm256_andnot_pd(signBit, num), y = _mm256_andnot_pd(signBit, den);
        bad = _mm256_or_pd(bad, _mm256_or_pd(_mm256_cmp_pd(x, maxFinite, _CMP_NLE_UQ), _mm256_cmp_pd(y, maxFinite, _CMP_NLE_UQ)));
        const __m256d low = _mm256_cmp_pd(x, _mm256_mul_pd(y, tanPi8), _CMP_LE_OQ);
        const __m256d high = _mm256_andnot_pd(low, _mm256_cmp_pd(y, _mm256_mul_pd(x, tanPi8), _CMP_LE_OQ));
        __m256d n = _mm256_blendv_pd(_mm256_sub_pd(x, y), _mm256_sub_pd(zero, y), high);
        __m256d d = _mm256_blendv_pd(_mm256_add_pd(x, y), x, high);
        __m256d base = _mm256_blendv_pd(quarter, half, high);
        n = _mm256_blendv_pd(n, x, low);
        d = _mm256_blendv_pd(d, y, low);
        base = _mm256_blendv_pd(base, zero, low);
        const __m256d z = _mm256_div_pd(n, d), z2 = _mm256_mul_pd(z, z);
        __m256d series = _mm256_set1_pd(kAtanSeries[terms - 1]);
        for (size_t k = terms - 1; k-- > 0;)
            series = _mm256_fmadd_pd(series, z2, _mm256_set1_pd(kAtanSeries[k]));
        const __m256d a = _mm256_fmadd_pd(z, series, base);
        _mm256_storeu_pd(out + i, _mm256_mul_pd(_mm256_xor_pd(a, sign), _mm256_set1_pd(-PhaseScale)));
    }
    return _mm256_movemask_pd(bad) == 0;
}

typedef bool (*Kernel)(const FilterCoefficients &, double *);

struct Kernels {
    Kernel magnitude, phase;
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

const Kernels kAvx512{MagnitudeAvx512, PhaseAvx512};
const Kernels kAvx2{MagnitudeAvx2, PhaseAvx2};

// The set in use: the best the machine has, until UseKernelIsa.
const Kernels *&Active()
{
    static const Kernels *active = HasAvx512() ? &kAvx512 : HasAvx2() ? &kAvx2 : nullptr;
    return active;
}

} // namespace

void EvaluateResponse(const FilterCoefficients &c, bool phase, double *out)
{
    const Kernels *k = Active();
    if (!k || !(phase ? k->phase : k->magnitude)(c, out))
        EvaluateResponsePlain(c, phase, out);
}

bool UseKernelIsa(KernelIsa isa)
{
    if (!(isa == KernelIsa::Avx512 ? HasAvx512() : HasAvx2()))
        return false;
    Active() = isa == KernelIsa::Avx512 ? &kAvx512 : &kAvx2;
    return true;
}

bool EvaluateResponseWith(KernelIsa isa, const FilterCoefficients &c, bool phase, double *out)
{
    if (isa == KernelIsa::Avx512)
        return HasAvx512() && (phase ? PhaseAvx512 : MagnitudeAvx512)(c, out);
    return HasAvx2() && (phase ? PhaseAvx2 : MagnitudeAvx2)(c, out);
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

void SumResponses(const double *const *slots, int count, double *out)
{
    // Eight points at a time in registers, each point's additions in slot
    // order as one at a time would make them.
    typedef double Pair __attribute__((vector_size(16)));
    for (int i = 0; i < kGridPoints; i += 8) {
        Pair acc[4] = {};
        for (int k = 0; k < count; ++k) {
            Pair r[4];
            std::memcpy(r, slots[k] + i, sizeof r);
            for (int j = 0; j < 4; ++j)
                acc[j] += r[j];
        }
        std::memcpy(out + i, acc, sizeof acc);
    }
}
