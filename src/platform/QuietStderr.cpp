// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QuietStderr.h"

#include <unistd.h>

QuietStderr::QuietStderr(bool show) : m_show(show)
{
    std::fflush(stderr);
    m_saved = dup(STDERR_FILENO);
    m_caught = std::tmpfile();
    if (m_saved < 0 || !m_caught || dup2(fileno(m_caught), STDERR_FILENO) < 0) {
        // Nothing is held: the messages go where they always go.
        if (m_saved >= 0)
            close(m_saved);
        if (m_caught)
            std::fclose(m_caught);
        m_saved = -1;
        m_caught = nullptr;
    }
}

QuietStderr::~QuietStderr()
{
    if (!m_caught)
        return;
    std::fflush(stderr);
    dup2(m_saved, STDERR_FILENO);
    close(m_saved);
    if (m_show) {
        std::rewind(m_caught);
        char buffer[512];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, m_caught)) > 0;)
            std::fwrite(buffer, 1, n, stderr);
    }
    std::fclose(m_caught);
}
