// Timing for the benchmarks: the median of many runs, so that one run slowed
// by the rest of the machine does not move the figure.
#pragma once

#include <QElapsedTimer>
#include <algorithm>
#include <utility>
#include <vector>

template <typename T> T median(std::vector<T> tal)
{
    const auto midte = tal.begin() + tal.size() / 2;
    std::nth_element(tal.begin(), midte, tal.end());
    return *midte;
}

// The median of the milliseconds that `runs` calls of `skridt` take.
template <typename Skridt> double medianMs(int runs, Skridt &&skridt)
{
    std::vector<double> ms;
    ms.reserve(runs);
    QElapsedTimer timer;
    for (int run = 0; run < runs; ++run) {
        timer.start();
        skridt();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    return median(std::move(ms));
}
