// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/LogFile.h"

#include <QByteArray>
#include <QString>

#include <functional>

// Where the results log is kept: beside the program when its folder can be written (a
// copy run in place, as always), else in the user's data folder (an installed copy).
// A record that cannot be written where the log is goes to the other place, and from then
// on the log is there; a record neither place takes is handed to whoever tells the player.
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
    ResultsLogPlaces(Place inUse, Place other);

    bool append(const QByteArray &record) override;
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

    Place m_inUse;
    Place m_other;
    bool m_usingOther = false;
};
