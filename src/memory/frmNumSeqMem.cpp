// SPDX-License-Identifier: GPL-3.0-or-later
#include "memory/frmNumSeqMem.h"

#include "settings/PracticeSettings.h"

#include <QComboBox>
#include <QPushButton>

frmNumSeqMem::frmNumSeqMem(PracticeSettings &settings, QWidget *parent)
    : CountDialog(
          Spec{QStringLiteral("Choose number of memory tasks"),
               QStringLiteral("Choose number of memory tasks :"),
               {QStringLiteral("4"), QStringLiteral("8"), QStringLiteral("12"),
                QStringLiteral("16"), QStringLiteral("20"), QStringLiteral("24"),
                QStringLiteral("28"), QStringLiteral("32"), QStringLiteral("36"),
                QStringLiteral("40")},
               QString::fromUtf16(InitialText)},
          [&settings](qint16 count) {
              settings.SequenceCountLeft = count;
              settings.SequenceCountRight = count;
          },
          parent)
{
    setObjectName(QStringLiteral("frmNumSeqMem"));
    setTabOrder(OKButton(), CancelButton());
    setTabOrder(CancelButton(), Combo1());
}
