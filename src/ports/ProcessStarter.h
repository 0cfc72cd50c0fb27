// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;

// Hands a file to the desktop's own opener (text editor, help viewer), as a separate
// process, without waiting for it.
class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    virtual bool openFile(const QString &path) = 0;
};
