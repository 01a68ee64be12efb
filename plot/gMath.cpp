#include "gMath.h"

#include "Exceptions.h"

#include <algorithm>
#include <cmath>

long double Log10(long double X)
{
    return std::log10(2.0L) * std::log2(X);
}

long double RaisePower(long double Base, long double Exponent)
{
    return std::exp(Exponent * std::log(Base));
}

void SplineSetup(const std::vector<double> &X, const std::vector<double> &Y, int N, std::vector<double> &Y2,
                 double /*YP1*/, double /*YPN*/)
{
    if (N < 2)
        return;
    if (static_cast<int>(Y2.size()) < N + 1)
        Y2.resize(static_cast<size_t>(N) + 1);
    auto x = [&](int i) { return X[static_cast<size_t>(i)]; };
    auto y = [&](int i) { return Y[static_cast<size_t>(i)]; };
    const double yp1 = (y(2) - y(1)) / (x(2) - x(1));
    const double ypn = (y(N) - y(N - 1)) / (x(N) - x(N - 1));
    std::vector<double> u(static_cast<size_t>(N) + 1, 0.0);
    if (yp1 > 0.99e30) {
        Y2[1] = 0;
        u[1] = 0;
    } else {
        Y2[1] = -0.5;
        u[1] = 3 / (x(2) - x(1)) * ((y(2) - y(1)) / (x(2) - x(1)) - yp1);
    }
    for (int i = 2; i <= N - 1; ++i) {
        const double sig = (x(i) - x(i - 1)) / (x(i + 1) - x(i - 1));
        const double p = sig * Y2[static_cast<size_t>(i) - 1] + 2;
        Y2[static_cast<size_t>(i)] = (sig - 1) / p;
        double ui = (y(i + 1) - y(i)) / (x(i + 1) - x(i)) - (y(i) - y(i - 1)) / (x(i) - x(i - 1));
        u[static_cast<size_t>(i)] = (6 * ui / (x(i + 1) - x(i - 1)) - sig * u[static_cast<size_t>(i) - 1]) / p;
    }
    double qn = 0, un = 0;
    if (!(ypn > 0.99e30)) {
        qn = 0.5;
        un = 3 / (x(N) - x(N - 1)) * (ypn - (y(N) - y(N - 1)) / (x(N) - x(N - 1)));
    }
    Y2[static_cast<size_t>(N)] = (un - qn * u[static_cast<size_t>(N) - 1]) / (qn * Y2[static_cast<size_t>(N) - 1] + 1);
    for (int k = N - 1; k >= 1; --k)
        Y2[static_cast<size_t>(k)] = Y2[static_cast<size_t>(k)] * Y2[static_cast<size_t>(k) + 1] + u[static_cast<size_t>(k)];
}

void Splint(const std::vector<double> &XA, const std::vector<double> &YA, const std::vector<double> &Y2A, int N,
            double X, double &Y)
{
    int klo = 1, khi = N;
    while (khi - klo > 1) {
        const int k = (khi + klo) / 2;
        if (XA[static_cast<size_t>(k)] > X)
            khi = k;
        else
            klo = k;
    }
    const auto lo = static_cast<size_t>(klo), hi = static_cast<size_t>(khi);
    const double h = XA[hi] - XA[lo];
    if (h == 0)
        throw Exception(QStringLiteral("Splint Error - xa's must be distinct"));
    const double a = (XA[hi] - X) / h;
    const double b = (X - XA[lo]) / h;
    Y = a * YA[lo] + b * YA[hi] + ((a * a * a - a) * Y2A[lo] + (b * b * b - b) * Y2A[hi]) * (h * h) / 6;
}

namespace {

// The correction step that Neville's and the rational scheme share: take the
// next correction from C (going up the tableau) or D (going down) so that the
// path stays centred on the nearest point.
double NextCorrection(const std::vector<double> &C, const std::vector<double> &D, int N, int m, int &ns)
{
    if (2 * ns < N - m)
        return C[static_cast<size_t>(ns) + 1];
    return D[static_cast<size_t>(ns--)];
}

} // namespace

