// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/HistoryCsv.h"

#include <QIODevice>

namespace HistoryCsv {

const QStringList &columns()
{
    static const QStringList names = {
        QStringLiteral("session"),     QStringLiteral("player"),      QStringLiteral("exercise"),
        QStringLiteral("started"),     QStringLiteral("hand"),        QStringLiteral("task"),
        QStringLiteral("expected"),    QStringLiteral("struck"),      QStringLiteral("correct"),
        QStringLiteral("anticipated"), QStringLiteral("reaction_ms"), QStringLiteral("points"),
        QStringLiteral("device"),      QStringLiteral("velocity")};
    return names;
}

QByteArray record(const QStringList &fields)
{
    QByteArray out;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i)
            out += ',';
        const QByteArray text = fields[i].toUtf8();
        if (text.contains(',') || text.contains('"') || text.contains('\r') ||
            text.contains('\n')) {
            QByteArray quoted = text;
            quoted.replace('"', "\"\"");
            out += '"' + quoted + '"';
        } else {
            out += text;
        }
    }
    return out + "\r\n";
}

bool Reader::fail(const QString &what)
{
    m_error = QStringLiteral("line %1: %2").arg(m_recordLine).arg(what);
    return false;
}

bool Reader::next(QStringList &fields)
{
    fields.clear();
    m_recordLine = m_line;
    QByteArray field;
    qsizetype size = 0;
    bool quoted = false;    // inside a quoted field
    bool wasQuoted = false; // the field began with a quote
    bool any = false;
    char c = 0;
    while (m_in.getChar(&c)) {
        any = true;
        if (++size > MaxRecordBytes)
            return fail(QStringLiteral("the record is longer than %1 bytes").arg(MaxRecordBytes));
        if (quoted) {
            if (c == '"') {
                char after = 0;
                if (m_in.peek(&after, 1) == 1 && after == '"') {
                    m_in.getChar(&after);
                    field += '"';
                } else {
                    quoted = false;
                }
            } else {
                if (c == '\n')
                    ++m_line;
                field += c;
            }
            continue;
        }
        if (c == '"') {
            if (!field.isEmpty() || wasQuoted)
                return fail(QStringLiteral("a quote inside a field that is not quoted"));
            quoted = wasQuoted = true;
        } else if (c == ',') {
            fields << QString::fromUtf8(field);
            field.clear();
            wasQuoted = false;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r') {
                char after = 0;
                if (m_in.peek(&after, 1) == 1 && after == '\n')
                    m_in.getChar(&after);
            }
            ++m_line;
            fields << QString::fromUtf8(field);
            return true;
        } else {
            if (wasQuoted)
                return fail(QStringLiteral("text after the closing quote of a field"));
            field += c;
        }
    }
    if (quoted)
        return fail(QStringLiteral("a quoted field is not closed"));
    if (!any)
        return false;
    fields << QString::fromUtf8(field);
    return true;
}

} // namespace HistoryCsv
