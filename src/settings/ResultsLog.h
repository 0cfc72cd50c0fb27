// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class Clock;
class LogFile;

// The writers of the results log, the program's one lasting output. Every record is
// appended in one write and ends with CR LF; nothing is buffered between records.
class ResultsLog {
public:
    static constexpr const char *FileName = "Results Log.TXT";

    ResultsLog(LogFile &file, const Clock &clock);

    // Time stamp "mm-dd hh:mm:ss", CR LF, the message, CR LF.
    void WriteLogEntry(const QString &message);
    // The message, CR LF.
    void WriteLogLine(const QString &message);
    // Where the records are written.
    QString path() const;

    // The summary every exercise window writes when its second hand ends.
    static QString summary(const QString &player, const QString &kind, qint16 count,
                           const QString &unit, qint16 total);

    // Makes sure there is a log to show: an empty one is created when there is none.
    // False, and reported, when the name is taken by something that is not a file.
    static bool createIfMissing(const QString &path);
    // Opens the log for appending, creating it when it is missing: a file descriptor, or
    // -1 with the problem. Only a regular file is a log: a FIFO, a device or a folder by
    // that name would block the program or swallow the record. Never waits: a FIFO
    // without a reader would block the open.
    static int openForAppend(const QByteArray &name, QString &problem);

private:
    LogFile &m_file;
    const Clock &m_clock;
};
