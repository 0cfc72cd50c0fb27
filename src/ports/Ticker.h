// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

// A per-hand timer. Starting a running ticker restarts its period, so every task gets
// a full first period.
class Ticker {
public:
    virtual ~Ticker() = default;
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual void setInterval(int milliseconds) = 0;
    virtual int interval() const = 0;
    virtual bool isActive() const = 0;
    virtual void setCallback(std::function<void()> onTick) = 0;
};
