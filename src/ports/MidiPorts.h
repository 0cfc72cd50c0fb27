// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <functional>

// The MIDI inputs of the system: every port found is listened to, and the program offers
// a port of its own that other programs can play into. Messages arrive on the main thread
// with the time they reached the program.
class MidiPorts {
public:
    struct Port {
        QString name;
        // Listened to; false when it could not be opened.
        bool open = false;
        // The program's own port, for other programs to play into.
        bool own = false;
    };
    using MessageSink =
        std::function<void(const QString &port, const QByteArray &bytes, qint64 arrivedNs)>;
    // A port came or went (true when it came).
    using PortSink = std::function<void(const QString &port, bool added)>;

    virtual ~MidiPorts() = default;

    // Whether a MIDI system was found; when not, why (for the player).
    virtual bool available() const = 0;
    virtual QString unavailableReason() const = 0;
    // "ALSA sequencer", "JACK".
    virtual QString systemName() const = 0;
    virtual QList<Port> ports() const = 0;
    // The ports the program could send to (a digital piano that sounds the metronome), the
    // program's own left out; none where the system has none or cannot say.
    virtual QStringList outputs() const { return {}; }

    virtual void setMessageSink(MessageSink sink) = 0;
    virtual void setPortSink(PortSink sink) = 0;
};
