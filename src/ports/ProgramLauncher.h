// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;

// Starts a program by its full path as a separate process, in its own window, without
// waiting for it. Returns whether the process could be started.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    virtual bool startProgram(const QString &path) = 0;
};
