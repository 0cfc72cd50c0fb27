// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/HistoryCsv.h"

#include <QIODevice>
#include <QUtf8StringView>

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

const QStringList &addedColumns()
{
    static const QStringList names = {QStringLiteral("record"), QStringLiteral("memorize"),
                                      QStringLiteral("at_ms"), QStringLiteral("shown_ms")};
    return names;
}

const QStringList &timedColumns()
{
    static const QStringList names = {QStringLiteral("grid_ms"),
                                      QStringLiteral("deviation_ms"),
                                      QStringLiteral("silent"),
                                      QStringLiteral("figure"),
                                      QStringLiteral("bpm"),
                                      QStringLiteral("notes_per_beat_left"),
                                      QStringLiteral("notes_per_beat_right"),
                                      QStringLiteral("length"),
                                      QStringLiteral("length_in"),
                                      QStringLiteral("count_in"),
                                      QStringLiteral("silent_every"),
                                      QStringLiteral("tempo_trainer"),
                                      QStringLiteral("clean")};
    return names;
}

QStringList header(int format)
{
    switch (format) {
    case 1:
        return columns();
    case 2:
        return columns() + addedColumns();
    case 3:
        return columns() + addedColumns() + timedColumns();
    default:
        return {};
    }
}

int formatOf(const QStringList &names)
{
    for (int format = 1; format <= LatestFormat; ++format) {
        if (names == header(format))
            return format;
    }
    return 0;
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

namespace {

bool formulaStart(QChar c)
{
    return c == u'=' || c == u'+' || c == u'-' || c == u'@' || c == u'\t' || c == u'\r';
}

// Whether the text is some 's (at least `quotes`) and then a character a formula begins with.
bool quotesThenFormula(const QString &text, qsizetype quotes)
{
    qsizetype at = 0;
    while (at < text.size() && text[at] == u'\'')
        ++at;
    return at >= quotes && at < text.size() && formulaStart(text[at]);
}

} // namespace

QString neutralised(const QString &text)
{
    return quotesThenFormula(text, 0) ? u'\'' + text : text;
}

QString restored(const QString &cell)
{
    return quotesThenFormula(cell, 1) ? cell.mid(1) : cell;
}

QString quoted(const QString &field)
{
    return u'"' + escaped(field) + u'"';
}

QString escaped(const QString &field)
{
    QString out;
    for (const QChar c : field) {
        if (c == u'"' || c == u'\\')
            out += u'\\' + QString(c);
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else if (c == u'\t')
            out += QStringLiteral("\\t");
        else if (c.category() == QChar::Other_Control)
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

bool Reader::fail(const QString &what)
{
    m_error = QStringLiteral("line %1: %2").arg(m_recordLine).arg(what);
    return false;
}

bool Reader::peekChar(char &c)
{
    if (m_at >= m_buffer.size()) {
        m_buffer = m_in.read(1 << 16);
        m_at = 0;
        if (m_buffer.isEmpty())
            return false;
    }
    c = m_buffer[m_at];
    return true;
}

bool Reader::getChar(char &c)
{
    if (!peekChar(c))
        return false;
    ++m_at;
    return true;
}

bool Reader::next(QList<QByteArray> &fields)
{
    m_recordLine = m_line;
    if (!m_started) {
        m_started = true;
        char bom[3];
        if (m_in.peek(bom, 3) == 3 && QByteArray(bom, 3) == "\xef\xbb\xbf")
            m_in.skip(3);
    }
    // The fields of the record before are filled again: a long file's millions of fields
    // then cost no allocation each.
    for (QByteArray &f : fields)
        f.truncate(0);
    qsizetype count = 0; // fields finished
    const auto field = [&fields, &count]() -> QByteArray & {
        if (count == fields.size())
            fields.emplace_back();
        return fields[count];
    };
    bool notUtf8 = false;
    // Each field is checked whole, so a character is never split between two reads.
    const auto finish = [&] {
        notUtf8 = notUtf8 || !QUtf8StringView(field()).isValidUtf8();
        ++count;
    };
    const auto done = [&] {
        fields.resize(count);
        return notUtf8 ? fail(QStringLiteral("the text is not UTF-8 (save the file as UTF-8)"))
                       : true;
    };
    qsizetype size = 0;
    bool quoted = false;    // inside a quoted field
    bool wasQuoted = false; // the field began with a quote
    bool any = false;
    char c = 0;
    for (;;) {
        // A run of plain characters is taken whole: most of an export is digits.
        if (!quoted && (m_at < m_buffer.size() || peekChar(c))) {
            const char *begin = m_buffer.constData() + m_at;
            const char *const end = m_buffer.constData() + m_buffer.size();
            const char *plain = begin;
            while (plain < end && *plain != ',' && *plain != '"' && *plain != '\r' &&
                   *plain != '\n')
                ++plain;
            if (plain > begin) {
                any = true;
                if (wasQuoted)
                    return fail(QStringLiteral("text after the closing quote of a field"));
                size += plain - begin;
                if (size > MaxRecordBytes)
                    return fail(
                        QStringLiteral("the record is longer than %1 bytes").arg(MaxRecordBytes));
                field().append(begin, plain - begin);
                m_at += plain - begin;
                continue;
            }
        }
        if (!getChar(c))
            break;
        any = true;
        if (++size > MaxRecordBytes)
            return fail(QStringLiteral("the record is longer than %1 bytes").arg(MaxRecordBytes));
        if (quoted) {
            if (c == '"') {
                char after = 0;
                if (peekChar(after) && after == '"') {
                    ++m_at;
                    field() += '"';
                } else {
                    quoted = false;
                }
            } else {
                if (c == '\n')
                    ++m_line;
                field() += c;
            }
            continue;
        }
        if (c == '"') {
            if (!field().isEmpty() || wasQuoted)
                return fail(QStringLiteral("a quote inside a field that is not quoted"));
            quoted = wasQuoted = true;
        } else if (c == ',') {
            finish();
            wasQuoted = false;
        } else {
            // A line break ends the record.
            if (c == '\r') {
                char after = 0;
                if (peekChar(after) && after == '\n')
                    ++m_at;
            }
            ++m_line;
            finish();
            return done();
        }
    }
    if (quoted)
        return fail(QStringLiteral("a quoted field is not closed"));
    if (!any) {
        fields.clear();
        return false;
    }
    finish();
    return done();
}

bool Reader::next(QStringList &fields)
{
    QList<QByteArray> bytes;
    const bool ok = next(bytes);
    fields.clear();
    for (const QByteArray &field : std::as_const(bytes))
        fields << QString::fromUtf8(field);
    return ok;
}

} // namespace HistoryCsv
