// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString withoutTrailingSeparators(QString path)
{
    while (path.size() > 1 && (path.endsWith(u'/') || path.endsWith(u'\\')))
        path.chop(1);
    return path;
}
} // namespace

ProgramFolder::ProgramFolder(QString path, QString shared)
    : m_path(withoutTrailingSeparators(std::move(path))),
      m_shared(withoutTrailingSeparators(std::move(shared)))
{}

ProgramFolder ProgramFolder::ofExecutable(const QString &executableFolder)
{
    return ProgramFolder(executableFolder,
                         QDir::cleanPath(executableFolder + QStringLiteral("/../share/moravel")));
}

QString ProgramFolder::filePath(const QString &relative) const
{
    const QString own = resolve(m_path, relative);
    if (m_shared.isEmpty() || QFileInfo::exists(own))
        return own;
    const QString shared = resolve(m_shared, relative);
    return QFileInfo::exists(shared) ? shared : own;
}

QString ProgramFolder::localFilePath(const QString &relative) const
{
    return resolve(m_path, relative);
}

QString ProgramFolder::resolve(const QString &base, const QString &relative)
{
    QString rel = relative;
    rel.replace(u'\\', u'/');
    const QStringList parts = rel.split(u'/', Qt::SkipEmptyParts);
    QString current = base;
    for (const QString &part : parts) {
        const QString exact = current + u'/' + part;
        if (QFileInfo::exists(exact)) {
            current = exact;
            continue;
        }
        const QStringList entries = QDir(current).entryList(
            QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
        QString found;
        for (const QString &entry : entries) {
            if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                found = entry;
                break;
            }
        }
        current += u'/' + (found.isEmpty() ? part : found);
    }
    return current;
}
