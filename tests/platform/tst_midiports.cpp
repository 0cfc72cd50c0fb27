// SPDX-License-Identifier: GPL-3.0-or-later
// The system's MIDI inputs through RtMidi: nothing there (no ALSA sequencer, no JACK
// server, or one that refuses its clients) is a quiet "unavailable", with not a line on
// standard error; with a JACK server on its dummy backend, the program's
// own port receives notes and a keyboard port that comes and goes is picked up and let go.
#include "platform/RtMidiPorts.h"
#include "platform/SystemClock.h"

#include "DummyJack.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryFile>
#include <QTest>

#include <RtMidi.h>

#include <atomic>
#include <optional>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace {

// A JACK server's socket that takes every client's connection and closes it at once.
class RefusingServer {
public:
    explicit RefusingServer(const QByteArray &server)
    {
        m_path = "/dev/shm/jack_" + server + "_" + QByteArray::number(getuid()) + "_0";
        m_fd = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, m_path.constData(), sizeof address.sun_path);
        unlink(m_path.constData());
        if (bind(m_fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 ||
            listen(m_fd, 8) != 0)
            return;
        m_listening = true;
        m_thread = std::thread([this] {
            for (int client; (client = accept(m_fd, nullptr, nullptr)) >= 0;) {
                ++m_refused;
                close(client);
            }
        });
    }
    ~RefusingServer()
    {
        shutdown(m_fd, SHUT_RDWR);
        close(m_fd);
        if (m_thread.joinable())
            m_thread.join();
        unlink(m_path.constData());
    }
    bool listening() const { return m_listening; }
    int refused() const { return m_refused; }

private:
    QByteArray m_path;
    int m_fd = -1;
    bool m_listening = false;
    std::atomic<int> m_refused{0};
    std::thread m_thread;
};

// What the process writes to standard error while `run` runs.
template <typename Run> QByteArray standardError(Run run)
{
    QTemporaryFile capture;
    if (!capture.open())
        return "cannot capture standard error";
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    dup2(capture.handle(), STDERR_FILENO);
    run();
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    capture.seek(0);
    return capture.readAll();
}

} // namespace

class TestMidiPorts : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void unavailable_data();
    void unavailable();
    void ownPortAndHotPlug();
    void cleanupTestCase();

private:
    DummyJack m_jack;
};

void TestMidiPorts::initTestCase()
{
    // A server name of this run's own, so a JACK server of the machine plays no part.
    QVERIFY2(m_jack.reserve(), "every JACK server name of the tests is taken");
}

void TestMidiPorts::unavailable_data()
{
    QTest::addColumn<bool>("refusingServer");
    QTest::newRow("no server") << false;
    QTest::newRow("a server that refuses its clients") << true;
}

void TestMidiPorts::unavailable()
{
    QFETCH(bool, refusingServer);
    if (QFile::exists(QStringLiteral("/dev/snd/seq")))
        QSKIP("this machine has an ALSA sequencer, so MIDI is never unavailable here");
    std::optional<RefusingServer> server;
    if (refusingServer) {
        server.emplace(m_jack.name());
        QVERIFY(server->listening());
    }
    SystemClock clock;
    std::unique_ptr<RtMidiPorts> ports;
    const QByteArray said = standardError([&] {
        ports = std::make_unique<RtMidiPorts>(clock);
        ports->rescan(); // and nothing happens
        ports.reset();
        ports = std::make_unique<RtMidiPorts>(clock);
    });
    QVERIFY(!ports->available());
    QVERIFY(ports->unavailableReason().contains(QStringLiteral("JACK")));
    QVERIFY(ports->ports().isEmpty());
    QVERIFY2(said.isEmpty(), said.constData());
    if (server)
        QVERIFY(server->refused() > 0);
}

void TestMidiPorts::ownPortAndHotPlug()
{
    if (QFile::exists(QStringLiteral("/dev/snd/seq")))
        QSKIP("this machine has an ALSA sequencer; the JACK path is not taken");
    QVERIFY2(m_jack.start(), "jackd (Debian's jackd2) is needed for this test");

    SystemClock clock;
    std::unique_ptr<RtMidiPorts> ports;
    QElapsedTimer waited;
    waited.start();
    // The server takes a moment to accept clients.
    while (waited.elapsed() < 10000) {
        ports = std::make_unique<RtMidiPorts>(clock);
        if (ports->available())
            break;
        QTest::qWait(200);
    }
    QVERIFY(ports->available());
    QCOMPARE(ports->systemName(), QStringLiteral("JACK"));
    QCOMPARE(ports->ports().size(), 1);
    QVERIFY(ports->ports().first().own);

    QList<QByteArray> received;
    QStringList from;
    qint64 arrived = 0;
    ports->setMessageSink([&](const QString &port, const QByteArray &bytes, qint64 at) {
        from << port;
        received << bytes;
        arrived = at;
    });
    QStringList changes;
    ports->setPortSink([&](const QString &port, bool added) {
        changes << (added ? QStringLiteral("+") : QStringLiteral("-")) + port;
    });

    // Another program plays into the program's own port.
    RtMidiOut sender(RtMidi::UNIX_JACK, "sender");
    int own = -1;
    for (unsigned i = 0; i < sender.getPortCount(); ++i) {
        if (sender.getPortName(i) == "Moravel:Moravel")
            own = int(i);
    }
    QVERIFY2(own >= 0, "the program's own port is \"Moravel:Moravel\"");
    sender.openPort(unsigned(own));
    const qint64 before = clock.monotonicNs();
    const std::vector<unsigned char> noteOn = {0x90, 60, 100};
    sender.sendMessage(&noteOn);
    QTRY_COMPARE_WITH_TIMEOUT(received.size(), 1, 3000);
    QCOMPARE(received.first(), QByteArray::fromHex("903c64"));
    QCOMPARE(from.first(), QStringLiteral("Moravel"));
    QVERIFY(arrived >= before);
    sender.closePort();

    // A keyboard is plugged in, found at the next look, and let go when it goes.
    ports->rescan();
    changes.clear();
    auto piano = std::make_unique<RtMidiOut>(RtMidi::UNIX_JACK, "piano");
    piano->openVirtualPort("keys");
    ports->rescan();
    QCOMPARE(changes, QStringList{QStringLiteral("+piano:keys")});
    QCOMPARE(ports->ports().size(), 2);
    received.clear();
    piano->sendMessage(&noteOn);
    QTRY_COMPARE_WITH_TIMEOUT(received.size(), 1, 3000);
    QCOMPARE(from.last(), QStringLiteral("piano:keys"));
    piano.reset();
    ports->rescan();
    QCOMPARE(changes.last(), QStringLiteral("-piano:keys"));
    QCOMPARE(ports->ports().size(), 1);
}

void TestMidiPorts::cleanupTestCase()
{
    m_jack.stop();
}

QTEST_GUILESS_MAIN(TestMidiPorts)
#include "tst_midiports.moc"
