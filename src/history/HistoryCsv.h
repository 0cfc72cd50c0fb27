// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QIODevice;

// Comma-separated values as RFC 4180 has them: fields with a comma, a quote or a line
// break are quoted, quotes inside doubled; records end with CR LF; UTF-8.
namespace HistoryCsv {

// The columns of an export, in order.
const QStringList &columns();

QByteArray record(const QStringList &fields);

// Reads records one by one, counting lines so a fault can be named.
class Reader {
public:
    // A record longer than this is refused rather than read into memory whole.
    static constexpr qsizetype MaxRecordBytes = 1 << 20;

    explicit Reader(QIODevice &in) : m_in(in) {}
    // The next record; false at the end or on a fault (then error() says which).
    bool next(QStringList &fields);
    QString error() const { return m_error; }
    // The line the last record began on, from 1.
    int line() const { return m_recordLine; }

private:
    bool fail(const QString &what);

    QIODevice &m_in;
    QString m_error;
    int m_line = 1;
    int m_recordLine = 1;
};

} // namespace HistoryCsv
