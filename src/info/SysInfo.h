// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>
#include <optional>

class ProcessStarter;
class Registry;

// Finds and starts the system information tool for the About window. The tool's full
// path is read from the registry; failing that, a second key names the folder the tool
// should be in. Whatever goes wrong on the way ends in one message.
class SysInfo {
public:
    using FileTest = std::function<bool(const QString &path)>;
    using Message = std::function<void(const QString &text, const QString &title)>;

    static const QString gREGKEYSYSINFO;
    static const QString gREGVALSYSINFO;
    static const QString gREGKEYSYSINFOLOC;
    static const QString gREGVALSYSINFOLOC;
    static const QString ToolFileName;
    static const QString UnavailableText;
    static const QString Title;

    SysInfo(Registry &registry, FileTest fileExists, ProcessStarter &launcher, Message message);

    // Starts the tool, or shows the message when it cannot be found or started.
    void StartSysInfo() const;
    // The tool's full path, as far as the registry and the file test can tell.
    std::optional<QString> toolPath() const;

    // Reads one value of a key under root into KeyVal as text. Text values are cut at
    // their terminating NUL when they have one; 32-bit numbers become decimal text;
    // other types leave KeyVal as it was. On failure KeyVal is emptied.
    static bool GetKeyValue(Registry &registry, quint32 KeyRoot, const QString &KeyName,
                            const QString &SubKeyRef, QString &KeyVal);

private:
    Registry &m_registry;
    FileTest m_fileExists;
    ProcessStarter &m_launcher;
    Message m_message;
};
