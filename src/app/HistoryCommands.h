// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What the program does on the command line with the practice history, without a
// window: export, import and the plain-text report. Each returns the exit status.
namespace HistoryCommands {

int exportHistory(const QString &historyPath, const QString &csvPath, const QString &player);
int importHistory(const QString &historyPath, const QString &csvPath);
int report(const QString &historyPath, const QString &player);

} // namespace HistoryCommands
