#include <gtest/gtest.h>

#include "FrequencyGrid.h"
#include "Plot.h"
#include "PlotFilter.h"
#include "ResponseKernel.h"
#include "SharedConstants.h"

#include <cmath>
#include <complex>
#include <cstring>
#include <functional>
#include <iterator>
#include <limits>
#include <random>
#include <vector>

namespace {

using cd = std::complex<double>;
const double kPi = std::acos(-1.0);

// The section's transfer function written out in the test: N(z) / D(z) with
// each polynomial in its own normaliser's terms, from the prototype values.
struct Prototype {
    int code;
    double gain, freq, q;
    float a, b;
};

cd Transfer(const Prototype &p, double w)
{
    const double K = std::tan(kPi * p.freq / 96000), K2 = K * K, Q = p.q, A = p.a, B = p.b;
    const double V = std::pow(10.0, std::fabs(p.gain) / 20), sV = std::sqrt(V);
    const cd z1 = std::polar(1.0, -w), z2 = std::polar(1.0, -2 * w);
    auto poly = [&](double c0, double c1, double c2) { return c0 + c1 * z1 + c2 * z2; };
    const bool cut = p.gain < 0;
    switch (p.code) {
    case 1:
        return cut ? poly(1 + K / Q + K2, 2 * (K2 - 1), 1 - K / Q + K2) / poly(1 + V * K / Q + K2, 2 * (K2 - 1), 1 - V * K / Q + K2)
                   : poly(1 + V * K / Q + K2, 2 * (K2 - 1), 1 - V * K / Q + K2) / poly(1 + K / Q + K2, 2 * (K2 - 1), 1 - K / Q + K2);
    case 2:
        return cut ? poly(1 + K / Q + K2, 2 * (K2 - 1), 1 - K / Q + K2) / poly(1 + sV * K / Q + V * K2, 2 * (V * K2 - 1), 1 - sV * K / Q + V * K2)
                   : poly(1 + sV * K / Q + V * K2, 2 * (V * K2 - 1), 1 - sV * K / Q + V * K2) / poly(1 + K / Q + K2, 2 * (K2 - 1), 1 - K / Q + K2);
    case 3:
        if (cut) { // numerator over h1, denominator over h2: the two do not cancel
            const double h1 = V + sV * K / Q + K2, h2 = 1 + K / (sV * Q) + K2 / V;
            return (poly(1 + K / Q + K2, 2 * (K2 - 1), 1 - K / Q + K2) / h1)
                   / (poly(h2, 2 * (K2 / V - 1), 1 - K / (sV * Q) + K2 / V) / h2);
        }
        return poly(V + sV * K / Q + K2, 2 * (K2 - V), V - sV * K / Q + K2) / poly(1 + K / Q + K2, 2 * (K2 - 1), 1 - K / Q + K2);
    case 4: return poly(1, -2, 1) / poly(1 + K / Q + K2, 2 * (K2 - 1), 1 - K / Q + K2);
    case 5: return poly(K2, 2 * K2, K2) / poly(1 + K / Q + K2, 2 * (K2 - 1), 1 - K / Q + K2);
    case 6: return poly(2 * K, 0, -2 * K) / poly(Q + K + Q * K2, 2 * Q * (K2 - 1), Q - K + Q * K2);
    case 7: return poly((1 - K) / (1 + K), -1, 0) / poly(1, -(1 - K) / (1 + K), 0);
    case 8: return poly(K, K, 0) / poly(1 + K, K - 1, 0);
    case 9: return poly(-1, 1, 0) / poly(1 + K, K - 1, 0);
    case 10: return 1.0;
    case 11: return poly(K / A, K / A, 0) / poly(1 + K / A, K / A - 1, 0);
    case 12: return poly(K2, 2 * K2, K2) / poly(1 + A * K + K2, 2 * (K2 - 1), 1 - A * K + K2);
    case 13: return poly(K2 / B, 2 * K2 / B, K2 / B) / poly(1 + A / B * K + K2 / B, 2 * (K2 / B - 1), 1 - A / B * K + K2 / B);
    case 14: return poly(1, -1, 0) / poly(1 + A * K, A * K - 1, 0);
    case 15: return poly(1, -2, 1) / poly(1 + A * K + K2, 2 * (K2 - 1), 1 - A * K + K2);
    case 16: return poly(1, -2, 1) / poly(1 + A * K + B * K2, 2 * (B * K2 - 1), 1 - A * K + B * K2);
    case 17: return poly(1 - K / Q + K2, 2 * (K2 - 1), 1 + K / Q + K2) / poly(1 + K / Q + K2, 2 * (K2 - 1), 1 - K / Q + K2);
    }
    return 1.0;
}

PlotFilter Computed(const Prototype &p, uint8_t phase)
{
    PlotFilter f;
    f.phaseMode = phase;
    f.SetAll(p.gain, p.freq, p.q, p.code, p.a, p.b);
    return f;
}

// Distance of x from the nearest multiple of m.
double OffMultiple(double x, double m)
{
    return std::fabs(x - m * std::round(x / m));
}

// Every code, the shelves and the peak both ways.
const Prototype kPrototypes[] = {
    {1, 6, 1000, 1.4, 0, 0},       {1, -9.5, 250, 0.71, 0, 0},    {1, 12, 16000, 8.65, 0, 0},
    {2, 7, 120, 0.71, 0, 0},       {2, -12, 800, 1.0, 0, 0},      {3, 5, 4000, 0.71, 0, 0},
    {3, -8, 3000, 0.71, 0, 0},     {3, -12, 200, 2.0, 0, 0},      {4, 0, 500, 0.71, 0, 0},
    {5, 0, 2000, 3.0, 0, 0},       {6, 0, 1000, 2.5, 0, 0},       {7, 0, 700, 0.4, 0, 0},
    {8, 0, 1500, 0.4, 0, 0},       {9, 0, 90, 0.4, 0, 0},         {10, 3, 5000, 1, 0, 0},
    {11, 0, 1000, 0.05, 1.0f, 0},  {12, 0, 2500, 0.05, 1.4142f, 0}, {13, 0, 3000, 0.05, 1.3617f, 0.618f},
    {14, 0, 300, 0.05, 0.756f, 0}, {15, 0, 80, 0.05, 0.7654f, 0}, {16, 0, 1200, 0.05, 1.1112f, 0.3162f},
    {17, 0, 1000, 0.71, 0, 0},     {17, 0, 20000, 4.0, 0, 0},
};

// Runs body with the evaluation and the sums on each instruction set the
// machine has; afterwards they are on the machine's own choice again.
void ForEachKernelIsa(const std::function<void(KernelIsa)> &body)
{
    for (KernelIsa isa : {KernelIsa::Plain, KernelIsa::Avx2, KernelIsa::Avx512})
        if (UseKernelIsa(isa))
            body(isa);
    UseKernelIsa(KernelIsa::Avx512);
}

bool SameBits(const std::vector<double> &a, const std::vector<double> &b)
{
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), sizeof(double) * a.size()) == 0;
}

