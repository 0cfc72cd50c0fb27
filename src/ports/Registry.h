// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// A read-only settings store of keys and named values, organised like the classic
// system registry: open a key under a root, query a value into a caller's buffer,
// close the key. Calls return 0 on success and an error code otherwise.
class Registry {
public:
    static constexpr quint32 HKEY_LOCAL_MACHINE = 0x80000002;
    static constexpr quint32 KEY_ALL_ACCESS = 0x2003F;
    static constexpr quint32 REG_SZ = 1;
    static constexpr quint32 REG_DWORD = 4;
    static constexpr long ERROR_SUCCESS = 0;
    static constexpr long ERROR_FILE_NOT_FOUND = 2;
    static constexpr long ERROR_MORE_DATA = 234;

    virtual ~Registry() = default;

    virtual long RegOpenKeyEx(quint32 root, const QString &subKey, quint32 options, quint32 access,
                              quint32 &key) = 0;
    // Copies the value's bytes into data (at most size bytes, the buffer's capacity on
    // entry) and sets type and size to the value's type and length in bytes.
    virtual long RegQueryValueEx(quint32 key, const QString &valueName, quint32 &type,
                                 QByteArray &data, quint32 &size) = 0;
    virtual long RegCloseKey(quint32 key) = 0;
};