void PolynomialInterpolate(const std::vector<double> &XA, const std::vector<double> &YA, int N, double X, double &Y,
                           double &DY)
{
    std::vector<double> C(static_cast<size_t>(N) + 2), D(static_cast<size_t>(N) + 2);
    int ns = 1;
    double dif = std::fabs(X - XA[1]);
    for (int i = 1; i <= N; ++i) {
        const double dift = std::fabs(X - XA[static_cast<size_t>(i)]);
        if (dift < dif) {
            ns = i;
            dif = dift;
        }
        C[static_cast<size_t>(i)] = D[static_cast<size_t>(i)] = YA[static_cast<size_t>(i)];
    }
    Y = YA[static_cast<size_t>(ns--)];
    DY = 0;
    for (int m = 1; m <= N - 1; ++m) {
        for (int i = 1; i <= N - m; ++i) {
            const auto ii = static_cast<size_t>(i);
            const double ho = XA[ii] - X;
            const double hp = XA[ii + static_cast<size_t>(m)] - X;
            const double w = C[ii + 1] - D[ii];
            double den = ho - hp;
            if (den == 0)
                throw Exception(QStringLiteral("Polynomial Interpolation Error - Pause in Routine Data"));
            den = w / den;
            D[ii] = hp * den;
            C[ii] = ho * den;
        }
        DY = NextCorrection(C, D, N, m, ns);
        Y += DY;
    }
}

void RationalInterpolate(const std::vector<double> &XA, const std::vector<double> &YA, int N, double X, double &Y,
                         double &DY)
{
    constexpr double kTiny = 1e-25;
    std::vector<double> C(static_cast<size_t>(N) + 2), D(static_cast<size_t>(N) + 2);
    int ns = 1;
    double hh = std::fabs(X - XA[1]);
    for (int i = 1; i <= N; ++i) {
        const auto ii = static_cast<size_t>(i);
        const double h = std::fabs(X - XA[ii]);
        if (h == 0) {
            Y = YA[ii];
            DY = 0;
            return;
        }
        if (h < hh) {
            ns = i;
            hh = h;
        }
        C[ii] = YA[ii];
        D[ii] = YA[ii] + kTiny;
    }
    Y = YA[static_cast<size_t>(ns--)];
    DY = 0;
    for (int m = 1; m <= N - 1; ++m) {
        for (int i = 1; i <= N - m; ++i) {
            const auto ii = static_cast<size_t>(i);
            const double w = C[ii + 1] - D[ii];
            const double h = XA[ii + static_cast<size_t>(m)] - X;
            const double t = (XA[ii] - X) * D[ii] / h;
            double dd = t - C[ii + 1];
            if (dd == 0)
                throw Exception(QStringLiteral("Rational Interpolation Error - Pause in Routine Data"));
            dd = w / dd;
            D[ii] = C[ii + 1] * dd;
            C[ii] = t * dd;
        }
        DY = NextCorrection(C, D, N, m, ns);
        Y += DY;
    }
}

void LineThroughPoints(TPoint P1, TPoint P2, double &Slope, double &Intercept)
{
    Slope = P1.X == P2.X ? 1e30 : static_cast<double>(P2.Y - P1.Y) / (P2.X - P1.X);
    Intercept = P1.Y - P1.X * Slope;
}

namespace {

// Sign of the turn from a->b to a->c, exact in 64-bit integers.
int Orientation(TPoint a, TPoint b, TPoint c)
{
    const long long v = static_cast<long long>(b.X - a.X) * (c.Y - a.Y) - static_cast<long long>(b.Y - a.Y) * (c.X - a.X);
    return (v > 0) - (v < 0);
}

} // namespace

bool SegmentsIntersect(TPoint A1, TPoint A2, TPoint B1, TPoint B2)
{
    const long long cross = static_cast<long long>(A2.X - A1.X) * (B2.Y - B1.Y) -
                            static_cast<long long>(A2.Y - A1.Y) * (B2.X - B1.X);
    if (cross == 0)
        return false; // parallel or collinear (or a segment of one point)
    return Orientation(A1, A2, B1) * Orientation(A1, A2, B2) <= 0 &&
           Orientation(B1, B2, A1) * Orientation(B1, B2, A2) <= 0;
}

bool SegmentIntersectsRect(TPoint P1, TPoint P2, const TRect &R)
{
    const TPoint lt(R.Left, R.Top), rt(R.Right, R.Top), lb(R.Left, R.Bottom), rb(R.Right, R.Bottom);
    if (SegmentsIntersect(P1, P2, lb, lt) || SegmentsIntersect(P1, P2, rt, lt) || SegmentsIntersect(P1, P2, rb, rt) ||
        SegmentsIntersect(P1, P2, lb, rb))
        return true;
    auto inside = [&](TPoint p) {
        return p.X >= std::min(R.Left, R.Right) && p.X <= std::max(R.Left, R.Right) &&
               p.Y >= std::min(R.Top, R.Bottom) && p.Y <= std::max(R.Top, R.Bottom);
    };
    return inside(P1) || inside(P2);
}
