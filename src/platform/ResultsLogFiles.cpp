// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ResultsLogFiles.h"

#include "settings/ProgramFolder.h"
#include "settings/ResultsLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

ResultsLogFiles::ResultsLogFiles(const ProgramFolder &program, const QString &dataFolder)
    : m_besidePath(program.localFilePath(QString::fromLatin1(ResultsLog::FileName))),
      m_dataPath(QDir(dataFolder).filePath(QString::fromLatin1(ResultsLog::FileName))),
      m_beside(m_besidePath), m_data(m_dataPath, true),
      m_besideInUse(
          ResultsLogPlaces::besideProgram(folderWritable(program.path()), existing(m_besidePath))),
      m_dataIsNew(!QFileInfo::exists(m_dataPath)),
      m_places(m_besideInUse ? ResultsLogPlaces::Place{m_beside, m_besidePath, false}
                             : ResultsLogPlaces::Place{m_data, m_dataPath, m_dataIsNew},
               m_besideInUse ? ResultsLogPlaces::Place{m_data, m_dataPath, m_dataIsNew}
                             : ResultsLogPlaces::Place{m_beside, m_besidePath, false})
{}

ResultsLogPlaces::Existing ResultsLogFiles::existing(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return ResultsLogPlaces::Existing::None;
    return S_ISREG(info.st_mode) && ::access(name.constData(), W_OK) == 0
               ? ResultsLogPlaces::Existing::Writable
               : ResultsLogPlaces::Existing::NotWritable;
}

bool ResultsLogFiles::folderWritable(const QString &path)
{
    return ::access(QFile::encodeName(path).constData(), W_OK | X_OK) == 0;
}
