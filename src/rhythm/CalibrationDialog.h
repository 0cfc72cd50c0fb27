// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/OkCancelDialog.h"
#include "input/KeyboardSource.h"

#include <QList>

#include <functional>
#include <memory>
#include <optional>

class ClickTrack;
class Clock;
class QLabel;
class QPushButton;
class Ticker;

// Options > Calibrate the metronome: the player taps any finger key along with the clicks
// (ClickCalibration has the count and the arithmetic), and the dialog shows the latency
// offset found. While it measures, the click track plays with no offset, so that each
// click's time is when it left for the speaker; afterwards the track has the offset in use
// again. OK keeps the offset found (or 0, after Reset) and the track gets it at once;
// Cancel leaves the one in use. Without a sound output there is nothing to tap along with,
// and the dialog says so.
class CalibrationDialog : public OkCancelDialog {
    Q_OBJECT
public:
    // From Start to the first click: time for a stream just opened to learn its clock.
    static constexpr int LeadMs = 1000;
    // How often the dialog follows the clicks.
    static constexpr int RefreshMs = 50;

    // `clicks` may be null (no sound output); `keep` keeps an offset for this and later
    // runs.
    CalibrationDialog(ClickTrack *clicks, const Clock &clock, std::unique_ptr<Ticker> pace,
                      KeyLayout layout, int inUseMs, std::function<void(int)> keep,
                      QWidget *parent = nullptr);
    ~CalibrationDialog() override;

    QPushButton *startButton() const { return m_start; }
    QPushButton *resetButton() const { return m_reset; }
    QLabel *statusLabel() const { return m_status; }

    void startButton_Click();
    void resetButton_Click();
    void OKButton_Click() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void tap(const FingerStrike &strike);
    // One step of the pace timer: the count shown, and the result once the clicks are over.
    void refresh();
    void finish();
    // The click track as it was before Start: the offset in use, and closed if it was.
    void endRun();
    void offerOk(bool offered);
    void showNoOutput();
    void showInUse();

    ClickTrack *m_clicks;
    const Clock &m_clock;
    std::unique_ptr<Ticker> m_pace;
    KeyLayout m_layout;
    KeyboardSource m_keyboard;
    bool m_physicalKeys = false;
    int m_inUseMs;
    std::function<void(int)> m_keep;

    bool m_running = false;
    // Whether Start opened the output, so that the end closes it again.
    bool m_openedTrack = false;
    QList<qint64> m_plan;
    QList<qint64> m_taps;
    // What OK would keep.
    std::optional<int> m_proposalMs;

    QLabel *m_status = nullptr;
    QLabel *m_inUse = nullptr;
    QPushButton *m_start = nullptr;
    QPushButton *m_reset = nullptr;
};
