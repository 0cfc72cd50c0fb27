// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AppendLogFile.h"

#include <QByteArray>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

AppendLogFile::AppendLogFile(QString path) : m_path(std::move(path)) {}

namespace {

// Opens the log for appending, creating it when it is missing. Only a regular file is a
// log: a FIFO, a device or a folder by that name would block the program or swallow the
// record, so it is refused. Never waits: a FIFO without a reader would block the open.
int openLog(const QByteArray &name, QString &problem)
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

} // namespace

bool AppendLogFile::ensureExists(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) == 0 && S_ISREG(info.st_mode))
        return true;
    QString problem;
    const int fd = openLog(name, problem);
    if (fd < 0) {
        std::fprintf(stderr, "moravel: cannot open the results log %s: %s\n", name.constData(),
                     qPrintable(problem));
        return false;
    }
    ::close(fd);
    return true;
}

bool AppendLogFile::append(const QByteArray &record)
{
    const QByteArray name = QFile::encodeName(m_path);
    QString problem;
    const int fd = openLog(name, problem);
    if (fd < 0) {
        std::fprintf(stderr, "moravel: cannot open the results log %s: %s\n", name.constData(),
                     qPrintable(problem));
        return false;
    }
    qint64 written = 0;
    bool ok = true;
    while (written < record.size()) {
        const ssize_t n =
            ::write(fd, record.constData() + written, size_t(record.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        written += n;
    }
    if (ok && ::fsync(fd) != 0)
        ok = false;
    const int writeErrno = errno;
    if (::close(fd) != 0)
        ok = false;
    if (!ok) {
        std::fprintf(stderr, "moravel: a record of the results log %s was not written: %s\n",
                     name.constData(), std::strerror(writeErrno));
    }
    return ok;
}
