// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/ExerciseWindow.h"

#include "drill/DrillCore.h"
#include "drill/DrillHold.h"
#include "frame/AppContext.h"
#include "frame/BackgroundWidget.h"
#include "frame/Forms.h"
#include "frame/Palette.h"
#include "frame/ScreenFit.h"
#include "input/InputPreferences.h"
#include "ports/SyncSound.h"
#include "ports/Ticker.h"
#include "settings/ComfortSettings.h"
#include "settings/ResultsLog.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace {

// A label's text as the player's language has it. Numbers and finger digits are the same
// in every language and skip the look-up on the key path.
QString shown(const QString &text)
{
    if (text.isEmpty() || text.front().isDigit())
        return text;
    return QCoreApplication::translate("Labels", text.toUtf8().constData());
}

} // namespace

ExerciseWindow::ExerciseWindow(Forms &forms, ExerciseKind kind, const QString &background,
                               QWidget *parent)
    : QMainWindow(parent), m_forms(forms), m_kind(kind), m_timer1(forms.context().makeTicker()),
      m_timer2(forms.context().makeTicker()), m_keyboard(forms.context().clock)
{
    setWindowTitle(QStringLiteral("Moravel"));
    m_canvas =
        new BackgroundWidget(background, Palette::Page, QSize(ClientWidth, ClientHeight), this);
    m_canvas->setObjectName(QStringLiteral("canvas"));
    // Down to half the designed size; up to whatever the screen has.
    m_canvas->setMinimumSize(ClientWidth / 2, ClientHeight / 2);
    m_canvas->setFocusPolicy(Qt::StrongFocus);
    setCentralWidget(m_canvas);
    if (const ExerciseEntry *self = forms.exercise(kind))
        buildMenus(MenuLayout::forWindow(*self, forms.exercises()));

    m_guide = new QLabel(m_canvas);
    m_guide->setObjectName(QStringLiteral("lblGuide"));
    m_guide->setAlignment(Qt::AlignCenter);
    m_guide->setWordWrap(true);
    m_guide->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_guide->setStyleSheet(
        QStringLiteral("QLabel { background: %1; color: white; border-radius: 8px; "
                       "padding: 2px 10px; }")
            .arg(Palette::css(Palette::Ink, 200)));
    QFont guideFont = m_guide->font();
    guideFont.setPointSize(12);
    guideFont.setBold(true);
    m_guide->setFont(guideFont);
    // Between the top row and the task digits, where no window has a control.
    place(m_guide, QRect(60, 168, 640, 56));
    renderGuide();

    m_leaveFullScreen = new QAction(this);
    m_leaveFullScreen->setObjectName(QStringLiteral("actLeaveFullScreen"));
    m_leaveFullScreen->setShortcut(QKeySequence(Qt::Key_Escape));
    m_leaveFullScreen->setEnabled(false);
    connect(m_leaveFullScreen, &QAction::triggered, this, [this] {
        if (isFullScreen())
            toggleFullScreen();
    });
    addAction(m_leaveFullScreen);
    // The window opens at the designed size, or where the player left it last time.
    resize(sizeHint());
    if (ComfortSettings *settings = comfort()) {
        if (!settings->windowGeometry.isEmpty())
            restoreGeometry(settings->windowGeometry);
        if (settings->fullScreen)
            goFullScreen(geometry());
    }
    // A small screen shows the whole window, scaled down.
    ScreenFit::fit(this);

    // X11 and Wayland report the physical key; elsewhere the Qt key decides.
    const QString platform = QGuiApplication::platformName();
    m_physicalKeys =
        platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
    // The window sees key events before any of its controls.
    qApp->installEventFilter(this);
    m_keyboard.setSink([this](const FingerStrike &stroke) { strike(stroke); });

    onCommand(Command::mnuStart, [this] {
        if (!m_drill)
            return;
        m_started = true;
        renderGuide();
        m_drill->mnuStart_Click();
    });
    onCommand(Command::mnuReset, [this] {
        if (m_drill)
            m_drill->mnuReset_Click();
    });
    // Every exercise window's item shows it; Exit goes back to the home window.
    for (const ExerciseEntry &entry : forms.exercises())
        bindSwitch(entry.command, entry.name);
    bindSwitch(Command::mnuExit, forms.homeWindow());
    onCommand(Command::mnuUser, [this] { mnuUser_Click(); });
    onCommand(Command::mnuViewLog, [this] { mnuViewLog_Click(); });
    onCommand(Command::mnuFullScreen, [this] { toggleFullScreen(); });
    onCommand(Command::mnuVolume, [this] { mnuVolume_Click(); });
}

ExerciseWindow::~ExerciseWindow()
{
    context().sound.hold().forget(this);
    qApp->removeEventFilter(this);
}

