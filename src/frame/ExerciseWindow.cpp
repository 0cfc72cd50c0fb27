// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/ExerciseWindow.h"

#include "drill/DrillCore.h"
#include "drill/KeyMap.h"
#include "frame/AppContext.h"
#include "frame/BackgroundWidget.h"
#include "frame/Forms.h"
#include "info/InfoCommands.h"
#include "platform/AppendLogFile.h"
#include "ports/ProcessStarter.h"
#include "ports/Ticker.h"
#include "settings/ResultsLog.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

ExerciseWindow::ExerciseWindow(Forms &forms, MenuLayout::Window kind, const QString &background,
                               QWidget *parent)
    : QMainWindow(parent), m_forms(forms), m_timer1(forms.context().makeTicker()),
      m_timer2(forms.context().makeTicker())
{
    setWindowTitle(QStringLiteral("Moravel"));
    m_canvas = new BackgroundWidget(background, QColor(0xf4, 0xf1, 0xea), this);
    m_canvas->setObjectName(QStringLiteral("canvas"));
    m_canvas->setFixedSize(ClientWidth, ClientHeight);
    m_canvas->setFocusPolicy(Qt::StrongFocus);
    setCentralWidget(m_canvas);
    buildMenus(MenuLayout::forWindow(kind));

    // X11 and Wayland report the physical key; elsewhere the Qt key decides.
    const QString platform = QGuiApplication::platformName();
    m_physicalKeys =
        platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
    // The window sees key events before any of its controls.
    qApp->installEventFilter(this);

    onCommand(QStringLiteral("mnuStart"), [this] {
        if (m_drill)
            m_drill->mnuStart_Click();
    });
    onCommand(QStringLiteral("mnuReset"), [this] {
        if (m_drill)
            m_drill->mnuReset_Click();
    });
    const QList<QPair<QString, QString>> switches = {
        {QStringLiteral("mnuRand"), QStringLiteral("FormRand")},
        {QStringLiteral("mnuExit"), QStringLiteral("FormRand")},
        {QStringLiteral("mnuSeq"), QStringLiteral("FormSeq")},
        {QStringLiteral("mnuMem"), QStringLiteral("FormMemory")},
        {QStringLiteral("mnuPreschool"), QStringLiteral("frmPreschool")}};
    for (const auto &[item, target] : switches) {
        const QString window = target;
        onCommand(item, [this, window] { m_forms.switchTo(window, this); });
    }
    onCommand(QStringLiteral("mnuUser"), [this] { mnuUser_Click(); });
    onCommand(QStringLiteral("mnuViewLog"), [this] { mnuViewLog_Click(); });
    InfoCommands::install(this, forms, kind);
}

ExerciseWindow::~ExerciseWindow()
{
    qApp->removeEventFilter(this);
    // A drill lets go of the timers when it goes, and the timers go before the window's
    // children: a drill still here goes first.
    qDeleteAll(findChildren<DrillCore *>(Qt::FindDirectChildrenOnly));
}

AppContext &ExerciseWindow::context() const
{
    return m_forms.context();
}

void ExerciseWindow::buildMenus(const QList<MenuSpec> &menus)
{
    for (const MenuSpec &spec : menus) {
        QMenu *menu = menuBar()->addMenu(spec.caption);
        menu->setObjectName(spec.name);
        addItems(menu, spec.items);
    }
}

void ExerciseWindow::addItems(QMenu *menu, const QList<MenuItemSpec> &items)
{
    for (const MenuItemSpec &spec : items) {
        QAction *action = nullptr;
        if (!spec.submenu.isEmpty()) {
            QMenu *sub = menu->addMenu(spec.caption);
            sub->setObjectName(spec.name);
            action = sub->menuAction();
            addItems(sub, spec.submenu);
        } else if (spec.isSeparator()) {
            action = menu->addSeparator();
        } else {
            action = menu->addAction(spec.caption);
            action->setShortcut(spec.shortcut);
            action->setCheckable(spec.checked);
            action->setChecked(spec.checked);
            const QString name = spec.name;
            connect(action, &QAction::triggered, this, [this, name] { trigger(name); });
        }
        action->setObjectName(spec.name);
        action->setEnabled(spec.enabled);
        m_actions.insert(spec.name, action);
    }
}