TEST(FilterMath, EveryCodeMatchesItsTransferFunctionInBothModes)
{
    for (const Prototype &p : kPrototypes) {
        SCOPED_TRACE(testing::Message() << "code " << p.code << " gain " << p.gain << " at " << p.freq);
        const PlotFilter mag = Computed(p, 0), ph = Computed(p, 1);
        double worstMag = 0, worstPhase = 0;
        for (int i = 0; i < kGridPoints; i += 3) {
            const cd h = Transfer(p, GridOmega(i));
            const double db = 20 * std::log10(std::abs(h));
            // Magnitude: relative to the size of the value where tiny responses
            // meet the rounding of N itself.
            worstMag = std::max(worstMag, std::fabs(mag.response[i] - db) / std::max(1.0, std::fabs(db)));
            // Phase: the fix-ups add half turns (18); within +-18 apart from the
            // second-order all-pass, which continues one turn higher.
            worstPhase = std::max(worstPhase, OffMultiple(ph.response[i] - std::arg(h) * PhaseScale, 18.0));
            if (p.code != 17) {
                EXPECT_LE(std::fabs(ph.response[i]), 18.0 + 1e-9) << i;
            }
        }
        EXPECT_LT(worstMag, 1e-7);
        EXPECT_LT(worstPhase, 1e-7);
    }
}

