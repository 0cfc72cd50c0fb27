// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drill/KeyTracker.h"
#include "frame/MenuLayout.h"

#include <QHash>
#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <memory>

class Forms;
class DrillCore;
class QAction;
class QDialog;
class QLabel;
class Ticker;
struct AppContext;

// The frame every exercise window shares: caption "Moravel", a 760 x 589 client area
// with its background picture, the menu bar, two hand timers, and key releases that
// reach the window before any of its controls and go to the window's drill.
class ExerciseWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 760;
    static constexpr int ClientHeight = 589;

    ExerciseWindow(Forms &forms, MenuLayout::Window kind, const QString &background,
                   QWidget *parent = nullptr);
    ~ExerciseWindow() override;

    DrillCore *drill() const { return m_drill; }
    Ticker &Timer1() const { return *m_timer1; }
    Ticker &Timer2() const { return *m_timer2; }
    QAction *action(const QString &name) const { return m_actions.value(name); }
    QLabel *label(const QString &name) const { return m_labels.value(name); }
    // Runs a menu command as a click on its item would.
    void trigger(const QString &name);

    // Whether this window opens its dialogs and the name prompt modally.
    virtual bool dialogsModal() const { return true; }

    QLabel *addLabel(const QString &name, const QString &text, int pointSize, bool bold,
                     const QRect &geometry,
                     Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter,
                     const QColor &color = QColor(0x20, 0x20, 0x30));

    // The command of a menu item; items without one do nothing.
    void onCommand(const QString &name, std::function<void()> command);
    // Makes these items one choice: choosing one moves the check mark to it and runs its
    // command, even when it already carries the mark.
    void makeRadioChoice(const QStringList &names);
    // Shows a dialog modally or as an ordinary window, as this window does.
    void openDialog(QDialog *dialog);

    // Menu handlers shared by the four windows.
    void mnuUser_Click();
    void mnuViewLog_Click();

protected:
    Forms &forms() const { return m_forms; }
    AppContext &context() const;
    QWidget *canvas() const { return m_canvas; }

    void attachDrill(DrillCore *drill);
    // Renders the drill's labels into the widgets.
    void render();

    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus(const QList<MenuSpec> &menus);
    void addItems(class QMenu *menu, const QList<MenuItemSpec> &items);

    Forms &m_forms;
    QWidget *m_canvas = nullptr;
    std::unique_ptr<Ticker> m_timer1;
    std::unique_ptr<Ticker> m_timer2;
    DrillCore *m_drill = nullptr;
    QHash<QString, QAction *> m_actions;
    QHash<QString, std::function<void()>> m_commands;
    QHash<QString, QStringList> m_radioChoices;
    QHash<QString, QLabel *> m_labels;
    KeyTracker m_keys;
    bool m_physicalKeys = false;
};
