// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

// A JACK server of the test's own on the dummy backend. Its name comes from the pool the
// end-to-end tests draw from (moravel-jack-0..5) and is used again: JACK keeps at most
// eight servers in its registry, and frees the entry of one killed only when a server of
// the same name starts. The name's lock is held until the test ends; the environment
// points the test's JACK clients at it.
class DummyJack {
public:
    // Takes a name of the pool; false when every one is taken.
    bool reserve()
    {
        const QByteArray folder =
            qgetenv("TMPDIR").isEmpty() ? QByteArray("/tmp") : qgetenv("TMPDIR");
        for (int slot = 0; slot < 6 && m_server.isEmpty(); ++slot) {
            const int fd =
                ::open((folder + "/moravel-jack-" + QByteArray::number(slot) + ".lock").constData(),
                       O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
            if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
                m_server = "moravel-jack-" + QByteArray::number(slot);
            else if (fd >= 0)
                ::close(fd);
        }
        if (m_server.isEmpty())
            return false;
        qputenv("JACK_DEFAULT_SERVER", m_server);
        qputenv("JACK_NO_AUDIO_RESERVATION", "1");
        return true;
    }
    QByteArray name() const { return m_server; }

    // Starts jackd (Debian's jackd2) on the dummy backend, a period of `period` frames at
    // 48 kHz; it takes a moment before it accepts clients.
    bool start(int period = 256)
    {
        const QString jackd = QStandardPaths::findExecutable(QStringLiteral("jackd"));
        if (jackd.isEmpty())
            return false;
        m_jack.setProgram(jackd);
        m_jack.setArguments({QStringLiteral("--no-realtime"), QStringLiteral("-n"),
                             QString::fromLatin1(m_server), QStringLiteral("-d"),
                             QStringLiteral("dummy"), QStringLiteral("-r"), QStringLiteral("48000"),
                             QStringLiteral("-p"), QString::number(period)});
        m_jack.setProcessChannelMode(QProcess::MergedChannels);
        m_jack.start();
        return m_jack.waitForStarted(5000);
    }
    bool running() const { return m_jack.state() != QProcess::NotRunning; }
    void stop()
    {
        if (m_jack.state() == QProcess::NotRunning)
            return;
        m_jack.terminate();
        if (!m_jack.waitForFinished(5000))
            m_jack.kill();
    }
    ~DummyJack() { stop(); }

private:
    QByteArray m_server;
    QProcess m_jack;
};
