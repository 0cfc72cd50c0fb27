// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/FormRand.h"

#include "drill/RandomDrill.h"
#include "drill/RandomOptions.h"
#include "drill/frmNumRand.h"
#include "frame/AppContext.h"
#include "frame/Forms.h"

#include <QLabel>

FormRand::FormRand(Forms &forms, QWidget *parent)
    : ExerciseWindow(forms, MenuLayout::Window::Random, QStringLiteral(":/pictures/background.svg"),
                     parent)
{
    AppContext &ctx = context();
    m_logic = new RandomDrill(DrillPorts{ctx.settings, Timer1(), Timer2(), ctx.sound, ctx.log},
                              ctx.random, this);
    addDrillLabels(this);
    addLabel(QStringLiteral("Label7"), QStringLiteral("Random test"), 12, true,
             QRect(300, 420, 160, 28), Qt::AlignCenter, QColor(0xe0, 0x70, 0x00));
    attachDrill(m_logic);
    RandomOptions::install(this, forms);
}

void FormRand::addDrillLabels(ExerciseWindow *w)
{
    const QColor ink(0x1c, 0x24, 0x3a);
    const auto center = Qt::AlignCenter;
    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    w->addLabel(QStringLiteral("Label8"), QStringLiteral("Total score :"), 14, true,
                QRect(250, 8, 150, 40), right, ink);
    w->addLabel(QStringLiteral("lblRezultat"), QStringLiteral("0"), 24, true,
                QRect(410, 4, 120, 48), left, ink);
    w->addLabel(QStringLiteral("Label3"), QStringLiteral("left hand :"), 14, true,
                QRect(110, 300, 160, 28), center, ink);
    w->addLabel(QStringLiteral("Label1"), QStringLiteral("L"), 48, true, QRect(110, 328, 160, 84),
                center, ink);
    w->addLabel(QStringLiteral("Label4"), QStringLiteral("right hand :"), 14, true,
                QRect(490, 300, 160, 28), center, ink);
    w->addLabel(QStringLiteral("Label2"), QStringLiteral("R"), 48, true, QRect(490, 328, 160, 84),
                center, ink);

    w->addLabel(QStringLiteral("Label5_0"), QStringLiteral("Left hand - score :"), 12, true,
                QRect(60, 478, 240, 26), left, ink);
    w->addLabel(QStringLiteral("lbllRezultat"), QStringLiteral("0"), 24, true,
                QRect(60, 506, 110, 48), right, ink);
    w->addLabel(QStringLiteral("Label6"), QStringLiteral("+"), 24, true, QRect(172, 506, 36, 48),
                center, ink);
    w->addLabel(QStringLiteral("lbllpoeni"), QStringLiteral("5"), 24, true, QRect(210, 506, 60, 48),
                left, QColor(0x1f, 0x7a, 0x3a));

    w->addLabel(QStringLiteral("Label5_1"), QStringLiteral("Right hand - score :"), 12, true,
                QRect(460, 478, 240, 26), left, ink);
    w->addLabel(QStringLiteral("lbldRezultat"), QStringLiteral("0"), 24, true,
                QRect(460, 506, 110, 48), right, ink);
    w->addLabel(QStringLiteral("Label10"), QStringLiteral("+"), 24, true, QRect(572, 506, 36, 48),
                center, ink);
    w->addLabel(QStringLiteral("lbldpoeni"), QStringLiteral("5"), 24, true, QRect(610, 506, 60, 48),
                left, QColor(0x1f, 0x7a, 0x3a));
}

void FormRand::Form_Load()
{
    AppContext &ctx = context();
    m_logic->Form_Load(QString::fromUtf16(frmNumRand::InitialText),
                       ctx.folder.filePath(QStringLiteral("XYL.WAV")));
}
