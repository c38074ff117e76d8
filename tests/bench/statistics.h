// Minimum, median and maximum of a bench figure's samples.
#ifndef WORDLOFT_TESTS_BENCH_STATISTICS_H
#define WORDLOFT_TESTS_BENCH_STATISTICS_H

#include <algorithm>
#include <vector>

struct Spread {
    double Min = 0;
    double Median = 0;
    double Max = 0;
    size_t Count = 0;
};

inline Spread SpreadOf(std::vector<double> samples) {
    Spread s;
    s.Count = samples.size();
    if (samples.empty()) return s;
    std::sort(samples.begin(), samples.end());
    const size_t n = samples.size();
    s.Min = samples.front();
    s.Max = samples.back();
    s.Median = n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
    return s;
}

#endif
