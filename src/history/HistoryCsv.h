// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QIODevice;

// Comma-separated values as RFC 4180 has them: fields with a comma, a quote or a line
// break are quoted, quotes inside doubled; records end with CR LF; UTF-8.
namespace HistoryCsv {

// The format is known by its header. Format 1 has one row per strike with the columns of
// `columns()`. Format 2 keeps them, with the same meaning, and adds `addedColumns()`:
// record ("strike", or "task" for a task no strike answered, whose strike columns are
// empty), memorize (0/1), at_ms (the strike's time from the exercise's start) and shown_ms
// (when its task was shown). Format 3 (what the program writes) adds `timedColumns()`: of
// a note played in time, grid_ms (when it was due, from the exercise's start),
// deviation_ms (how far from it the strike came, negative early) and silent (0/1: its bar
// had no click), blank for other notes; and of a rhythm exercise, on each of its rows, its
// figure, tempo (bpm), notes per beat of each hand, length and what it counts ("bars" or
// "passes"), count-in, silent bars (every how many; 0 for none), tempo trainer (0/1) and
// whether it was clean (0/1, blank when not known), blank for other exercises. All three
// are read.
inline constexpr int LatestFormat = 3;
const QStringList &columns();
const QStringList &addedColumns();
const QStringList &timedColumns();
// The header of a format, or empty when there is no such format.
QStringList header(int format);
// The format whose header this is, or 0.
int formatOf(const QStringList &header);

QByteArray record(const QStringList &fields);

// A text cell a spreadsheet would run as a formula (beginning with =, +, -, @, tab or CR)
// gets a leading ', as spreadsheets expect; so does one that already begins with 's and
// then such a character, so that `restored` gives every text back exactly.
QString neutralised(const QString &text);
QString restored(const QString &cell);

// A field as an error message shows it: in quotes, with quotes, backslashes and control
// characters (a NUL byte too) written as escapes, so a message is never cut short.
QString quoted(const QString &field);
// The same without the quotes around it.
QString escaped(const QString &field);

// Reads records one by one, counting lines so a fault can be named.
class Reader {
public:
    // A record longer than this is refused rather than read into memory whole.
    static constexpr qsizetype MaxRecordBytes = 1 << 20;

    explicit Reader(QIODevice &in) : m_in(in) {}
    // The next record; false at the end or on a fault (then error() says which). Text
    // that is not UTF-8 is a fault; a byte order mark at the start is skipped.
    bool next(QStringList &fields);
    // The same with each field's bytes (checked to be UTF-8), for a long file's numbers.
    bool next(QList<QByteArray> &fields);
    QString error() const { return m_error; }
    // The line the last record began on, from 1.
    int line() const { return m_recordLine; }

private:
    bool fail(const QString &what);
    // The device's bytes through a buffer of our own: a byte at a time from the device
    // itself costs a call each, and an export of a school's history has a hundred million.
    bool getChar(char &c);
    bool peekChar(char &c);

    QIODevice &m_in;
    QByteArray m_buffer;
    qsizetype m_at = 0;
    QString m_error;
    int m_line = 1;
    int m_recordLine = 1;
    bool m_started = false;
};

} // namespace HistoryCsv
