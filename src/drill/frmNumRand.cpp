// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/frmNumRand.h"

#include "settings/PracticeSettings.h"

frmNumRand::frmNumRand(PracticeSettings &settings, QWidget *parent)
    : CountDialog(
          Spec{tr("Choose number of tasks"), tr("Choose number of tasks for each hand from list :"),
               steps(10, 100, 10), QString::fromUtf16(InitialText)},
          [&settings](qint16 count) {
              settings.TaskCountLeft = count;
              settings.TaskCountRight = count;
          },
          parent)
{
    setObjectName(QStringLiteral("frmNumRand"));
}