TEST(FilterMath, FastEvaluationStaysWithin1e9OfThePlainOne)
{
    std::mt19937 rng(1606);
    std::uniform_real_distribution<double> freq(15, 24000), gain(-15, 15), q(0.4, 128);
    std::uniform_int_distribution<int> code(1, 17);
    std::vector<double> plain(kGridPoints), fast(kGridPoints);
    for (int n = 0; n < 300; ++n) {
        PlotFilter f;
        f.gainDb = gain(rng), f.freqHz = freq(rng), f.q = q(rng), f.code = code(rng);
        f.sectionA = float(q(rng) / 50), f.sectionB = float(q(rng) / 100);
        FilterCoefficients c;
        ASSERT_TRUE(f.ComputeCoefficients(c));
        for (bool phase : {false, true}) {
            EvaluateResponsePlain(c, phase, plain.data());
            EvaluateResponse(c, phase, fast.data());
            for (int i = 0; i < kGridPoints; ++i)
                ASSERT_NEAR(fast[i], plain[i], 1e-9) << "code " << f.code << " phase " << phase << " point " << i;
            // Each instruction set this machine has, whichever the evaluation chose.
            for (KernelIsa isa : {KernelIsa::Avx2, KernelIsa::Avx512}) {
                if (!EvaluateResponseWith(isa, c, phase, fast.data()))
                    continue;
                for (int i = 0; i < kGridPoints; ++i)
                    ASSERT_NEAR(fast[i], plain[i], 1e-9)
                        << "set " << int(isa) << " code " << f.code << " phase " << phase << " point " << i;
            }
        }
    }
}

// The fix-ups made inside the vector loops give, bit for bit, what the fast
// evaluation followed by the separate pass gives (a -0.0 stays -0.0).
TEST(FilterMath, PhaseFixUpsInTheVectorLoopsEqualTheSeparatePass)
{
    std::vector<FilterCoefficients> sections;
    for (const Prototype &p : kPrototypes) {
        FilterCoefficients c;
        ASSERT_TRUE(Computed(p, 1).ComputeCoefficients(c));
        sections.push_back(c);
    }
    sections.push_back(FilterCoefficients{}); // unity: -0.0 throughout
    const PhaseFixUp kinds[] = {PhaseFixUp::None, PhaseFixUp::Raise, PhaseFixUp::Lower, PhaseFixUp::LowerTurnAbove};
    std::vector<double> fused(kGridPoints), separate(kGridPoints);
    ForEachKernelIsa([&](KernelIsa isa) {
        for (size_t n = 0; n < sections.size(); ++n)
            for (PhaseFixUp kind : kinds) {
                const double turnHz = n < std::size(kPrototypes) ? kPrototypes[n].freq : 1000.0;
                EvaluatePhase(sections[n], kind, turnHz, fused.data());
                ASSERT_TRUE(EvaluateResponseWith(isa, sections[n], true, separate.data()));
                FixUpPhase(kind, turnHz, separate.data());
                ASSERT_TRUE(SameBits(fused, separate))
                    << "set " << int(isa) << " section " << n << " fix-up " << int(kind);
            }
    });
}

