// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drill/ExerciseKind.h"
#include "drill/Labels.h"
#include "frame/Commands.h"
#include "frame/MenuLayout.h"
#include "input/KeyboardSource.h"

#include <QHash>
#include <QList>
#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

class BackgroundWidget;
class ComfortSettings;
class Forms;
class DrillCore;
class QAction;
class QDialog;
class QLabel;
class Ticker;
struct AppContext;
struct DrillPorts;
struct FingerStrike;

// The frame every exercise window shares: caption "Moravel", a client area designed at
// 760 x 589 with its background picture (the window opens at that size; resized or full
// screen, the whole content scales with it), the menu bar, two hand timers, a line that
// tells how to begin and, at the end, the result and where it was saved, and the finger
// strikes of the computer keyboard (and of any other input source handed to the window),
// which reach the window before any of its controls and go to the window's drill.
class ExerciseWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 760;
    static constexpr int ClientHeight = 589;

    ExerciseWindow(Forms &forms, ExerciseKind kind, const QString &background,
                   QWidget *parent = nullptr);
    ~ExerciseWindow() override;

    ExerciseKind kind() const { return m_kind; }
    DrillCore *drill() const { return m_drill; }
    Ticker &Timer1() const { return *m_timer1; }
    Ticker &Timer2() const { return *m_timer2; }
    QAction *action(Command command) const { return m_actions.value(command); }
    QLabel *label(Label label) const { return m_labels.value(label); }
    // Runs a menu command as a click on its item would.
    void trigger(Command command);
    // A finger strike for this window's drill, from whichever input source.
    void strike(const FingerStrike &strike);

    // Whether this window opens its dialogs and the name prompt modally.
    virtual bool dialogsModal() const { return true; }

    // A label of the window with its first text.
    QLabel *addLabel(Label label, int pointSize, bool bold, const QRect &geometry,
                     Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter,
                     const QColor &color = QColor(0x20, 0x20, 0x30));
    // The labels of the drill core, laid out the same in the random, sequential and
    // memory windows.
    void addDrillLabels();
    // Lays a control out on the client area at its designed place; it scales with the
    // window from then on, font and all.
    void place(QWidget *child, const QRect &designed);
    // Gives a control laid out by place (or a label) another font at the designed size.
    void setDesignedFont(QWidget *child, const QFont &font);
    // The factor the client area is scaled by (1 at the default size).
    qreal contentScale() const;

    // Options > Full screen (F11): the window fills the screen or comes back; Escape
    // also brings it back.
    void toggleFullScreen();
    // Stands where the other window stood, as large, and full screen if it was.
    void takePlacement(const ExerciseWindow &from);
    // The line over the client area: how to begin before the first Start, the result
    // once an exercise has ended; hidden while a drill runs.
    QLabel *guide() const { return m_guide; }

    // The command of a menu item; items without one do nothing.
    void onCommand(Command command, std::function<void()> run);
    // Makes these items one choice: choosing one moves the check mark to it and runs its
    // command, even when it already carries the mark.
    void makeRadioChoice(const QList<Command> &commands);
    // Options > Hands: both hands play, or only one (the drill must be attached).
    void offerHandsChoice();
    // Shows a dialog modally or as an ordinary window, as this window does.
    void openDialog(QDialog *dialog);
    // A message the player must acknowledge.
    void warn(const QString &message);
    // A short line over the window that goes by itself (a MIDI keyboard came or went,
    // where results are kept).
    void showNotice(const QString &message, int milliseconds = 4000);
    // A line over the window that stays until it is taken away (empty), behind any short
    // one: practice waits to be written to the history.
    void setStandingNotice(const QString &message);
    // The computer keyboard's finger keys in use.
    KeyLayout keyLayout() const;

    // Menu handlers shared by the four windows.
    void mnuUser_Click();
    void mnuViewLog_Click();
    void mnuVolume_Click();

protected:
    Forms &forms() const { return m_forms; }
    AppContext &context() const;
    QWidget *canvas() const;
    // The ports a drill of this window works with: the settings, this window's timers,
    // the start and end sound, the log, the clock and the event stream.
    DrillPorts drillPorts() const;

    // The window's drill, owned by the window itself (declared last, so it goes first).
    void attachDrill(DrillCore *drill);
    // Renders the drill's labels into the widgets.
    void render();

    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildMenus(const QList<MenuSpec> &menus);
    // The item switches to the window of that name.
    void bindSwitch(Command command, const QString &window);
    void addItems(class QMenu *menu, const QList<MenuItemSpec> &items);
    ComfortSettings *comfort() const;
    // Remembers where this window stands and whether it fills the screen.
    void keepPlacement();
    // Fills the screen; the window comes back to `normal` when it leaves full screen.
    void goFullScreen(const QRect &normal);
    void renderGuide();
    void putNotice(const QString &message);

    Forms &m_forms;
    ExerciseKind m_kind;
    BackgroundWidget *m_canvas = nullptr;
    std::unique_ptr<Ticker> m_timer1;
    std::unique_ptr<Ticker> m_timer2;
    DrillCore *m_drill = nullptr;
    QHash<Command, QAction *> m_actions;
    QHash<Command, std::function<void()>> m_commands;
    QHash<Command, QList<Command>> m_radioChoices;
    QHash<Label, QLabel *> m_labels;
    KeyboardSource m_keyboard;
    bool m_physicalKeys = false;
    QLabel *m_notice = nullptr;
    QLabel *m_guide = nullptr;
    // Whether Start has been chosen in this window (the guidance line is then gone).
    bool m_started = false;
    // Whether the window was maximized when it went full screen, to come back so.
    bool m_maximizedBefore = false;
    QRect m_normalGeometry;
    QAction *m_leaveFullScreen = nullptr;
    class QTimer *m_noticeTimer = nullptr;
    QString m_standingNotice;
};
