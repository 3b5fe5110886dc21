#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <functional>
#include <vector>

// What the in-process benches share: the time of one piece of work, and the median of several.
namespace Timing {

inline double milliseconds(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}
