// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/HandPlayer.h"

#include <QString>
#include <QStringList>

// Records what a hand's player was asked to ready and to play, in order.
class FakeHandPlayer : public HandPlayer {
public:
    void prepare(const QString &path) override { prepared << path; }
    void play(const QString &path) override { played << path; }
    void stop() override { ++stops; }
    void setVolume(double gain) override { volume = gain; }
    std::optional<int> lengthMs(const QString &path) override
    {
        prepare(path);
        return length;
    }

    QString last() const { return played.isEmpty() ? QString() : played.last(); }

    QStringList prepared;
    QStringList played;
    int stops = 0;
    double volume = 1.0;
    // What every sound lasts; nothing plays a silent player.
    std::optional<int> length = 300;
};
