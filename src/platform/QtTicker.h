// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/Ticker.h"

#include <QObject>
#include <QTimer>

// A hand timer on a precise QTimer: a coarse timer may drift by 5 % of its period,
// which would change the scores.
class QtTicker : public QObject, public Ticker {
    Q_OBJECT
public:
    explicit QtTicker(QObject *parent = nullptr);

    void start() override;
    void stop() override;
    void setInterval(int milliseconds) override;
    int interval() const override;
    bool isActive() const override;
    void setCallback(std::function<void()> onTick) override;

private:
    QTimer m_timer;
    std::function<void()> m_onTick;
    // Counts starts, so that a tick kept during a hold is dropped when the timer was
    // restarted or stopped before the hold ended.
    quint64 m_generation = 0;
};
