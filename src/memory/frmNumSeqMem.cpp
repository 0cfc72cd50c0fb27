// SPDX-License-Identifier: GPL-3.0-or-later
#include "memory/frmNumSeqMem.h"

#include "settings/PracticeSettings.h"

frmNumSeqMem::frmNumSeqMem(PracticeSettings &settings, QWidget *parent)
    : CountDialog(
          Spec{tr("Choose number of memory tasks"), tr("Choose number of memory tasks :"),
               steps(4, 40, 4), QString::fromUtf16(InitialText)},
          [&settings](qint16 count) {
              settings.SequenceCountLeft = count;
              settings.SequenceCountRight = count;
          },
          parent)
{
    setObjectName(QStringLiteral("frmNumSeqMem"));
}
