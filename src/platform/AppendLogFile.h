// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/LogFile.h"

#include <QString>

// The results log on disk. Each record is opened, appended in a single write to a file
// opened for appending (so records of two programs never interleave), flushed to disk
// and closed. Only a regular file is written to. A record that cannot be written is
// reported on standard error. The log in the user's data folder creates that folder when
// it is missing.
class AppendLogFile : public LogFile {
public:
    explicit AppendLogFile(QString path, bool createFolder = false);
    bool append(const QByteArray &record) override;
    QString path() const override { return m_path; }

private:
    QString m_path;
    bool m_createFolder;
};
