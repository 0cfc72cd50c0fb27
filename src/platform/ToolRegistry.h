// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/Registry.h"

#include <QStringList>

#include <functional>

// The registry as this platform can answer it: there is no system registry, so the one
// value the About window asks for first, the PATH of the system information tool's
// key, is the full path of the first known system information tool on the search
// path. Every other key is missing, and so is that one when no tool is installed.
class ToolRegistry : public Registry {
public:
    using Finder = std::function<QString(const QString &name)>;

    static const QString ToolKey;
    static const QString ToolValue;
    // Tried in this order; the first one found wins.
    static const QStringList Tools;

    // finder returns the full path of an executable on the search path, or nothing.
    explicit ToolRegistry(Finder finder = {});

    long RegOpenKeyEx(quint32 root, const QString &subKey, quint32 options, quint32 access,
                      quint32 &key) override;
    long RegQueryValueEx(quint32 key, const QString &valueName, quint32 &type, QByteArray &data,
                         quint32 &size) override;
    long RegCloseKey(quint32 key) override;

private:
    static constexpr quint32 ToolKeyHandle = 1;
    Finder m_finder;
};
