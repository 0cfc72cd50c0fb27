// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/ProcessStarter.h"

// Opens files with the desktop's own opener, xdg-open, as a detached process.
class DesktopOpener : public ProcessStarter {
public:
    bool openFile(const QString &path) override;
};
