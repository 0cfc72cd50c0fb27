// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ToolRegistry.h"

#include <QStandardPaths>

#include <cstring>

const QString ToolRegistry::ToolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString ToolRegistry::ToolValue = QStringLiteral("PATH");
const QStringList ToolRegistry::Tools = {QStringLiteral("hardinfo2"),
                                         QStringLiteral("hardinfo"),
                                         QStringLiteral("kinfocenter"),
                                         QStringLiteral("gnome-system-monitor"),
                                         QStringLiteral("mate-system-monitor"),
                                         QStringLiteral("xfce4-taskmanager"),
                                         QStringLiteral("lxtask")};

ToolRegistry::ToolRegistry(Finder finder) : m_finder(std::move(finder))
{
    if (!m_finder)
        m_finder = [](const QString &name) { return QStandardPaths::findExecutable(name); };
}

long ToolRegistry::RegOpenKeyEx(quint32 root, const QString &subKey, quint32, quint32, quint32 &key)
{
    key = 0;
    // Key names are matched without regard to case, as the registry does.
    if (root != HKEY_LOCAL_MACHINE || subKey.compare(ToolKey, Qt::CaseInsensitive) != 0)
        return ERROR_FILE_NOT_FOUND;
    key = ToolKeyHandle;
    return ERROR_SUCCESS;
}

long ToolRegistry::RegQueryValueEx(quint32 key, const QString &valueName, quint32 &type,
                                   QByteArray &data, quint32 &size)
{
    if (key != ToolKeyHandle || valueName.compare(ToolValue, Qt::CaseInsensitive) != 0)
        return ERROR_FILE_NOT_FOUND;
    QString path;
    for (const QString &tool : Tools) {
        path = m_finder(tool);
        if (!path.isEmpty())
            break;
    }
    if (path.isEmpty())
        return ERROR_FILE_NOT_FOUND;
    // A text value is stored with its terminating NUL.
    QByteArray value = path.toLocal8Bit();
    value.append('\0');
    const quint32 capacity = size;
    type = REG_SZ;
    size = static_cast<quint32>(value.size());
    if (size > capacity)
        return ERROR_MORE_DATA;
    if (static_cast<quint32>(data.size()) < size)
        data.resize(size);
    std::memcpy(data.data(), value.constData(), size);
    return ERROR_SUCCESS;
}

long ToolRegistry::RegCloseKey(quint32)
{
    return ERROR_SUCCESS;
}
