// SPDX-License-Identifier: GPL-3.0-or-later
#include "sequential/frmNumSeq.h"

#include "settings/PracticeSettings.h"

#include <QComboBox>

namespace {

QStringList counts()
{
    QStringList list;
    for (int n = 4; n <= 40; n += 4)
        list << QString::number(n);
    return list;
}

} // namespace

frmNumSeq::frmNumSeq(PracticeSettings &settings, QWidget *parent)
    : CountDialog(
          Spec{QStringLiteral("Choose number of sequences"),
               QStringLiteral("Choose number of sequences :"), counts(),
               QString::fromUtf16(InitialText)},
          [&settings](qint16 count) {
              settings.SequenceCountLeft = count;
              settings.SequenceCountRight = count;
          },
          parent)
{
    setObjectName(QStringLiteral("frmNumSeq"));
    // The player types the number straight away, and gets what was typed: completing
    // "1" to the list's "12" would turn one sequence into twelve.
    Combo1()->setCompleter(nullptr);
    Combo1()->setFocus();
}
