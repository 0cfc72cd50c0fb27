// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RtMidiPorts.h"

#include "platform/MidiSystems.h"
#include "ports/Clock.h"

#include <QCoreApplication>
#include <QPointer>

#include <RtMidi.h>

#include <algorithm>

struct RtMidiPorts::Open {
    RtMidiPorts *owner = nullptr;
    QString name;
    bool own = false;
    std::unique_ptr<RtMidiIn> in;
};

namespace {

void received(double, std::vector<unsigned char> *message, void *data)
{
    auto *open = static_cast<RtMidiPorts::Open *>(data);
    if (!message || message->empty())
        return;
    open->owner->post(open->name, QByteArray(reinterpret_cast<const char *>(message->data()),
                                             qsizetype(message->size())));
}

} // namespace

RtMidiPorts::RtMidiPorts(const Clock &clock, QObject *parent) : QObject(parent), m_clock(clock)
{
    openSystem();
    if (!m_scanner)
        return;
    rescan();
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &RtMidiPorts::rescan);
    m_timer.start();
}

RtMidiPorts::~RtMidiPorts()
{
    m_timer.stop();
    // Closing a port waits for its thread; no message can arrive after this.
    m_open.clear();
}

void RtMidiPorts::setVerbose(bool verbose)
{
    MidiSystems::setVerbose(verbose);
}

void RtMidiPorts::openSystem()
{
    for (const MidiSystems::System &system : MidiSystems::present()) {
        try {
            auto scanner = std::make_unique<RtMidiIn>(system.api, ClientName);
            // From here on RtMidi tells its problems to the program, not to the terminal.
            bool failed = false;
            scanner->setErrorCallback(MidiSystems::quietError, &failed);
            // RtMidi falls back to a dummy when the system is not compiled in.
            if (scanner->getCurrentApi() != system.api)
                continue;
            // Asking for the ports connects the client; a server that went away or refused
            // it since it answered leaves the client unconnected, and no port is opened on
            // it.
            scanner->getPortCount();
            if (failed)
                continue;
            scanner->openVirtualPort(ClientName);
            scanner->setErrorCallback(MidiSystems::quietError, nullptr);
            if (failed)
                continue;
            m_api = int(system.api);
            m_system = QString::fromLatin1(system.name);
            // The first client takes the plain name, so the own port is "Moravel:Moravel".
            auto own = std::make_unique<Open>();
            own->owner = this;
            own->name = QString::fromLatin1(ClientName);
            own->own = true;
            scanner->ignoreTypes(true, true, true);
            scanner->setCallback(received, own.get());
            m_scanner = scanner.get();
            own->in = std::move(scanner);
            m_open.push_back(std::move(own));
            openOutputList(system.api);
            break;
        } catch (const RtMidiError &) {
            continue;
        }
    }
    if (!m_scanner) {
        // Shown in the MIDI dialog, in the player's language.
        m_reason = QCoreApplication::translate("RtMidiPorts",
                                               "No MIDI system was found: there is no ALSA "
                                               "sequencer (/dev/snd/seq) and no JACK server "
                                               "running.");
        return;
    }
}

std::unique_ptr<RtMidiPorts::Open> RtMidiPorts::openPort(unsigned index, const QString &name)
{
    auto open = std::make_unique<Open>();
    open->owner = this;
    open->name = name;
    bool failed = false;
    try {
        open->in = std::make_unique<RtMidiIn>(RtMidi::Api(m_api), ClientName);
        open->in->setErrorCallback(MidiSystems::quietError, &failed);
        // Connects the client first, so a server that has gone is noticed here.
        open->in->getPortCount();
        if (failed)
            return nullptr;
        // Notes are what counts; system exclusive, clock and active sensing are dropped
        // before they reach the program.
        open->in->ignoreTypes(true, true, true);
        open->in->setCallback(received, open.get());
        open->in->openPort(index, ClientName);
        open->in->setErrorCallback(MidiSystems::quietError, nullptr);
    } catch (const RtMidiError &) {
        return nullptr;
    }
    if (failed || !open->in->isPortOpen())
        return nullptr;
    return open;
}

void RtMidiPorts::post(const QString &port, const QByteArray &bytes)
{
    // The arrival time is taken on RtMidi's thread, before the main thread is woken.
    const qint64 arrived = m_clock.monotonicNs();
    QMetaObject::invokeMethod(
        this, [this, port, bytes, arrived] { deliver(port, bytes, arrived); },
        Qt::QueuedConnection);
}

void RtMidiPorts::deliver(const QString &port, const QByteArray &bytes, qint64 arrivedNs)
{
    if (m_sink)
        m_sink(port, bytes, arrivedNs);
}

void RtMidiPorts::rescan()
{
    if (!m_scanner)
        return;
    QStringList present;
    unsigned count = 0;
    try {
        count = m_scanner->getPortCount();
    } catch (const RtMidiError &) {
        return;
    }
    for (unsigned i = 0; i < count; ++i) {
        QString name;
        try {
            name = QString::fromStdString(m_scanner->getPortName(i));
        } catch (const RtMidiError &) {
            continue;
        }
        // The program's own ports (the virtual one, and the listening ends of the others
        // under JACK) are not keyboards.
        if (name.isEmpty() || MidiSystems::isOwnPort(name))
            continue;
        present << name;
        const bool known = std::any_of(m_open.begin(), m_open.end(),
                                       [&](const auto &open) { return open->name == name; });
        if (known || m_failed.contains(name))
            continue;
        if (auto open = openPort(i, name)) {
            m_open.push_back(std::move(open));
            if (m_portSink)
                m_portSink(name, true);
        } else {
            m_failed << name;
        }
    }
    for (auto it = m_open.begin(); it != m_open.end();) {
        if ((*it)->in.get() == m_scanner || present.contains((*it)->name)) {
            ++it;
            continue;
        }
        const QString gone = (*it)->name;
        it = m_open.erase(it);
        if (m_portSink)
            m_portSink(gone, false);
    }
    m_failed.removeIf([&](const QString &name) { return !present.contains(name); });
}

QList<MidiPorts::Port> RtMidiPorts::ports() const
{
    QList<Port> list;
    for (const auto &open : m_open) {
        if (!open->name.isEmpty())
            list << Port{open->name, true, open->own};
    }
    for (const QString &name : m_failed)
        list << Port{name, false, false};
    return list;
}

void RtMidiPorts::openOutputList(int api)
{
    try {
        auto lister = std::make_unique<RtMidiOut>(RtMidi::Api(api), ClientName);
        bool failed = false;
        lister->setErrorCallback(MidiSystems::quietError, &failed);
        lister->getPortCount();
        if (!failed)
            m_outputs = std::move(lister);
    } catch (const RtMidiError &) {
    }
}

QStringList RtMidiPorts::outputs() const
{
    QStringList names;
    if (!m_outputs)
        return names;
    try {
        const unsigned count = m_outputs->getPortCount();
        for (unsigned i = 0; i < count; ++i) {
            const QString name = QString::fromStdString(m_outputs->getPortName(i));
            if (!name.isEmpty() && !MidiSystems::isOwnPort(name))
                names << name;
        }
    } catch (const RtMidiError &) {
    }
    return names;
}
