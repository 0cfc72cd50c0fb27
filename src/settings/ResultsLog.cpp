// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ResultsLog.h"

#include "ports/Clock.h"
#include "ports/LogFile.h"

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QString crlf = QStringLiteral("\r\n");
}

ResultsLog::ResultsLog(LogFile &file, const Clock &clock) : m_file(file), m_clock(clock) {}

void ResultsLog::WriteLogEntry(const QString &message)
{
    const QString stamp = m_clock.now().toString(QStringLiteral("MM-dd HH:mm:ss"));
    m_file.append((stamp + crlf + message + crlf).toLocal8Bit());
}

QString ResultsLog::path() const
{
    return m_file.path();
}

void ResultsLog::WriteLogLine(const QString &message)
{
    m_file.append((message + crlf).toLocal8Bit());
}

QString ResultsLog::summary(const QString &player, const QString &kind, qint16 count,
                            const QString &unit, qint16 total)
{
    return player + crlf + kind + u' ' + QString::number(count) + u' ' + unit + crlf +
           QString::number(total) + QStringLiteral("  points") + crlf;
}

int ResultsLog::openForAppend(const QByteArray &name, QString &problem)
{
    const int fd =
        ::open(name.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0644);
    struct stat info {};
    if (fd < 0) {
        const int error = errno;
        const bool other = ::stat(name.constData(), &info) == 0 && !S_ISREG(info.st_mode);
        problem = other ? QStringLiteral("not a regular file")
                        : QString::fromLocal8Bit(std::strerror(error));
        return -1;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        problem = QStringLiteral("not a regular file");
        return -1;
    }
    return fd;
}

bool ResultsLog::createIfMissing(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) == 0 && S_ISREG(info.st_mode))
        return true;
    // The user's data folder may not be there before the first result.
    QDir().mkpath(QFileInfo(path).absolutePath());
    QString problem;
    const int fd = openForAppend(name, problem);
    if (fd < 0) {
        std::fprintf(stderr, "moravel: cannot open the results log %s: %s\n", name.constData(),
                     qPrintable(problem));
        return false;
    }
    ::close(fd);
    return true;
}
