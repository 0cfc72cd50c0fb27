// SPDX-License-Identifier: GPL-3.0-or-later
#include "rhythm/CalibrationDialog.h"

#include "ports/ClickTrack.h"
#include "ports/Clock.h"
#include "ports/Ticker.h"
#include "rhythm/ClickCalibration.h"
#include "settings/ComfortSettings.h"

#include <QApplication>
#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <cmath>

CalibrationDialog::CalibrationDialog(ClickTrack *clicks, const Clock &clock,
                                     std::unique_ptr<Ticker> pace, KeyLayout layout, int inUseMs,
                                     std::function<void(int)> keep, QWidget *parent)
    : OkCancelDialog(tr("Calibrate the metronome"), parent), m_clicks(clicks), m_clock(clock),
      m_pace(std::move(pace)), m_layout(layout), m_keyboard(clock), m_inUseMs(inUseMs),
      m_keep(std::move(keep))
{
    setObjectName(QStringLiteral("frmCalibrate"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *intro = new QLabel(
        tr("Headphones and loudspeakers can sound later than the program sends the clicks. "
           "Press Start: %1 clicks count you in, then tap any finger key along with the next "
           "%2 clicks, just as you hear them. The median of how late your taps come is the "
           "offset; the clicks are then sent that much earlier.")
            .arg(ClickCalibration::CountInClicks)
            .arg(ClickCalibration::TapClicks),
        this);
    intro->setWordWrap(true);
    intro->setMinimumWidth(440);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblCalibration"));
    m_status->setWordWrap(true);
    QFont bold = m_status->font();
    bold.setBold(true);
    m_status->setFont(bold);
    // Room for the longest message, so the dialog does not jump as the texts change.
    m_status->setMinimumHeight(m_status->fontMetrics().lineSpacing() * 3);
    m_inUse = new QLabel(this);
    m_inUse->setObjectName(QStringLiteral("lblOffsetInUse"));

    m_start = new QPushButton(tr("&Start"), this);
    m_start->setObjectName(QStringLiteral("cmdStart"));
    m_reset = new QPushButton(tr("&Reset to 0 ms"), this);
    m_reset->setObjectName(QStringLiteral("cmdReset"));
    connect(m_start, &QPushButton::clicked, this, [this] { startButton_Click(); });
    connect(m_reset, &QPushButton::clicked, this, [this] { resetButton_Click(); });
    auto *row = new QHBoxLayout;
    row->addWidget(m_start);
    row->addWidget(m_reset);
    row->addStretch();

    content()->addWidget(intro);
    content()->addSpacing(8);
    content()->addLayout(row);
    content()->addWidget(m_status);
    content()->addWidget(m_inUse);
    offerOk(false);
    m_start->setFocus();
    showInUse();
    if (!m_clicks) {
        showNoOutput();
    } else {
        m_status->setText(tr("Press Start when you are ready."));
    }

    m_pace->setInterval(RefreshMs);
    m_pace->setCallback([this] { refresh(); });
    m_keyboard.setSink([this](const FingerStrike &strike) { tap(strike); });
    // As the exercise windows read keys: the physical key where the platform gives it.
    const QString platform = QGuiApplication::platformName();
    m_physicalKeys =
        platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
    // The dialog sees key events before any of its controls: Space is a thumb, not a click
    // of the focused button.
    qApp->installEventFilter(this);
    // As tall as the wrapped intro needs at this width.
    adjustSize();
}

CalibrationDialog::~CalibrationDialog()
{
    qApp->removeEventFilter(this);
    m_pace->setCallback({});
    endRun();
}

void CalibrationDialog::startButton_Click()
{
    if (!m_clicks)
        return;
    endRun();
    if (!m_clicks->isRunning()) {
        if (!m_clicks->start()) {
            showNoOutput();
            return;
        }
        m_openedTrack = true;
    }
    // Measured against the output itself: the offset in use comes back at the end.
    m_clicks->setLatencyOffsetMs(0);
    m_clicks->clear();
    m_plan = ClickCalibration::plan(m_clock.monotonicNs() + qint64(LeadMs) * 1'000'000);
    for (int i = 0; i < m_plan.size(); ++i)
        m_clicks->schedule(m_plan[i], i == 0 || i == ClickCalibration::CountInClicks);
    m_taps.clear();
    m_proposalMs.reset();
    offerOk(false);
    m_running = true;
    m_start->setText(tr("&Start again"));
    m_pace->start();
    refresh();
}

void CalibrationDialog::resetButton_Click()
{
    endRun();
    m_proposalMs = 0;
    offerOk(true);
    m_status->setText(tr("OK sets the offset back to 0 ms."));
}

void CalibrationDialog::OKButton_Click()
{
    endRun();
    if (m_proposalMs) {
        m_inUseMs = std::clamp(*m_proposalMs, -ComfortSettings::MaxClickOffsetMs,
                               ComfortSettings::MaxClickOffsetMs);
        if (m_clicks)
            m_clicks->setLatencyOffsetMs(m_inUseMs);
        if (m_keep)
            m_keep(m_inUseMs);
    }
    accept();
}

bool CalibrationDialog::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::WindowDeactivate && watched == this) {
        // The releases of keys held now go to another window.
        m_keyboard.clear();
        return false;
    }
    if ((type != QEvent::KeyPress && type != QEvent::KeyRelease &&
         type != QEvent::ShortcutOverride) ||
        !watched->isWidgetType() || static_cast<QWidget *>(watched)->window() != this)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const quint32 scanCode = m_physicalKeys ? key->nativeScanCode() : 0;
    if (!KeyboardSource::isFingerKey(m_layout, key->key(), key->modifiers(), scanCode))
        return false;
    if (type == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    m_keyboard.keyEvent(m_layout, type == QEvent::KeyPress, key->key(), key->modifiers(), scanCode,
                        key->isAutoRepeat(), key->timestamp());
    return true;
}

void CalibrationDialog::tap(const FingerStrike &strike)
{
    if (!m_running)
        return;
    // When the key went down, as the rhythm drill judges it.
    m_taps.append(strike.pressNs >= 0 ? strike.pressNs : strike.timeNs);
    refresh();
}

void CalibrationDialog::refresh()
{
    if (!m_running)
        return;
    const qint64 now = m_clock.monotonicNs();
    // A beat after the last click no tap belongs to it any more.
    if (now >= m_plan.last() + ClickCalibration::BeatNs) {
        finish();
        return;
    }
    const qsizetype heard = std::upper_bound(m_plan.begin(), m_plan.end(), now) - m_plan.begin();
    if (heard == 0)
        m_status->setText(tr("Listen..."));
    else if (heard <= ClickCalibration::CountInClicks)
        m_status->setText(tr("Listen: %1 of %2").arg(heard).arg(ClickCalibration::CountInClicks));
    else
        m_status->setText(tr("Tap along: %1 of %2 (taps so far: %3)")
                              .arg(heard - ClickCalibration::CountInClicks)
                              .arg(ClickCalibration::TapClicks)
                              .arg(m_taps.size()));
}

void CalibrationDialog::finish()
{
    QList<qint64> left;
    for (int i = 0; i < m_plan.size(); ++i) {
        if (!ClickCalibration::isTapClick(i))
            continue;
        if (const std::optional<ClickTrack::Placed> click = m_clicks->placed(m_plan[i]))
            left.append(click->leftNs);
    }
    endRun();
    const ClickCalibration::Result result = ClickCalibration::measure(left, m_taps, m_inUseMs);
    if (!result.measuredMs) {
        m_status->setText(tr("Only %1 taps came near a click; %2 are needed. The offset stays "
                             "at %3 ms. Press Start to try again.")
                              .arg(result.usedTaps)
                              .arg(ClickCalibration::LeastTaps)
                              .arg(m_inUseMs));
        return;
    }
    m_proposalMs = int(std::lround(*result.measuredMs));
    offerOk(true);
    m_status->setText(tr("Offset found: %1 ms, from %2 taps (%3 too far from a click). OK "
                         "keeps it.")
                          .arg(*m_proposalMs)
                          .arg(result.usedTaps)
                          .arg(result.ignoredTaps));
}

void CalibrationDialog::endRun()
{
    if (!m_running)
        return;
    m_running = false;
    m_pace->stop();
    m_clicks->clear();
    m_clicks->setLatencyOffsetMs(m_inUseMs);
    if (m_openedTrack)
        m_clicks->stop();
    m_openedTrack = false;
}

void CalibrationDialog::offerOk(bool offered)
{
    // Enter keeps an offset once there is one, and starts the taps until then.
    OKButton()->setEnabled(offered);
    OKButton()->setDefault(offered);
    m_start->setDefault(!offered);
    // The focused button takes Enter before the default one.
    if (offered)
        OKButton()->setFocus();
}

void CalibrationDialog::showNoOutput()
{
    m_status->setText(tr("There is no sound output, so there are no clicks to tap along with."));
    m_start->setEnabled(false);
}

void CalibrationDialog::showInUse()
{
    m_inUse->setText(tr("Offset in use: %1 ms").arg(m_inUseMs));
}
