// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/PlayerName.h"

namespace PlayerName {

QString fromTyped(const QString &typed)
{
    if (typed.isEmpty())
        return QString::fromUtf16(Anonymous);
    QString name = typed;
    for (QChar &c : name) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = u' ';
    }
    return name;
}

} // namespace PlayerName
