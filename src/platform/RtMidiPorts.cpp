// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RtMidiPorts.h"

#include "ports/Clock.h"

#include <QCoreApplication>
#include <QPointer>

#include <RtMidi.h>
#include <alsa/asoundlib.h>
#include <jack/jack.h>

#include <cstdarg>
#include <cstdio>
#include <unistd.h>

struct RtMidiPorts::Open {
    RtMidiPorts *owner = nullptr;
    QString name;
    bool own = false;
    std::unique_ptr<RtMidiIn> in;
};

namespace {

// The MIDI libraries' own complaints ("no sequencer", "cannot connect to server") are
// shown only when asked for: a machine without MIDI is nothing to warn about, and the
// MIDI dialog says it in the program's own words.
bool verboseMidi = false;

void alsaMessage(const char *file, int line, const char *function, int err, const char *format, ...)
{
    if (!verboseMidi)
        return;
    std::fprintf(stderr, "ALSA lib %s:%i:(%s) ", file, line, function);
    va_list args;
    va_start(args, format);
    std::vfprintf(stderr, format, args);
    va_end(args);
    if (err)
        std::fprintf(stderr, ": %s", snd_strerror(err));
    std::fputc('\n', stderr);
}

void jackMessage(const char *message)
{
    if (verboseMidi)
        std::fprintf(stderr, "JACK: %s\n", message);
}

// RtMidi reports its problems here instead of printing or throwing them: a failed step
// is marked in the flag handed over, and the program says what it needs in its own words.
void quietError(RtMidiError::Type type, const std::string &text, void *failed)
{
    if (verboseMidi)
        std::fprintf(stderr, "RtMidi: %s\n", text.c_str());
    if (failed && type != RtMidiError::DEBUG_WARNING)
        *static_cast<bool *>(failed) = true;
}

// Runs a probe with standard error caught: some libraries print beside their error
// functions (JACK1's asks a server program for its folder through the shell, and the shell
// complains when there is none). What was caught is shown only when asked for.
template <typename Probe> bool quietly(Probe probe)
{
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    std::FILE *caught = std::tmpfile();
    if (saved < 0 || !caught) {
        if (saved >= 0)
            close(saved);
        if (caught)
            std::fclose(caught);
        return probe();
    }
    dup2(fileno(caught), STDERR_FILENO);
    const bool answer = probe();
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    if (verboseMidi) {
        std::rewind(caught);
        char buffer[512];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, caught)) > 0;)
            std::fwrite(buffer, 1, n, stderr);
    }
    std::fclose(caught);
    return answer;
}

// Whether the ALSA sequencer can be opened; without it (no /dev/snd/seq, as in containers
// and many virtual machines) RtMidi is not asked at all.
bool alsaSequencerOpens()
{
    snd_seq_t *sequencer = nullptr;
    if (snd_seq_open(&sequencer, "default", SND_SEQ_OPEN_INPUT, SND_SEQ_NONBLOCK) < 0)
        return false;
    snd_seq_close(sequencer);
    return true;
}

// Whether a JACK server answers a client. RtMidi's JACK input is made even when none does
// and then hands a null client to the JACK library, which some JACK libraries do not
// survive; so a server is asked first, never started, and the client closed at once.
bool jackServerAnswers()
{
    jack_status_t status{};
    jack_client_t *client =
        jack_client_open(RtMidiPorts::ClientName, JackOptions(JackNoStartServer), &status);
    if (!client)
        return false;
    jack_client_close(client);
    return true;
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

void RtMidiPorts::setVerbose(bool verbose)
{
    verboseMidi = verbose;
}

void RtMidiPorts::openSystem()
{
    // A JACK client never starts a server of its own behind the player's back.
    qputenv("JACK_NO_START_SERVER", "1");
    snd_lib_error_set_handler(alsaMessage);
    jack_set_error_function(jackMessage);
    jack_set_info_function(jackMessage);
    const struct {
        RtMidi::Api api;
        const char *name;
        bool (*present)();
    } systems[] = {{RtMidi::LINUX_ALSA, "ALSA sequencer", alsaSequencerOpens},
                   {RtMidi::UNIX_JACK, "JACK", jackServerAnswers}};
    for (const auto &system : systems) {
        if (!quietly(system.present))
            continue;
        try {
            auto scanner = std::make_unique<RtMidiIn>(system.api, ClientName);
            // From here on RtMidi tells its problems to the program, not to the terminal.
            bool failed = false;
            scanner->setErrorCallback(quietError, &failed);
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
        // Connects the client first, so a server that has gone is noticed here.
        open->in->getPortCount();
        if (failed)
            return nullptr;
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