void ExerciseWindow::trigger(const QString &name)
{
    QAction *action = m_actions.value(name);
    if (action && !action->isEnabled())
        return;
    if (const QStringList choice = m_radioChoices.value(name); !choice.isEmpty()) {
        for (const QString &item : choice) {
            if (QAction *other = m_actions.value(item))
                other->setChecked(item == name);
        }
    } else if (action && action->isCheckable()) {
        // A checked item marks where the player is; clicking it does nothing.
        action->setChecked(true);
        return;
    }
    const auto command = m_commands.value(name);
    if (command)
        command();
}

void ExerciseWindow::onCommand(const QString &name, std::function<void()> command)
{
    m_commands.insert(name, std::move(command));
}

void ExerciseWindow::makeRadioChoice(const QStringList &names)
{
    for (const QString &name : names) {
        m_radioChoices.insert(name, names);
        if (QAction *action = m_actions.value(name))
            action->setCheckable(true);
    }
}

void ExerciseWindow::attachDrill(DrillCore *drill)
{
    m_drill = drill;
    connect(drill, &DrillCore::changed, this, &ExerciseWindow::render);
    connect(drill, &DrillCore::startFailed, this, [this](const QString &message) {
        QMessageBox::warning(this, QStringLiteral("Moravel"), message);
    });
    render();
}

QLabel *ExerciseWindow::addLabel(const QString &name, const QString &text, int pointSize, bool bold,
                                 const QRect &geometry, Qt::Alignment alignment,
                                 const QColor &color)
{
    auto *label = new QLabel(text, m_canvas);
    label->setObjectName(name);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_labels.insert(name, label);
    return label;
}

void ExerciseWindow::render()
{
    if (!m_drill)
        return;
    const LabelModel &model = m_drill->labels();
    for (const QString &name : model.names()) {
        QLabel *widget = m_labels.value(name);
        if (!widget)
            continue;
        widget->setText(model.text(name));
        widget->setVisible(model.isVisible(name));
    }
}

void ExerciseWindow::openDialog(QDialog *dialog)
{
    if (dialogsModal()) {
        dialog->setWindowModality(Qt::ApplicationModal);
        dialog->exec();
    } else {
        dialog->setWindowModality(Qt::NonModal);
        dialog->show();
        dialog->raise();
        dialog->activateWindow();
    }
}

void ExerciseWindow::mnuUser_Click()
{
    if (auto *prompt = qobject_cast<QDialog *>(m_forms.form(QStringLiteral("frmLog"))))
        openDialog(prompt);
}

void ExerciseWindow::mnuViewLog_Click()
{
    const QString path = context().folder.filePath(QString::fromLatin1(ResultsLog::FileName));
    // The editor should open a file, not an error, before the first result is written;
    // a name taken by anything but a file is not handed to it.
    if (AppendLogFile::ensureExists(path))
        context().opener.openFile(path);
}

bool ExerciseWindow::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || !watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    if (widget->window() != this)
        return false;

    auto *key = static_cast<QKeyEvent *>(event);
    const quint32 scanCode = m_physicalKeys ? key->nativeScanCode() : 0;
    const auto finger = KeyMap::lookup(key->key(), key->modifiers(), scanCode);
    if (!finger)
        return false;
    const quint64 identity = KeyMap::keyIdentity(key->key(), key->modifiers(), scanCode);
    if (type == QEvent::KeyPress) {
        m_keys.pressed(identity, key->isAutoRepeat());
    } else if (m_keys.released(identity, key->isAutoRepeat()) && m_drill) {
        m_drill->keyUp(*finger);
    }
    // Finger keys belong to the drill, not to whatever control has the focus.
    return true;
}

void ExerciseWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    m_forms.unloadAll(this);
}
