// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/SysInfo.h"

#include "ports/ProcessStarter.h"
#include "ports/Registry.h"

const QString SysInfo::gREGKEYSYSINFO = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString SysInfo::gREGVALSYSINFO = QStringLiteral("PATH");
const QString SysInfo::gREGKEYSYSINFOLOC =
    QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString SysInfo::gREGVALSYSINFOLOC = QStringLiteral("MSINFO");
const QString SysInfo::ToolFileName = QStringLiteral("MSINFO32.EXE");
const QString SysInfo::UnavailableText =
    QStringLiteral("System Information Is Unavailable At This Time");
const QString SysInfo::Title = QStringLiteral("Moravel");

namespace {
constexpr quint32 BufferSize = 1024;
}

SysInfo::SysInfo(Registry &registry, FileTest fileExists, ProcessStarter &launcher, Message message)
    : m_registry(registry), m_fileExists(std::move(fileExists)), m_launcher(launcher),
      m_message(std::move(message))
{}

std::optional<QString> SysInfo::toolPath() const
{
    QString path;
    if (GetKeyValue(m_registry, Registry::HKEY_LOCAL_MACHINE, gREGKEYSYSINFO, gREGVALSYSINFO, path))
        return path;
    QString folder;
    if (!GetKeyValue(m_registry, Registry::HKEY_LOCAL_MACHINE, gREGKEYSYSINFOLOC, gREGVALSYSINFOLOC,
                     folder))
        return std::nullopt;
    const QString tool = folder + QLatin1Char('/') + ToolFileName;
    if (m_fileExists && m_fileExists(tool))
        return tool;
    return std::nullopt;
}

void SysInfo::StartSysInfo() const
{
    const std::optional<QString> path = toolPath();
    // A value of another type leaves the path empty: there is nothing to start.
    if (path && !path->isEmpty() && m_launcher.startProgram(*path))
        return;
    if (m_message)
        m_message(UnavailableText, Title);
}

bool SysInfo::GetKeyValue(Registry &registry, quint32 KeyRoot, const QString &KeyName,
                          const QString &SubKeyRef, QString &KeyVal)
{
    quint32 hKey = 0;
    if (registry.RegOpenKeyEx(KeyRoot, KeyName, 0, Registry::KEY_ALL_ACCESS, hKey) !=
        Registry::ERROR_SUCCESS) {
        KeyVal.clear();
        return false;
    }

    QByteArray tmpVal(BufferSize, '\0');
    quint32 KeyValSize = BufferSize;
    quint32 KeyValType = 0;
    if (registry.RegQueryValueEx(hKey, SubKeyRef, KeyValType, tmpVal, KeyValSize) !=
        Registry::ERROR_SUCCESS) {
        KeyVal.clear();
        registry.RegCloseKey(hKey);
        return false;
    }

    // Text values arrive with or without their terminating NUL: drop a final NUL only.
    const qsizetype size = qMin<qsizetype>(KeyValSize, tmpVal.size());
    if (size > 0 && tmpVal.at(size - 1) == '\0')
        tmpVal.truncate(size - 1);
    else
        tmpVal.truncate(size);

    switch (KeyValType) {
    case Registry::REG_SZ:
        KeyVal = QString::fromLocal8Bit(tmpVal);
        break;
    case Registry::REG_DWORD: {
        // Stored least significant byte first; a high zero byte may have been cut above.
        quint32 number = 0;
        for (qsizetype i = qMin<qsizetype>(tmpVal.size(), 4) - 1; i >= 0; --i)
            number = (number << 8) | static_cast<quint8>(tmpVal.at(i));
        KeyVal = QString::number(number);
        break;
    }
    default:
        break;
    }
    registry.RegCloseKey(hKey);
    return true;
}