AppContext &ExerciseWindow::context() const
{
    return m_forms.context();
}

QWidget *ExerciseWindow::canvas() const
{
    return m_canvas;
}

ComfortSettings *ExerciseWindow::comfort() const
{
    return context().comfort;
}

DrillPorts ExerciseWindow::drillPorts() const
{
    AppContext &ctx = context();
    return DrillPorts{ctx.settings, *m_timer1,  *m_timer2,  ctx.sound,
                      ctx.log,      &ctx.clock, &ctx.events};
}

void ExerciseWindow::attachDrill(DrillCore *drill)
{
    m_drill = drill;
    connect(drill, &DrillCore::changed, this, &ExerciseWindow::render);
    connect(drill, &DrillCore::startFailed, this, [this](const QString &message) {
        // Nothing runs: the way to begin is still the one to take.
        m_started = false;
        renderGuide();
        warn(message);
    });
    m_guide->raise();
    render();
}

void ExerciseWindow::strike(const FingerStrike &strike)
{
    if (m_drill)
        m_drill->keyUp(strike);
}

QLabel *ExerciseWindow::addLabel(Label name, int pointSize, bool bold, const QRect &geometry,
                                 Qt::Alignment alignment, const QColor &color)
{
    auto *widget = new QLabel(shown(Labels::firstText(name)), m_canvas);
    widget->setObjectName(Labels::objectName(name));
    QFont font = widget->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    widget->setFont(font);
    place(widget, geometry);
    widget->setAlignment(alignment);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
    widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_labels[name] = widget;
    return widget;
}

void ExerciseWindow::addDrillLabels()
{
    const QColor ink = Palette::Ink;
    const QColor points = Palette::Points;
    const auto center = Qt::AlignCenter;
    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    addLabel(Label::Label8, 14, true, QRect(250, 8, 150, 40), right, ink);
    addLabel(Label::lblRezultat, 24, true, QRect(410, 4, 120, 48), left, ink);
    addLabel(Label::Label3, 14, true, QRect(110, 300, 160, 28), center, ink);
    addLabel(Label::Label1, 48, true, QRect(110, 328, 160, 84), center, ink);
    addLabel(Label::Label4, 14, true, QRect(490, 300, 160, 28), center, ink);
    addLabel(Label::Label2, 48, true, QRect(490, 328, 160, 84), center, ink);

    addLabel(Label::Label5_0, 12, true, QRect(60, 478, 240, 26), left, ink);
    addLabel(Label::lbllRezultat, 24, true, QRect(60, 506, 110, 48), right, ink);
    addLabel(Label::Label6, 24, true, QRect(172, 506, 36, 48), center, ink);
    addLabel(Label::lbllpoeni, 24, true, QRect(210, 506, 60, 48), left, points);

    addLabel(Label::Label5_1, 12, true, QRect(460, 478, 240, 26), left, ink);
    addLabel(Label::lbldRezultat, 24, true, QRect(460, 506, 110, 48), right, ink);
    addLabel(Label::Label10, 24, true, QRect(572, 506, 36, 48), center, ink);
    addLabel(Label::lbldpoeni, 24, true, QRect(610, 506, 60, 48), left, points);
}

void ExerciseWindow::render()
{
    if (!m_drill)
        return;
    const LabelModel &model = m_drill->labels();
    for (Label name : model.labels()) {
        QLabel *widget = label(name);
        if (!widget)
            continue;
        widget->setText(shown(model.text(name)));
        widget->setVisible(model.isVisible(name));
    }
    renderGuide();
}

void ExerciseWindow::renderGuide()
{
    QString text;
    if (m_drill && m_drill->summaryWritten()) {
        text = tr("Result: %1 points, saved in %2")
                   .arg(m_drill->TotalScore())
                   .arg(QDir::toNativeSeparators(context().log.path()));
    } else if (!m_started) {
        text = tr("Press Del or Test > Start, then play the finger shown for each hand");
    }
    if (text != m_guide->text())
        m_guide->setText(text);
    m_guide->setVisible(!text.isEmpty());
}

void ExerciseWindow::place(QWidget *child, const QRect &designed)
{
    m_canvas->place(child, designed);
}

void ExerciseWindow::setDesignedFont(QWidget *child, const QFont &font)
{
    m_canvas->setDesignedFont(child, font);
}

qreal ExerciseWindow::contentScale() const
{
    return m_canvas->scale();
}

void ExerciseWindow::toggleFullScreen()
{
    if (isFullScreen()) {
        if (m_maximizedBefore) {
            showMaximized();
        } else {
            showNormal();
            // Without a window manager nobody else puts the window back.
            setGeometry(m_normalGeometry);
        }
    } else {
        m_maximizedBefore = isMaximized();
        goFullScreen(geometry());
    }
    keepPlacement();
}

