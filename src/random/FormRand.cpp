// SPDX-License-Identifier: GPL-3.0-or-later
#include "random/FormRand.h"

#include "frame/AppContext.h"
#include "frame/CountDialog.h"
#include "frame/Palette.h"
#include "random/RandomDrill.h"

#include <QLabel>

FormRand::FormRand(Forms &forms, QWidget *parent)
    : ExerciseWindow(forms, ExerciseKind::Random, QStringLiteral(":/pictures/background.svg"),
                     parent),
      m_logic(std::make_unique<RandomDrill>(drillPorts(), context().random))
{
    addDrillLabels();
    addLabel(Label::Label7Random, 12, true, QRect(300, 420, 160, 28), Qt::AlignCenter,
             Palette::Caption);
    attachDrill(m_logic.get());
    offerHandsChoice();
}

FormRand::~FormRand() = default;

void FormRand::Form_Load()
{
    AppContext &ctx = context();
    m_logic->Form_Load(QString::fromUtf16(CountDialog::TaskCount.initialText),
                       ctx.folder.filePath(QStringLiteral("XYL.WAV")));
}
