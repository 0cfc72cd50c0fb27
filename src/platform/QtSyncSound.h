// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/SyncSound.h"

#include <QHash>
#include <QObject>

#include <memory>

class QSoundEffect;

// The start and end sound. It plays the WAV to its end while the drill is held: key
// and menu events wait in the queue, ticks are kept by DrillHold, and the screen keeps
// painting. Every wait is bounded by the file's own length.
class QtSyncSound : public QObject, public SyncSound {
    Q_OBJECT
public:
    explicit QtSyncSound(QObject *parent = nullptr);
    ~QtSyncSound() override;

    void prepare(const QString &path) override;
    void playSync(const QString &path) override;

private:
    QSoundEffect *effectFor(const QString &path);
    QHash<QString, QSoundEffect *> m_effects;
};
