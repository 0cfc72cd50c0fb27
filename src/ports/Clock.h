// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class QDateTime;

class Clock {
public:
    virtual ~Clock() = default;
    // Local date and time, for the results log's time stamps.
    virtual QDateTime now() const = 0;
    // Nanoseconds on the monotonic clock (CLOCK_MONOTONIC, the clock the window system
    // stamps key events with), for reaction times.
    virtual qint64 monotonicNs() const = 0;
};
