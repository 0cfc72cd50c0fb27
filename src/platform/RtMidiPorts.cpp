// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RtMidiPorts.h"

#include "ports/Clock.h"

#include <QCoreApplication>
#include <QPointer>

#include <RtMidi.h>

struct RtMidiPorts::Open {
    RtMidiPorts *owner = nullptr;
    QString name;
    bool own = false;
    std::unique_ptr<RtMidiIn> in;
};

namespace {

// RtMidi reports its problems here instead of printing or throwing them: a failed step
// is marked in the flag handed over, and the program says what it needs in its own words.
void quietError(RtMidiError::Type type, const std::string &, void *failed)
{
    if (failed && type != RtMidiError::WARNING && type != RtMidiError::DEBUG_WARNING)
        *static_cast<bool *>(failed) = true;
}

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

void RtMidiPorts::openSystem()
{
    // A JACK client never starts a server of its own behind the player's back.
    qputenv("JACK_NO_START_SERVER", "1");
    const struct {
        RtMidi::Api api;
        const char *name;
    } systems[] = {{RtMidi::LINUX_ALSA, "ALSA sequencer"}, {RtMidi::UNIX_JACK, "JACK"}};
    for (const auto &system : systems) {
        try {
            auto scanner = std::make_unique<RtMidiIn>(system.api, ClientName);
            // RtMidi falls back to a dummy when the system is not compiled in.
            if (scanner->getCurrentApi() != system.api)
                continue;
            // A JACK client without a server is made all the same; opening a port tells.
            bool failed = false;
            scanner->setErrorCallback(quietError, &failed);
            scanner->openVirtualPort(ClientName);
            scanner->setErrorCallback(quietError, nullptr);
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
        open->in->setErrorCallback(quietError, &failed);
        // Notes are what counts; system exclusive, clock and active sensing are dropped
        // before they reach the program.
        open->in->ignoreTypes(true, true, true);
        open->in->setCallback(received, open.get());
        open->in->openPort(index, ClientName);
        open->in->setErrorCallback(quietError, nullptr);
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
        if (name.isEmpty() || name.startsWith(QString::fromLatin1(ClientName) + u':'))
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
