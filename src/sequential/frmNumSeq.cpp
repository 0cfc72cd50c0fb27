// SPDX-License-Identifier: GPL-3.0-or-later
#include "sequential/frmNumSeq.h"

#include "settings/PracticeSettings.h"

frmNumSeq::frmNumSeq(PracticeSettings &settings, QWidget *parent)
    : CountDialog(
          Spec{tr("Choose number of sequences"), tr("Choose number of sequences :"),
               steps(4, 40, 4), QString::fromUtf16(InitialText)},
          [&settings](qint16 count) {
              settings.SequenceCountLeft = count;
              settings.SequenceCountRight = count;
          },
          parent)
{
    setObjectName(QStringLiteral("frmNumSeq"));
}
