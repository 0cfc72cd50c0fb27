// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;

// Starts other programs as separate processes, without waiting for them.
class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    // Hands a file to the desktop's own opener (text editor, help viewer).
    virtual bool openFile(const QString &path) = 0;
    // Starts a program by its full path, in its own window. Whether it could be started.
    virtual bool startProgram(const QString &path) = 0;
};
