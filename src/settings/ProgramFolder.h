// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The folder the program runs from, and where its delivered files are found. File names
// are matched without regard to case, so "\xyl.wav" finds "XYL.WAV", and names may be
// given with either kind of separator. A copy run in place has its files beside the
// executable; an installed one has them in ../share/moravel, which is looked in for a
// file the program's own folder does not have.
class ProgramFolder {
public:
    explicit ProgramFolder(QString path = {}, QString shared = {});
    // The folder of this executable, with the installed layout's shared folder.
    static ProgramFolder ofExecutable(const QString &executableFolder);

    QString path() const { return m_path; }
    QString sharedPath() const { return m_shared; }
    // Full path of a delivered file: in the program folder when it is there, else in the
    // shared folder when it is there, else as given in the program folder. An existing
    // file whose name differs only in case is preferred.
    QString filePath(const QString &relative) const;
    // Full path of a file in the program folder itself, never in the shared folder.
    QString localFilePath(const QString &relative) const;

private:
    static QString resolve(const QString &base, const QString &relative);

    QString m_path;
    QString m_shared;
};
