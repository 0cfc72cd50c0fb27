// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise window's menus: the bar built from its layout, the commands bound to its
// items, and the commands every exercise window runs the same way.
#include "frame/ExerciseWindow.h"

#include "drill/DrillCore.h"
#include "drill/DrillHold.h"
#include "frame/AppContext.h"
#include "frame/Forms.h"
#include "frame/VolumeDialog.h"
#include "ports/ProcessStarter.h"
#include "ports/SyncSound.h"
#include "settings/ResultsLog.h"
#include "settings/frmLog.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>

void ExerciseWindow::bindSwitch(Command command, const QString &window)
{
    onCommand(command, [this, window] {
        // The next window stands where this one stood.
        if (auto *next = qobject_cast<ExerciseWindow *>(m_forms.form(window)); next && next != this)
            next->takePlacement(*this);
        keepPlacement();
        m_forms.switchTo(window, this);
    });
}

void ExerciseWindow::buildMenus(const QList<MenuSpec> &menus)
{
    for (const MenuSpec &spec : menus) {
        QMenu *menu = menuBar()->addMenu(
            QCoreApplication::translate("MenuLayout", spec.caption.toUtf8().constData()));
        menu->setObjectName(spec.name.objectName());
        m_actions[spec.name] = menu->menuAction();
        addItems(menu, spec.items);
    }
}

void ExerciseWindow::addItems(QMenu *menu, const QList<MenuItemSpec> &items)
{
    for (const MenuItemSpec &spec : items) {
        QAction *action = nullptr;
        const QString caption =
            QCoreApplication::translate("MenuLayout", spec.caption.toUtf8().constData());
        if (!spec.submenu.isEmpty()) {
            QMenu *sub = menu->addMenu(caption);
            sub->setObjectName(spec.name.objectName());
            action = sub->menuAction();
            addItems(sub, spec.submenu);
        } else if (spec.isSeparator()) {
            action = menu->addSeparator();
        } else {
            action = menu->addAction(caption);
            action->setShortcut(spec.shortcut);
            action->setCheckable(spec.checked);
            action->setChecked(spec.checked);
            const Command command = spec.name;
            connect(action, &QAction::triggered, this, [this, command] { trigger(command); });
        }
        action->setObjectName(spec.name.objectName());
        action->setEnabled(spec.enabled);
        m_actions[spec.name] = action;
    }
}

void ExerciseWindow::trigger(Command command)
{
    QAction *item = action(command);
    if (item && !item->isEnabled())
        return;
    if (const QList<Command> choice = m_radioChoices.value(command); !choice.isEmpty()) {
        for (Command other : choice) {
            if (QAction *otherItem = action(other))
                otherItem->setChecked(other == command);
        }
    } else if (item && item->isCheckable()) {
        // A checked item marks where the player is; clicking it does nothing.
        item->setChecked(true);
        return;
    }
    // A copy: the command may replace itself, or the window may go while it runs. While a
    // start or end sound holds the drill, the command waits for its end, after the strikes
    // that came before it.
    const std::function<void()> run = m_commands.value(command);
    if (run)
        context().sound.hold().dispatch(this, run);
}

void ExerciseWindow::onCommand(Command command, std::function<void()> run)
{
    m_commands[command] = std::move(run);
}

void ExerciseWindow::makeRadioChoice(const QList<Command> &commands)
{
    for (Command command : commands) {
        m_radioChoices[command] = commands;
        if (QAction *item = action(command))
            item->setCheckable(true);
    }
}

void ExerciseWindow::offerHandsChoice()
{
    const QList<QPair<Command, DrillCore::Hands>> choices = {
        {Command::mnuHandsBoth, DrillCore::Hands::Both},
        {Command::mnuHandsLeft, DrillCore::Hands::LeftOnly},
        {Command::mnuHandsRight, DrillCore::Hands::RightOnly}};
    for (const auto &[item, hands] : choices) {
        const DrillCore::Hands chosen = hands;
        onCommand(item, [this, chosen] {
            if (m_drill)
                m_drill->setHands(chosen);
        });
    }
    makeRadioChoice({Command::mnuHandsBoth, Command::mnuHandsLeft, Command::mnuHandsRight});
}

void ExerciseWindow::mnuUser_Click()
{
    if (auto *prompt = qobject_cast<QDialog *>(m_forms.form(frmLog::name())))
        openDialog(prompt);
}

void ExerciseWindow::mnuVolume_Click()
{
    ComfortSettings *settings = comfort();
    if (!settings)
        return;
    openDialog(new VolumeDialog(*settings, context().saveComfort, this));
}

void ExerciseWindow::mnuViewLog_Click()
{
    const QString path = context().resultsLogPath
                             ? context().resultsLogPath()
                             : context().folder.filePath(QString::fromLatin1(ResultsLog::FileName));
    // The editor should open a file, not an error, before the first result is written;
    // a name taken by anything but a file is not handed to it.
    if (ResultsLog::createIfMissing(path))
        context().processes.openFile(path);
}
