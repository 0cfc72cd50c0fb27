// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QByteArray;
class QString;

// The results log file: each record is appended whole, in one write.
class LogFile {
public:
    virtual ~LogFile() = default;
    // Returns false when the record could not be written.
    virtual bool append(const QByteArray &record) = 0;
    // Where the records go, as the player would look for them.
    virtual QString path() const = 0;
};
