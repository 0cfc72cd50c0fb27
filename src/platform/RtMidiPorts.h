// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/MidiPorts.h"

#include <QObject>
#include <QTimer>

#include <memory>
#include <vector>

class Clock;
class RtMidiIn;
class RtMidiOut;

// The system's MIDI inputs through RtMidi: the ALSA sequencer where there is one, else a
// running JACK server, else none (and nothing else happens). Every input port found is
// opened; a virtual port "Moravel" takes what other programs send. Ports are looked for
// again every second, so a keyboard plugged in or out is picked up or let go. Messages
// come on RtMidi's thread, are stamped there and handed to the main thread.
class RtMidiPorts : public QObject, public MidiPorts {
    Q_OBJECT
public:
    static constexpr const char *ClientName = "Moravel";

    explicit RtMidiPorts(const Clock &clock, QObject *parent = nullptr);
    ~RtMidiPorts() override;

    bool available() const override { return m_scanner != nullptr; }
    QString unavailableReason() const override { return m_reason; }
    QString systemName() const override { return m_system; }
    QList<Port> ports() const override;
    QStringList outputs() const override;
    void setMessageSink(MessageSink sink) override { m_sink = std::move(sink); }
    void setPortSink(PortSink sink) override { m_portSink = std::move(sink); }

    // Whether the MIDI libraries' own messages go to standard error (they are kept quiet
    // otherwise). Set before the ports are made.
    static void setVerbose(bool verbose);

    // Looks at the system's ports now (the timer does it every second).
    void rescan();

    // One port listened to (RtMidi's callbacks reach it).
    struct Open;
    // A message from RtMidi's thread.
    void post(const QString &port, const QByteArray &bytes);

private:
    void openSystem();
    void openOutputList(int api);
    void deliver(const QString &port, const QByteArray &bytes, qint64 arrivedNs);
    std::unique_ptr<Open> openPort(unsigned index, const QString &name);

    const Clock &m_clock;
    int m_api = 0;
    QString m_system;
    QString m_reason;
    // The client that looks for ports; it also holds the program's own port.
    RtMidiIn *m_scanner = nullptr;
    std::vector<std::unique_ptr<Open>> m_open;
    // A client that only lists where the program could send to.
    std::unique_ptr<RtMidiOut> m_outputs;
    QStringList m_failed;
    MessageSink m_sink;
    PortSink m_portSink;
    QTimer m_timer;
};