// Each point's sum is added in slot order from +0.0 on every instruction set,
// and the phase wrap moves it by 36 at most twice.
TEST(FilterMath, SumsAddInSlotOrderAndWrapOnEachInstructionSet)
{
    std::mt19937 rng(2604);
    std::uniform_real_distribution<double> value(-1, 1);
    std::uniform_int_distribution<int> scale(-3, 2);
    std::vector<std::vector<double>> slots(33, std::vector<double>(kGridPoints));
    for (auto &slot : slots)
        for (double &v : slot) // values of many sizes, so that the order shows
            v = value(rng) * std::pow(10.0, scale(rng));
    std::fill(slots[3].begin(), slots[3].end(), -0.0);
    slots[4][7] = 50, slots[5][7] = 60; // beyond two wraps
    const double *pointers[33];
    for (size_t k = 0; k < slots.size(); ++k)
        pointers[k] = slots[k].data();
    std::vector<double> expected(kGridPoints), sum(kGridPoints);
    ForEachKernelIsa([&](KernelIsa isa) {
        for (int count : {0, 1, 5, 33})
            for (bool wrap : {false, true}) {
                for (int i = 0; i < kGridPoints; ++i) {
                    double s = 0.0;
                    for (int k = 0; k < count; ++k)
                        s += slots[size_t(k)][size_t(i)];
                    for (int step = 0; wrap && step < 2; ++step)
                        s = s > 18 ? s - 36 : s < -18 ? s + 36 : s;
                    expected[size_t(i)] = s;
                }
                SumResponses(pointers, count, sum.data(), wrap);
                ASSERT_TRUE(SameBits(sum, expected)) << "set " << int(isa) << " count " << count << " wrap " << wrap;
            }
    });
}

TEST(FilterMath, ZeroAndInfiniteValuesFallBackToThePlainEvaluation)
{
    // Magnitude needs the plain way for every such curve, phase only where a
    // term is undefined (its zero terms give the plain way's 0 or NaN).
    struct Row {
        FilterCoefficients c;
        bool phasePlain;
    };
    const Row rows[] = {
        {{0, 0, 0, 1, 0, 0}, false}, // silence: N = 0
        {{1, 0, 0, 0, 0, 0}, false}, // D = 0: infinite gain
        {{std::numeric_limits<double>::quiet_NaN(), 0, 0, 1, 0, 0}, true},
        {{1e-300, 0, 0, 1, 0, 0}, false}, // denormal power
    };
    std::vector<double> plain(kGridPoints), fast(kGridPoints);
    for (const Row &r : rows) {
        const FilterCoefficients &c = r.c;
        for (bool phase : {false, true}) {
            for (KernelIsa isa : {KernelIsa::Avx2, KernelIsa::Avx512}) {
                const bool plainNeeded = !phase || r.phasePlain;
                if (plainNeeded) {
                    EXPECT_FALSE(EvaluateResponseWith(isa, c, phase, fast.data())) << int(isa);
                }
            }
            EvaluateResponse(c, phase, fast.data());
            EvaluateResponsePlain(c, phase, plain.data());
            for (int i = 0; i < kGridPoints; i += 97) {
                if (std::isnan(plain[i])) {
                    EXPECT_TRUE(std::isnan(fast[i])) << i;
                } else {
                    EXPECT_EQ(fast[i], plain[i]) << i;
                }
            }
        }
    }
}

TEST(FilterMath, NewPlotIsFlatAndItsSumIsZero)
{
    for (uint8_t mode : {0, 1}) {
        Plot plot;
        plot.SetPhaseMode(mode);
        for (int s = 0; s < Plot::kSlotCount; ++s)
            plot.Filter(s).ComputeResponse(); // in the new mode as well
        plot.DrawSum(0);
        for (int s = 0; s < Plot::kSlotCount; ++s)
            for (int i = 0; i < kGridPoints; ++i)
                ASSERT_EQ(plot.Filter(s).response[i], 0.0) << "slot " << s << " point " << i;
    }
}

