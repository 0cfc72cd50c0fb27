// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

// A screen reader announces a control by its accessible name; a combo box would otherwise
// be announced by its current value ("20", "All players"). The name is the caption shown
// beside the control, without its access letter's mark and its closing colon.
inline void nameAfterCaption(QWidget *control, QString caption)
{
    caption.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    caption = caption.trimmed();
    while (caption.endsWith(QLatin1Char(':')))
        caption = caption.chopped(1).trimmed();
    control->setAccessibleName(caption);
}
