// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/LogFile.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTimer>

#include <functional>

// Where the results log is kept: beside the program when its folder can be written (a
// copy run in place, as always), else in the user's data folder (an installed copy).
// A record that cannot be written where the log is goes to the other place, and from then
// on the log is there; a record neither place takes is handed to whoever tells the player,
// and kept: it is tried again after a pause that grows to a few seconds, with the records
// that come meanwhile behind it, in order.
class ResultsLogPlaces : public LogFile {
public:
    // What is found beside the program under the log's name.
    enum class Existing { None, Writable, NotWritable };
    // Whether the log belongs beside the program: a log there that takes records is kept
    // even in a folder that is otherwise read-only; a new one needs a writable folder.
    static bool besideProgram(bool folderWritable, Existing log);

    struct Place {
        LogFile &file;
        QString path;
        // Whether the first record written here is worth telling the player where it went
        // (a log that is new in the user's data folder).
        bool tell = false;
    };
    // The pause before kept records are tried again: the first, doubled up to the last.
    static constexpr int FirstRetryMs = 250;
    static constexpr int LongestRetryMs = 4000;

    ResultsLogPlaces(Place inUse, Place other);
    // Tries the kept records once more; what is still not written is said on standard
    // error, since the program ends.
    ~ResultsLogPlaces() override;

    // False when the record is kept for later, not written yet.
    bool append(const QByteArray &record) override;
    // Records kept because no place took them, oldest first.
    const QList<QByteArray> &kept() const { return m_kept; }
    // The log in use, the one User > View results opens.
    QString path() const { return current().path; }

    // Called after a record is written to a place worth telling, once per place, with
    // that place's path.
    std::function<void(const QString &path)> onTell;
    // Called with a record that could be written nowhere.
    std::function<void(const QByteArray &record)> onLost;

private:
    Place &current() { return m_usingOther ? m_other : m_inUse; }
    const Place &current() const { return m_usingOther ? m_other : m_inUse; }
    Place &spare() { return m_usingOther ? m_inUse : m_other; }
    void told(Place &place);
    // Writes the record where the log is, or in the other place.
    bool place(const QByteArray &record);
    // Writes the kept records in order, as far as they go.
    bool writeKept();
    void retry();

    Place m_inUse;
    Place m_other;
    bool m_usingOther = false;
    QList<QByteArray> m_kept;
    QTimer m_retry;
    int m_retryMs = FirstRetryMs;
};
