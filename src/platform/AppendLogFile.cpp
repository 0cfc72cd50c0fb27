// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AppendLogFile.h"

#include "settings/ResultsLog.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

AppendLogFile::AppendLogFile(QString path, bool createFolder)
    : m_path(std::move(path)), m_createFolder(createFolder)
{}

bool AppendLogFile::append(const QByteArray &record)
{
    const QByteArray name = QFile::encodeName(m_path);
    if (m_createFolder)
        QDir().mkpath(QFileInfo(m_path).absolutePath());
    QString problem;
    const int fd = ResultsLog::openForAppend(name, problem);
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
