#include "ResponseBuffer.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {
constexpr std::align_val_t kAlign{64};
alignas(64) const double kFlat[kGridPoints] = {};
} // namespace

void ResponseBuffer::Free::operator()(double *p) const
{
    ::operator delete[](p, kAlign);
}

ResponseBuffer::ResponseBuffer(const ResponseBuffer &Other)
{
    if (Other.Written())
        std::copy(Other.begin(), Other.end(), data());
}

ResponseBuffer &ResponseBuffer::operator=(const ResponseBuffer &Other)
{
    if (this == &Other)
        return *this;
    if (Other.Written())
        std::copy(Other.begin(), Other.end(), data());
    else
        values_.reset();
    return *this;
}

double *ResponseBuffer::data()
{
    if (!values_) {
        auto *p = static_cast<double *>(::operator new[](sizeof(double) * kGridPoints, kAlign));
        std::fill(p, p + kGridPoints, 0.0);
        values_.reset(p);
    }
    return values_.get();
}

void ResponseBuffer::ReleaseIfFlat()
{
    if (values_ && std::memcmp(values_.get(), kFlat, sizeof kFlat) == 0)
        values_.reset();
}

const double *ResponseBuffer::data() const
{
    return values_ ? values_.get() : kFlat;
}
