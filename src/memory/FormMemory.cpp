// SPDX-License-Identifier: GPL-3.0-or-later
#include "memory/FormMemory.h"

#include "frame/AppContext.h"
#include "frame/CountDialog.h"
#include "frame/Forms.h"
#include "frame/LevelDialog.h"
#include "frame/Palette.h"
#include "memory/MemoryDrill.h"
#include "ports/Ticker.h"

#include <QTimer>

FormMemory::FormMemory(Forms &forms, QWidget *parent)
    : ExerciseWindow(forms, ExerciseKind::Memory, QStringLiteral(":/pictures/background.svg"),
                     parent),
      m_logic(std::make_unique<MemoryDrill>(drillPorts(), context().random))
{
    addDrillLabels();
    addLabel(Label::Label7Memory, 12, true, QRect(300, 420, 160, 28), Qt::AlignCenter,
             Palette::Caption);
    const QColor status = Palette::Status;
    addLabel(Label::Label9, 13, true, QRect(90, 268, 200, 30), Qt::AlignCenter, status);
    addLabel(Label::Label11, 13, true, QRect(470, 268, 200, 30), Qt::AlignCenter, status);
    attachDrill(m_logic.get());
    installOptions();
}

FormMemory::~FormMemory() = default;

void FormMemory::installOptions()
{
    onCommand(Command::mnuTask, [this] {
        openDialog(new CountDialog(CountDialog::MemoryTaskCount, context().settings, this));
    });
    onCommand(Command::mnuLevel, [this] {
        auto *dialog = new LevelDialog(
            tr("Select level for the test"),
            [this](int periodMs) {
                // The memory test keeps a level of its own.
                Timer1().setInterval(periodMs);
                Timer2().setInterval(periodMs);
            },
            this);
        dialog->setObjectName(QStringLiteral("frmLevelMem"));
        openDialog(dialog);
    });
    QList<Command> notes;
    const Command items[] = {Command::mnu3, Command::mnu4, Command::mnu5};
    for (const MemoryDrill::Table &table : MemoryDrill::Tables) {
        const Command item = items[table.notes - 3];
        const int count = table.notes;
        notes << item;
        onCommand(item, [this, count] {
            m_logic->setNotesPerTask(count);
            warnIfUnreadable();
        });
    }
    makeRadioChoice(notes);
}

void FormMemory::Form_Load()
{
    AppContext &ctx = context();
    m_logic->Form_Load(ctx.folder.filePath(QStringLiteral("piano.db")),
                       QString::fromUtf16(CountDialog::MemoryTaskCount.initialText),
                       ctx.folder.filePath(QStringLiteral("xyl.wav")));
}

QString FormMemory::databaseWarning() const
{
    const QString error = m_logic->databaseError();
    if (error.isEmpty())
        return {};
    return tr("The memory test cannot be used: %1.\n\nThe other exercises still work.").arg(error);
}

void FormMemory::showEvent(QShowEvent *event)
{
    ExerciseWindow::showEvent(event);
    warnIfUnreadable();
}

void FormMemory::warnIfUnreadable()
{
    if (m_warned || !isVisible() || m_logic->databaseError().isEmpty())
        return;
    m_warned = true;
    // After the window has come up, so the warning has a window to stand in front of.
    QTimer::singleShot(0, this, [this] { warn(databaseWarning()); });
}