// A new record is not computed and takes no memory: its flat response must
// be exactly, bit for bit, what computing the default record gives. Reading
// leaves a record unwritten; a record or a sum that comes out flat lets its
// memory go, one that is not keeps it.
TEST(FilterMath, FlatRecordsAreTheComputedDefaultWithoutMemory)
{
    PlotFilter computed;
    computed.ComputeResponse();
    EXPECT_FALSE(computed.response.Written());
    PlotFilter written;
    written.response[0] = 1.0;
    written.ComputeResponse();
    EXPECT_FALSE(written.response.Written());
    const PlotFilter fresh;
    ASSERT_FALSE(fresh.response.Written());
    EXPECT_EQ(0, std::memcmp(computed.response.data(), fresh.response.data(), sizeof(double) * kGridPoints));

    Plot plot;
    const Plot &reader = plot;
    EXPECT_EQ(reader.Filter(7).response[100], 0.0);
    plot.DrawSum(0);
    for (int s = 0; s < Plot::kSlotCount; ++s)
        EXPECT_FALSE(plot.Filter(s).response.Written()) << s;
    plot.Filter(3).Set(6.0, 1000.0, 1.0, 1);
    plot.DrawSum(0);
    EXPECT_TRUE(plot.Filter(3).response.Written());
    EXPECT_TRUE(plot.Filter(Plot::kSumSlot).response.Written());
    EXPECT_NEAR(plot.Filter(Plot::kSumSlot).response[2625], 6.0, 0.01);
    // A copy of a record copies its values, written or not.
    PlotFilter copy = plot.Filter(3);
    EXPECT_EQ(0, std::memcmp(copy.response.data(), plot.Filter(3).response.data(), sizeof(double) * kGridPoints));
    copy = fresh;
    EXPECT_FALSE(copy.response.Written());
}

TEST(FilterMath, PeakBoostsAroundItsFrequencyAndUnityIsFlat)
{
    PlotFilter f;
    f.Set(6, 1000, 1.4, 1);
    EXPECT_NEAR(f.response[2625], 6.0, 0.01);
    EXPECT_LT(f.response[1500], 0.5);
    EXPECT_LT(f.response[3700], 0.5);
    f.Set(0, 1000, 1.4, 1);
    for (double v : f.response)
        ASSERT_EQ(v, 0.0);
    for (double hz : {20.0, 1000.0, 40000.0})
        for (uint8_t mode : {0, 1}) {
            f.phaseMode = mode;
            f.Set(9, hz, 3, 10);
            for (double v : f.response)
                ASSERT_EQ(v, 0.0) << hz;
        }
}

TEST(FilterMath, PhaseShapesOfTheFixedUpCodes)
{
    struct Shape {
        int code;
        double low, high;     // expected near the grid's ends
        double freq;
    };
    const Shape shapes[] = {
        {4, 18, 0, 1000},  // second-order high-pass
        {5, 0, -18, 1000}, // second-order low-pass
        {7, 18, 0, 1000},  // first-order all-pass
        {9, 9, 0, 1000},   // first-order high-pass
        {8, 0, -9, 1000},  // first-order low-pass
    };
    for (const Shape &s : shapes) {
        SCOPED_TRACE(s.code);
        PlotFilter f;
        f.phaseMode = 1;
        f.Set(0, s.freq, 0.71, s.code);
        EXPECT_NEAR(f.response[0], s.low, 0.05);
        EXPECT_NEAR(f.response[kGridPoints - 1], s.high, s.code == 9 || s.code == 8 ? 0.5 : 1.0);
        for (double v : f.response)
            ASSERT_LE(std::fabs(v), 18.0 + 1e-9);
    }
    // Second-order all-pass: 0 down to -18 at its frequency, then from +18
    // down towards 0.
    PlotFilter ap;
    ap.phaseMode = 1;
    ap.Set(0, 1000, 0.71, 17);
    EXPECT_NEAR(ap.response[0], 0, 0.05);
    const double *hz = FrequencyGridTables::Get().hz;
    int corner = 0;
    while (hz[corner + 1] <= 1000)
        ++corner;
    EXPECT_LT(ap.response[corner], -17);
    EXPECT_GT(ap.response[corner + 1], 17);
    EXPECT_LT(ap.response[kGridPoints - 1], 2);
    for (int i = 1; i < kGridPoints; ++i) { // falls throughout
        if (i != corner + 1) {
            ASSERT_LE(ap.response[i], ap.response[i - 1] + 1e-12) << i;
        }
    }
}

