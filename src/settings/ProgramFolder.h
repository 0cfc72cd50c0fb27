// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The folder the program runs from, which holds everything it reads and the results
// log. File names in it are matched without regard to case, so "\xyl.wav" finds
// "XYL.WAV", and names may be given with either kind of separator.
class ProgramFolder {
public:
    explicit ProgramFolder(QString path = {});

    QString path() const { return m_path; }
    // Full path of a file in the folder. An existing file whose name differs only in
    // case is preferred; otherwise the name is kept as given.
    QString filePath(const QString &relative) const;

private:
    QString m_path;
};
