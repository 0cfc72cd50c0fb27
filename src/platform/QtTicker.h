// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/Ticker.h"

#include <QObject>

class QSocketNotifier;

// A hand timer on the kernel's monotonic clock (a timerfd watched by the event loop).
// The kernel keeps the period, so ticks stay on their schedule from the start and never
// drift; and it wakes the program at the tick itself, where the event loop's own timers
// round every wait up to a whole millisecond and so come up to a millisecond late.
class QtTicker : public QObject, public Ticker {
    Q_OBJECT
public:
    explicit QtTicker(QObject *parent = nullptr);
    ~QtTicker() override;

    void start() override;
    void stop() override;
    void setInterval(int milliseconds) override;
    int interval() const override;
    bool isActive() const override;
    void setCallback(std::function<void()> onTick) override;

private:
    void arm(int milliseconds);
    void expired();

    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
    int m_interval = 1000;
    bool m_active = false;
    std::function<void()> m_onTick;
};