TEST(FilterMath, SumWrapsPhaseTwiceAtMostAndNeverMagnitude)
{
    const double rows[][3] = {
        // sum, phase mode, magnitude mode
        {20, -16, 20}, {60, -12, 60}, {100, 28, 100}, {-20, 16, -20}, {18, 18, 18}, {-60, 12, -60},
    };
    for (const auto &r : rows) {
        for (uint8_t mode : {0, 1}) {
            Plot plot;
            plot.SetPhaseMode(mode);
            // Spread over several slots, as a channel's bands would be.
            for (int s : {0, 8, 31, 32})
                std::fill(plot.Filter(s).response.begin(), plot.Filter(s).response.end(), r[0] / 4);
            plot.DrawSum(3);
            EXPECT_DOUBLE_EQ(plot.Filter(Plot::kSumSlot).response[100], r[mode ? 1 : 2]) << r[0] << " mode " << int(mode);
        }
    }
}

TEST(FilterMath, SetPhaseModeRecomputesNothing)
{
    Plot plot;
    plot.Filter(2).Set(6, 500, 2, 1);
    const std::vector<double> before(plot.Filter(2).response.begin(), plot.Filter(2).response.end());
    plot.SetPhaseMode(1);
    EXPECT_EQ(plot.GetPhaseMode(), 1);
    EXPECT_EQ(plot.Filter(2).phaseMode, 1);
    EXPECT_EQ(std::vector<double>(plot.Filter(2).response.begin(), plot.Filter(2).response.end()), before);
}

TEST(FilterMath, CodesOutsideTheTableAreFlatWhateverWasComputedBefore)
{
    for (int code : {0, -1, 18, 99}) {
        for (uint8_t mode : {0, 1}) {
            PlotFilter f;
            f.phaseMode = mode;
            f.Set(12, 1000, 2, 1); // a +12 dB peak first
            FilterCoefficients c{7, 7, 7, 7, 7, 7};
            f.Set(12, 1000, 2, code);
            EXPECT_FALSE(f.ComputeCoefficients(c));
            EXPECT_EQ(c.b0, 7); // untouched
            for (double v : f.response)
                ASSERT_EQ(v, 0.0) << code;
        }
    }
}

TEST(FilterMath, ParametersThatWouldDivideByZeroOrDivergeAreClamped)
{
    struct Row {
        const char *what;
        std::function<void(PlotFilter &)> bad, clamped;
    };
    const Row rows[] = {
        {"frequency at Nyquist", [](PlotFilter &f) { f.Set(6, 48000, 1, 1); },
         [](PlotFilter &f) { f.Set(6, PlotFilter::kMaxFreqHz, 1, 1); }},
        {"frequency above", [](PlotFilter &f) { f.Set(0, 96000, 1, 5); },
         [](PlotFilter &f) { f.Set(0, PlotFilter::kMaxFreqHz, 1, 5); }},
        {"zero Q", [](PlotFilter &f) { f.Set(6, 1000, 0, 1); }, [](PlotFilter &f) { f.Set(6, 1000, PlotFilter::kMinQ, 1); }},
        {"negative Q", [](PlotFilter &f) { f.Set(0, 1000, -2, 4); }, [](PlotFilter &f) { f.Set(0, 1000, PlotFilter::kMinQ, 4); }},
        {"zero section A", [](PlotFilter &f) { f.SetAll(0, 1000, 0.05, 11, 0, 0); },
         [](PlotFilter &f) { f.SetAll(0, 1000, 0.05, 11, float(PlotFilter::kMinSectionValue), 0); }},
        {"zero section B", [](PlotFilter &f) { f.SetAll(0, 1000, 0.05, 13, 1, 0); },
         [](PlotFilter &f) { f.SetAll(0, 1000, 0.05, 13, 1, float(PlotFilter::kMinSectionValue)); }},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.what);
        for (uint8_t mode : {0, 1}) {
            PlotFilter a, b;
            a.phaseMode = b.phaseMode = mode;
            r.bad(a);
            r.clamped(b);
            for (int i = 0; i < kGridPoints; ++i) {
                ASSERT_TRUE(std::isfinite(a.response[i])) << i;
                ASSERT_EQ(a.response[i], b.response[i]) << i;
            }
        }
    }
}

} // namespace
