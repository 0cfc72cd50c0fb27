// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sqlite3.h>

#include <QString>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <string>

// SQLite's own files, with a fault a test can switch on: while it is on, every write to a
// file in one folder fails as the system fails it when that folder's file system has
// turned read-only under open files (EROFS), which no test can make happen for real: the
// kernel refuses to remount a file system read-only while files on it are open to write.
// Installed as SQLite's default, so every connection the program opens goes through it.
namespace FaultyFiles {

struct State {
    sqlite3_vfs *real = nullptr;
    sqlite3_vfs vfs{};
    sqlite3_io_methods methods{};
    std::mutex mutex;
    std::string folder;
    std::atomic<int> error{0};
};

inline State &state()
{
    static State s;
    return s;
}

struct File {
    sqlite3_file base;
    sqlite3_file *real;
    bool watched;
};

inline sqlite3_file *real(sqlite3_file *f)
{
    return reinterpret_cast<File *>(f)->real;
}

inline bool failing(sqlite3_file *f)
{
    return reinterpret_cast<File *>(f)->watched && state().error.load() != 0;
}

inline int failWrite()
{
    errno = state().error.load();
    return SQLITE_IOERR_WRITE;
}

inline int open(sqlite3_vfs *, sqlite3_filename name, sqlite3_file *file, int flags, int *out)
{
    State &s = state();
    auto *f = reinterpret_cast<File *>(file);
    f->real = reinterpret_cast<sqlite3_file *>(f + 1);
    {
        const std::lock_guard lock(s.mutex);
        f->watched =
            name && !s.folder.empty() && std::strncmp(name, s.folder.c_str(), s.folder.size()) == 0;
    }
    const int rc = s.real->xOpen(s.real, name, f->real, flags, out);
    f->base.pMethods = f->real->pMethods ? &s.methods : nullptr;
    return rc;
}

// Switches the fault on for the files under `folder` (errno to fail with), or off (0).
inline void set(const QString &folder, int error)
{
    State &s = state();
    const std::lock_guard lock(s.mutex);
    s.folder = folder.toStdString();
    s.error = error;
}

// Once, before the first connection.
inline void install()
{
    State &s = state();
    if (s.real)
        return;
    s.real = sqlite3_vfs_find(nullptr);
    s.vfs = *s.real;
    s.vfs.zName = "faulty";
    s.vfs.szOsFile = int(sizeof(File)) + s.real->szOsFile;
    s.vfs.xOpen = open;
    s.vfs.xGetLastError = [](sqlite3_vfs *, int n, char *text) {
        const int error = state().error.load();
        return error ? error : state().real->xGetLastError(state().real, n, text);
    };
    sqlite3_io_methods &m = s.methods;
    m.iVersion = 3;
    m.xClose = [](sqlite3_file *f) { return real(f)->pMethods->xClose(real(f)); };
    m.xRead = [](sqlite3_file *f, void *out, int n, sqlite3_int64 at) {
        return real(f)->pMethods->xRead(real(f), out, n, at);
    };
    m.xWrite = [](sqlite3_file *f, const void *in, int n, sqlite3_int64 at) {
        return failing(f) ? failWrite() : real(f)->pMethods->xWrite(real(f), in, n, at);
    };
    m.xTruncate = [](sqlite3_file *f, sqlite3_int64 size) {
        return failing(f) ? failWrite() : real(f)->pMethods->xTruncate(real(f), size);
    };
    m.xSync = [](sqlite3_file *f, int flags) {
        return failing(f) ? failWrite() : real(f)->pMethods->xSync(real(f), flags);
    };
    m.xFileSize = [](sqlite3_file *f, sqlite3_int64 *size) {
        return real(f)->pMethods->xFileSize(real(f), size);
    };
    m.xLock = [](sqlite3_file *f, int level) { return real(f)->pMethods->xLock(real(f), level); };
    m.xUnlock = [](sqlite3_file *f, int level) {
        return real(f)->pMethods->xUnlock(real(f), level);
    };
    m.xCheckReservedLock = [](sqlite3_file *f, int *out) {
        return real(f)->pMethods->xCheckReservedLock(real(f), out);
    };
    m.xFileControl = [](sqlite3_file *f, int op, void *arg) {
        return real(f)->pMethods->xFileControl(real(f), op, arg);
    };
    m.xSectorSize = [](sqlite3_file *f) { return real(f)->pMethods->xSectorSize(real(f)); };
    m.xDeviceCharacteristics = [](sqlite3_file *f) {
        return real(f)->pMethods->xDeviceCharacteristics(real(f));
    };
    m.xShmMap = [](sqlite3_file *f, int page, int size, int extend, void volatile **out) {
        return real(f)->pMethods->xShmMap(real(f), page, size, extend, out);
    };
    m.xShmLock = [](sqlite3_file *f, int offset, int n, int flags) {
        return real(f)->pMethods->xShmLock(real(f), offset, n, flags);
    };
    m.xShmBarrier = [](sqlite3_file *f) { real(f)->pMethods->xShmBarrier(real(f)); };
    m.xShmUnmap = [](sqlite3_file *f, int remove) {
        return real(f)->pMethods->xShmUnmap(real(f), remove);
    };
    m.xFetch = [](sqlite3_file *f, sqlite3_int64 at, int n, void **out) {
        return real(f)->pMethods->xFetch(real(f), at, n, out);
    };
    m.xUnfetch = [](sqlite3_file *f, sqlite3_int64 at, void *p) {
        return real(f)->pMethods->xUnfetch(real(f), at, p);
    };
    sqlite3_vfs_register(&s.vfs, 1);
}

} // namespace FaultyFiles
