// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/frmNumRand.h"

#include "settings/PracticeSettings.h"

frmNumRand::frmNumRand(PracticeSettings &settings, QWidget *parent)
    : CountDialog(
          Spec{QStringLiteral("Choose number of tasks"),
               QStringLiteral("Choose number of tasks for each hand from list :"),
               {QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("30"),
                QStringLiteral("40"), QStringLiteral("50"), QStringLiteral("60"),
                QStringLiteral("70"), QStringLiteral("80"), QStringLiteral("90"),
                QStringLiteral("100")},
               QString::fromUtf16(InitialText)},
          [&settings](qint16 count) {
              settings.TaskCountLeft = count;
              settings.TaskCountRight = count;
          },
          parent)
{
    setObjectName(QStringLiteral("frmNumRand"));
}
