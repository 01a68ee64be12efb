#pragma once
#include "FrequencyGrid.h"

#include <memory>

// The kGridPoints values of one response, all 0 (flat) until first written.
// The values take memory only from the first write: a display has 48 slots of
// 32 KB, and most of them stay flat for the whole run. Reading never
// allocates; writing access (data(), a non-const index or iteration) does.
// Storage is aligned to 64 bytes for the vector kernels.
class ResponseBuffer {
public:
    ResponseBuffer() = default;
    ResponseBuffer(const ResponseBuffer &Other);
    ResponseBuffer &operator=(const ResponseBuffer &Other);

    double *data();
    const double *data() const;
    operator const double *() const { return data(); }
    double &operator[](int i) { return data()[i]; }
    const double &operator[](int i) const { return data()[i]; }
    double *begin() { return data(); }
    double *end() { return data() + kGridPoints; }
    const double *begin() const { return data(); }
    const double *end() const { return data() + kGridPoints; }
    // Whether the values have been written (hold memory of their own).
    bool Written() const { return values_ != nullptr; }
    // Lets the memory go when every value is +0.0, bit for bit: reading then
    // gives the very same values.
    void ReleaseIfFlat();

private:
    struct Free {
        void operator()(double *p) const;
    };
    std::unique_ptr<double[], Free> values_;
};
