// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/Statistics.h"

#include <QWidget>

#include <functional>
#include <memory>

class QBoxPlotSeries;
class QChart;
class QComboBox;
class QLabel;
class QProgressBar;
class QStackedWidget;
class QTabWidget;
class QTableWidget;

// User > Statistics: what the practice history says, for a player, a period and a kind of
// exercise. The findings in plain words at the top; under them the fingers' reaction
// times and mistakes, the transitions, the progress, the timing of notes played in time
// and the hands' independence. The
// window only shows: the figures come from the compute function it is given.
class StatisticsWindow : public QWidget {
    Q_OBJECT
public:
    using Compute = std::function<StatisticsResult(const HistoryFilter &)>;

    explicit StatisticsWindow(Compute compute, QWidget *parent = nullptr);
    ~StatisticsWindow() override;

    // Whether the compute function runs on a worker thread (it must then be safe there):
    // the window keeps answering and shows that it is busy while a long history is read.
    void setComputeInBackground(bool background) { m_background = background; }
    // Whether a computation is under way.
    bool isBusy() const;

    // The players offered in the filter, and the one chosen at first.
    void setPlayers(const QStringList &players, const QString &current);
    // The kinds of exercise to choose from after "All exercises": each one's id, as the
    // history stores it, and its caption.
    void setExercises(const QList<QPair<QString, QString>> &idsAndCaptions);
    // Computes again with the current filter and shows the result.
    void refresh();
    // What the controls say now.
    HistoryFilter filter() const;

    // The Progress axis over a span of time: the label format and how many ticks, so that
    // no two ticks show the same label.
    struct TimeTicks {
        QString format;
        int count = 0;
    };
    static TimeTicks timeTicks(qint64 spanMs);

private:
    void display(const StatisticsResult &result);
    void showFingers(const StatisticsResult &result);
    void showConfusion(QTableWidget *table, const StatisticsResult::HandFigures &hand);
    void showTransitions(const StatisticsResult &result);
    void showProgress(const StatisticsResult &result);
    void showTogether(const StatisticsResult &result);
    void showTiming(const StatisticsResult &result);
    // "1 thumb" .. "5 little": the heading of a finger's row or column.
    static QString fingerHeader(int finger);

    void setBusy(bool busy);

    Compute m_compute;
    bool m_background = false;
    // What a computation on the worker reports back to; the window leaves it when it goes.
    struct Pending;
    std::shared_ptr<Pending> m_pending;
    QProgressBar *m_busy = nullptr;
    bool m_filling = false;
    QComboBox *m_player = nullptr;
    QComboBox *m_period = nullptr;
    QComboBox *m_kind = nullptr;
    QLabel *m_findings = nullptr;
    QStackedWidget *m_pages = nullptr;
    QTabWidget *m_tabs = nullptr;
    QChart *m_fingerChart = nullptr;
    QTableWidget *m_fingerTable = nullptr;
    QTableWidget *m_confusion[2] = {nullptr, nullptr};
    QTableWidget *m_transitions = nullptr;
    QLabel *m_noTransitions = nullptr;
    QChart *m_progressChart = nullptr;
    QLabel *m_coupling = nullptr;
    QLabel *m_cost[2] = {nullptr, nullptr};
    QLabel *m_noTiming = nullptr;
    QTableWidget *m_timing = nullptr;
    QChart *m_evennessChart = nullptr;
    QTableWidget *m_tempi = nullptr;
};
