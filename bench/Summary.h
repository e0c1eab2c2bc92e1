// The figures every benchmark prints of its samples.
#pragma once

#include <algorithm>
#include <cstddef>
#include <numeric>
#include <vector>

struct Summary {
    double min = 0;
    double median = 0;
    double mean = 0;
    double p99 = 0;
    double max = 0;
};

// The samples must not be empty. The median of an even count is the mean of the middle two; the
// 99th percentile is the smallest sample that at least 99 % of them do not exceed.
inline Summary Summarise(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    const std::size_t p99 = std::min(n - 1, (n * 99 + 99) / 100 - 1);
    const double mean = std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(n);
    return {values.front(), median, mean, values[p99], values.back()};
}
