// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QByteArray;

// The results log file: each record is appended whole, in one write.
class LogFile {
public:
    virtual ~LogFile() = default;
    // Returns false when the record could not be written.
    virtual bool append(const QByteArray &record) = 0;
};
