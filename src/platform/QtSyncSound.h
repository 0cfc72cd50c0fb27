// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drill/DrillHold.h"
#include "ports/SyncSound.h"

#include <QObject>
#include <QTimer>

#include <functional>

class HandPlayer;

// The start and end sound. It plays through a player of its own (the same kind that
// answers the hands, decoded once and written straight to the output), and holds the
// drill for exactly the sound's length: strikes, ticks and commands wait in the hold while
// the event loop goes on painting. A sound that cannot play sounds the beep it is given and
// holds nothing.
class QtSyncSound : public QObject, public SyncSound {
    Q_OBJECT
public:
    explicit QtSyncSound(HandPlayer &output, std::function<void()> beep = {},
                         QObject *parent = nullptr);

    void prepare(const QString &path) override;
    // Starts the sound and returns; the hold ends with its last sample. A sound asked for
    // while one plays starts again and the hold lasts until it has ended.
    void playSync(const QString &path) override;
    DrillHold &hold() override { return m_hold; }

private:
    HandPlayer &m_output;
    std::function<void()> m_beep;
    DrillHold m_hold;
    QTimer m_end;
};
