// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>

// Holds standard error in a temporary file while it lives. The sound libraries print their
// own complaints there while they look around the system ("ALSA lib ...", JACK's "Cannot
// connect to server socket"), about devices the program never meant to use; what was
// caught is copied out at the end only when asked for. Standard error is the whole
// process's, so what another thread prints meanwhile is held too: keep the span short.
class QuietStderr {
public:
    explicit QuietStderr(bool show);
    ~QuietStderr();
    QuietStderr(const QuietStderr &) = delete;
    QuietStderr &operator=(const QuietStderr &) = delete;

private:
    bool m_show;
    int m_saved = -1;
    std::FILE *m_caught = nullptr;
};
