// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

ProgramFolder::ProgramFolder(QString path) : m_path(std::move(path))
{
    while (m_path.size() > 1 && (m_path.endsWith(u'/') || m_path.endsWith(u'\\')))
        m_path.chop(1);
}

QString ProgramFolder::filePath(const QString &relative) const
{
    QString rel = relative;
    rel.replace(u'\\', u'/');
    const QStringList parts = rel.split(u'/', Qt::SkipEmptyParts);
    QString current = m_path;
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
