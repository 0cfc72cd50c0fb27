// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drill/DrillHold.h"
#include "ports/SyncSound.h"

#include <QObject>

class HandPlayer;

// The start and end sound. It plays through a player of its own (the same kind that
// answers the hands, decoded once and written straight to the output), and holds the
// drill for exactly the sound's length: key and menu events wait in the queue, the
// drills keep their ticks in the hold, and the screen keeps painting. A sound that cannot play
// sounds the system beep and holds nothing.
class QtSyncSound : public QObject, public SyncSound {
    Q_OBJECT
public:
    explicit QtSyncSound(HandPlayer &output, QObject *parent = nullptr);

    void prepare(const QString &path) override;
    void playSync(const QString &path) override;
    DrillHold &hold() override { return m_hold; }

private:
    HandPlayer &m_output;
    DrillHold m_hold;
};
