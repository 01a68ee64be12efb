#include "Types.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

TRect IntersectRect(const TRect &a, const TRect &b)
{
    TRect r(std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
            std::min(a.Bottom, b.Bottom));
    if (r.IsEmpty())
        return TRect();
    return r;
}

TRect UnionRect(const TRect &a, const TRect &b)
{
    if (a.IsEmpty())
        return b;
    if (b.IsEmpty())
        return a;
    return TRect(std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                 std::max(a.Bottom, b.Bottom));
}

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    long long p = static_cast<long long>(a) * b;
    long long q = std::llabs(p) + std::llabs(static_cast<long long>(c)) / 2;
    q /= std::llabs(static_cast<long long>(c));
    bool negative = (p < 0) != (c < 0);
    if (q > std::numeric_limits<int>::max())
        return -1; // the result does not fit, as Windows answers
    return static_cast<int>(negative ? -q : q);
}

int RoundHalfEven(double v)
{
    double r = std::nearbyint(v); // default rounding mode: to nearest, ties to even
    if (r >= std::numeric_limits<int>::min() && r <= std::numeric_limits<int>::max())
        return static_cast<int>(r);
    return std::isnan(r) ? 0 : r < 0 ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
}