void ExerciseWindow::goFullScreen(const QRect &normal)
{
    m_normalGeometry = normal;
    // A window manager makes the window fill the screen; without one (a bare X server in
    // a classroom kiosk) the window has to cover it itself, before it is full screen
    // (a new geometry would end full screen).
    if (QScreen *own = screen())
        setGeometry(own->geometry());
    if (isVisible())
        showFullScreen();
    else
        setWindowState(windowState() | Qt::WindowFullScreen);
}

void ExerciseWindow::takePlacement(const ExerciseWindow &from)
{
    m_maximizedBefore = from.m_maximizedBefore;
    if (from.isFullScreen()) {
        goFullScreen(from.m_normalGeometry);
    } else {
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        restoreGeometry(from.saveGeometry());
    }
}

void ExerciseWindow::keepPlacement()
{
    ComfortSettings *settings = comfort();
    if (!settings)
        return;
    // Full screen, the place to come back to is the one before.
    if (!isFullScreen())
        settings->windowGeometry = saveGeometry();
    settings->fullScreen = isFullScreen();
    if (context().saveComfort)
        context().saveComfort();
}

void ExerciseWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        m_leaveFullScreen->setEnabled(isFullScreen());
}

void ExerciseWindow::openDialog(QDialog *dialog)
{
    ScreenFit::fit(dialog);
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

void ExerciseWindow::warn(const QString &message)
{
    QMessageBox::warning(this, QStringLiteral("Moravel"), message);
}

void ExerciseWindow::showNotice(const QString &message, int milliseconds)
{
    putNotice(message);
    m_noticeTimer->start(milliseconds);
}

void ExerciseWindow::setStandingNotice(const QString &message)
{
    m_standingNotice = message;
    // A short notice on screen keeps its time; the standing one comes after it.
    if (m_noticeTimer && m_noticeTimer->isActive())
        return;
    if (!message.isEmpty())
        putNotice(message);
    else if (m_notice)
        m_notice->hide();
}

void ExerciseWindow::putNotice(const QString &message)
{
    if (!m_notice) {
        m_notice = new QLabel(m_canvas);
        m_notice->setObjectName(QStringLiteral("lblNotice"));
        m_notice->setAlignment(Qt::AlignCenter);
        m_notice->setWordWrap(true);
        m_notice->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_notice->setStyleSheet(QStringLiteral("QLabel { background: %1; color: white; "
                                               "border-radius: 6px; padding: 4px 12px; }")
                                    .arg(Palette::css(Palette::Ink, 215)));
        m_noticeTimer = new QTimer(this);
        m_noticeTimer->setSingleShot(true);
        connect(m_noticeTimer, &QTimer::timeout, this, [this] {
            if (m_standingNotice.isEmpty())
                m_notice->hide();
            else
                putNotice(m_standingNotice);
        });
    }
    m_notice->setText(message);
    // Measured at the designed size, then scaled with the window; a long text takes more
    // lines.
    place(m_notice, QRect(0, 60, ClientWidth, 30));
    const QFontMetrics metrics(font());
    const int width = std::min(metrics.horizontalAdvance(message) + 32, ClientWidth - 40);
    const int height =
        metrics.boundingRect(QRect(0, 0, width - 24, 1000), Qt::TextWordWrap, message).height();
    place(m_notice, QRect((ClientWidth - width) / 2, 60, width, height + 12));
    m_notice->show();
    m_notice->raise();
}

KeyLayout ExerciseWindow::keyLayout() const
{
    const InputPreferences *input = context().input;
    return input ? input->layout : KeyLayout::Keypad;
}

bool ExerciseWindow::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::KeyRelease &&
         type != QEvent::ShortcutOverride) ||
        !watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    if (widget->window() != this)
        return false;

    auto *key = static_cast<QKeyEvent *>(event);
    const quint32 scanCode = m_physicalKeys ? key->nativeScanCode() : 0;
    const KeyLayout layout = keyLayout();
    if (!KeyboardSource::isFingerKey(layout, key->key(), key->modifiers(), scanCode))
        return false;
    if (type == QEvent::ShortcutOverride) {
        // A finger key is never a shortcut, and the Alt key of the laptop layout never
        // arms the menu bar's Alt navigation (which starts from this event).
        event->accept();
        return true;
    }
    m_keyboard.keyEvent(layout, type == QEvent::KeyPress, key->key(), key->modifiers(), scanCode,
                        key->isAutoRepeat(), key->timestamp());
    // Finger keys belong to the drill, not to whatever control has the focus; the right
    // Alt of the laptop layout so never reaches the menu bar either.
    return true;
}

void ExerciseWindow::closeEvent(QCloseEvent *event)
{
    keepPlacement();
    event->accept();
    m_forms.unloadAll(this);
}
