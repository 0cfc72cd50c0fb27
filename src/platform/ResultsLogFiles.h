// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/AppendLogFile.h"
#include "settings/ResultsLogPlaces.h"

#include <QString>

class ProgramFolder;

// The results log's two files on disk, beside the program and in the user's data folder,
// and the places that choose between them. Results stay beside a program run in place; an
// installed copy, whose folder is not this user's to write, keeps them in the data folder.
class ResultsLogFiles {
public:
    ResultsLogFiles(const ProgramFolder &program, const QString &dataFolder);
    ResultsLogFiles(const ResultsLogFiles &) = delete;
    ResultsLogFiles &operator=(const ResultsLogFiles &) = delete;

    ResultsLogPlaces &places() { return m_places; }

    // What is beside the program under the log's name, as this user may use it.
    static ResultsLogPlaces::Existing existing(const QString &path);
    static bool folderWritable(const QString &path);

private:
    QString m_besidePath;
    QString m_dataPath;
    AppendLogFile m_beside;
    AppendLogFile m_data;
    bool m_besideInUse;
    // A new log in the data folder is worth telling the player where it went.
    bool m_dataIsNew;
    ResultsLogPlaces m_places;
};
