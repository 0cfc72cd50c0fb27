// SPDX-License-Identifier: GPL-3.0-or-later
#include "rhythm/ClickCalibration.h"

#include <algorithm>
#include <cstdlib>

QList<qint64> ClickCalibration::plan(qint64 firstNs)
{
    QList<qint64> times;
    for (int i = 0; i < CountInClicks + TapClicks; ++i)
        times.append(firstNs + i * BeatNs);
    return times;
}

ClickCalibration::Result ClickCalibration::measure(const QList<qint64> &clicksNs,
                                                   const QList<qint64> &tapsNs, double inUseMs,
                                                   qint64 beatNs)
{
    Result result;
    QList<qint64> differences;
    for (const qint64 tap : tapsNs) {
        std::optional<qint64> nearest;
        for (const qint64 click : clicksNs) {
            const qint64 difference = tap - click;
            if (!nearest || std::llabs(difference) < std::llabs(*nearest))
                nearest = difference;
        }
        if (nearest && std::llabs(*nearest) * 2 <= beatNs)
            differences.append(*nearest);
        else
            ++result.ignoredTaps;
    }
    result.usedTaps = int(differences.size());
    result.keptMs = inUseMs;
    if (result.usedTaps < LeastTaps)
        return result;

    std::sort(differences.begin(), differences.end());
    const qsizetype middle = differences.size() / 2;
    const double medianNs =
        differences.size() % 2
            ? double(differences[middle])
            : (double(differences[middle - 1]) + double(differences[middle])) / 2;
    result.measuredMs = medianNs / 1e6;
    result.keptMs = *result.measuredMs;
    return result;
}
