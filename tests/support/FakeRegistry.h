// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Fakes.h"
#include "ports/Registry.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <cstring>

// A registry held in memory: keys under roots, each with named values of a type and raw
// bytes. Records every key opened and closed, so tests can tell which keys were read.
class FakeRegistry : public Registry {
public:
    struct Value {
        quint32 type;
        QByteArray bytes;
    };

    void setValue(quint32 root, const QString &key, const QString &name, quint32 type,
                  const QByteArray &bytes)
    {
        m_keys[path(root, key)].insert(name, Value{type, bytes});
    }
    // A key that exists but holds no values.
    void addKey(quint32 root, const QString &key) { m_keys[path(root, key)]; }

    long RegOpenKeyEx(quint32 root, const QString &subKey, quint32 options, quint32 access,
                      quint32 &key) override
    {
        opened << subKey;
        lastOptions = options;
        lastAccess = access;
        const QString full = path(root, subKey);
        if (!m_keys.contains(full))
            return ERROR_FILE_NOT_FOUND;
        m_handles << full;
        key = static_cast<quint32>(m_handles.size());
        ++openHandles;
        return ERROR_SUCCESS;
    }

    long RegQueryValueEx(quint32 key, const QString &valueName, quint32 &type, QByteArray &data,
                         quint32 &size) override
    {
        if (key == 0 || key > static_cast<quint32>(m_handles.size()))
            return 6; // invalid handle
        const auto values = m_keys.value(m_handles.at(key - 1));
        if (!values.contains(valueName))
            return ERROR_FILE_NOT_FOUND;
        const Value value = values.value(valueName);
        const quint32 capacity = size;
        type = value.type;
        size = static_cast<quint32>(value.bytes.size());
        if (size > capacity)
            return ERROR_MORE_DATA;
        std::memcpy(data.data(), value.bytes.constData(), size);
        return ERROR_SUCCESS;
    }

    long RegCloseKey(quint32 key) override
    {
        if (key != 0 && key <= static_cast<quint32>(m_handles.size()))
            --openHandles;
        return ERROR_SUCCESS;
    }

    QStringList opened;
    int openHandles = 0;
    quint32 lastOptions = 0xFFFFFFFF;
    quint32 lastAccess = 0;

private:
    static QString path(quint32 root, const QString &key)
    {
        return QString::number(root, 16) + QLatin1Char(':') + key.toLower();
    }
    QHash<QString, QHash<QString, Value>> m_keys;
    QStringList m_handles;
};
