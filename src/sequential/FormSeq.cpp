// SPDX-License-Identifier: GPL-3.0-or-later
#include "sequential/FormSeq.h"

#include "frame/AppContext.h"
#include "frame/CountDialog.h"
#include "frame/Forms.h"
#include "frame/Palette.h"
#include "sequential/SequentialDrill.h"
#include "sequential/frmChoosePractice.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>

FormSeq::FormSeq(Forms &forms, QWidget *parent)
    : ExerciseWindow(forms, ExerciseKind::Sequential, QStringLiteral(":/pictures/background.svg"),
                     parent),
      m_logic(std::make_unique<SequentialDrill>(drillPorts()))
{
    addDrillLabels();

    const QColor accent(0xe0, 0x70, 0x00);
    // The end messages stand just above the task displays of their hands.
    addLabel(Label::Label9, 12, true, QRect(90, 272, 200, 26), Qt::AlignCenter, accent);
    addLabel(Label::Label11, 12, true, QRect(470, 272, 200, 26), Qt::AlignCenter, accent);
    addLabel(Label::Label7Sequential, 12, true, QRect(180, 416, 400, 26), Qt::AlignCenter, accent);
    QLabel *name = addLabel(Label::lblImeVezbe, 12, true, QRect(80, 442, 600, 28), Qt::AlignCenter,
                            Palette::Ink);
    // The entry's blanks line its parts up, as in the chooser.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(12);
    fixed.setBold(true);
    setDesignedFont(name, fixed);

    attachDrill(m_logic.get());

    onCommand(Command::mnuChooseexe, [this] { mnuChooseexe_Click(); });
    onCommand(Command::mnuTask, [this] { mnuTask_Click(); });
}

FormSeq::~FormSeq() = default;

void FormSeq::Form_Load()
{
    // Both dialogs come into being unseen: the count is read from the box's initial
    // text, and the chooser keeps its first entry selected for its first showing.
    const QString database = context().folder.filePath(QStringLiteral("piano.db"));
    m_figures = ExerciseFigures::read(database);
    CountDialog *counts = makeNumSeq();
    frmChoosePractice *chooser = makeChooser();
    chooser->select(0);
    m_logic->Form_Load(database, counts->Combo1()->currentText(), m_figures.value(0).entry());
}

frmChoosePractice *FormSeq::chooser() const
{
    return m_chooser;
}

CountDialog *FormSeq::numberOfSequences() const
{
    return m_numSeq;
}

frmChoosePractice *FormSeq::makeChooser()
{
    QStringList entries;
    for (const ExerciseFigure &figure : std::as_const(m_figures))
        entries << figure.entry();
    m_chooser = new frmChoosePractice(
        entries,
        [this](int index, const QString &text) {
            context().settings.ExerciseIndex = static_cast<qint16>(index);
            m_logic->setExerciseName(text);
        },
        this);
    return m_chooser;
}

CountDialog *FormSeq::makeNumSeq()
{
    m_numSeq = new CountDialog(CountDialog::SequenceCount, context().settings, this);
    return m_numSeq;
}

void FormSeq::mnuChooseexe_Click()
{
    openDialog(m_chooser ? m_chooser.data() : makeChooser());
}

void FormSeq::mnuTask_Click()
{
    openDialog(m_numSeq ? m_numSeq.data() : makeNumSeq());
}
