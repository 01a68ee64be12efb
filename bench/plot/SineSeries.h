#pragma once
#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>
#include <vector>

// The series the channel benchmarks paint: a slow sine (amplitude 40) with a
// little noise, X rising with the index from 0 to just below 100.
struct SineSeries {
    std::vector<double> x, y;
    explicit SineSeries(int Points)
    {
        std::mt19937 rng(21);
        std::normal_distribution<double> noise(0, 0.3);
        x.resize(size_t(Points));
        y.resize(size_t(Points));
        for (int i = 0; i < Points; ++i) {
            x[size_t(i)] = i * 100.0 / Points;
            y[size_t(i)] = 40 * std::sin(x[size_t(i)] / 5) + noise(rng);
        }
    }
};

// The worst case for a decimating trace: X rising as in SineSeries, Y
// uniform noise over -40 .. 40, so every pixel column spans nearly the view.
struct NoiseSeries {
    std::vector<double> x, y;
    explicit NoiseSeries(int Points)
    {
        std::mt19937 rng(22);
        std::uniform_real_distribution<double> noise(-40, 40);
        x.resize(size_t(Points));
        y.resize(size_t(Points));
        for (int i = 0; i < Points; ++i) {
            x[size_t(i)] = i * 100.0 / Points;
            y[size_t(i)] = noise(rng);
        }
    }
};

// A scatter of measured pairs drawn as a line: the pairs of SineSeries in a
// random order, so that nearly every segment crosses the plot.
struct ScatterSeries {
    std::vector<double> x, y;
    explicit ScatterSeries(int Points)
    {
        const SineSeries sine(Points);
        std::vector<size_t> order(static_cast<size_t>(Points));
        std::iota(order.begin(), order.end(), size_t(0));
        std::shuffle(order.begin(), order.end(), std::mt19937(23));
        x.resize(size_t(Points));
        y.resize(size_t(Points));
        for (size_t i = 0; i < order.size(); ++i) {
            x[i] = sine.x[order[i]];
            y[i] = sine.y[order[i]];
        }
    }
};
