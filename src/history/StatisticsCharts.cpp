// SPDX-License-Identifier: GPL-3.0-or-later
// The Statistics window's pages filled from a result: the fingers' chart and table, the
// mistakes, the transitions, the progress chart, the timing and the hands together.
#include "history/StatisticsWindow.h"

#include "frame/Palette.h"
#include "ports/HandNames.h"

#include <QBarCategoryAxis>
#include <QBoxPlotSeries>
#include <QBoxSet>
#include <QChart>
#include <QCoreApplication>
#include <QDateTimeAxis>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QTableWidget>
#include <QValueAxis>

#include <algorithm>
#include <limits>

namespace {

QString ms(const std::optional<double> &value)
{
    return value ? QCoreApplication::translate("StatisticsWindow", "%1 ms").arg(qRound(*value))
                 : QStringLiteral("-");
}

QTableWidgetItem *cell(const QString &text, Qt::Alignment alignment = Qt::AlignCenter)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

// A time axis over the points from `first` to `last` (ms since the epoch), with a margin
// either side; a single exercise still gets a span to stand in. Nothing when there are none.
void spanTimeAxis(QDateTimeAxis *x, qint64 first, qint64 last)
{
    if (first > last)
        return;
    const qint64 margin = std::max<qint64>((last - first) / 12, 60000);
    x->setRange(QDateTime::fromMSecsSinceEpoch(first - margin),
                QDateTime::fromMSecsSinceEpoch(last + margin));
    const StatisticsWindow::TimeTicks ticks =
        StatisticsWindow::timeTicks(last - first + 2 * margin);
    x->setFormat(ticks.format);
    x->setTickCount(ticks.count);
}

// Takes everything off a chart before it is drawn anew.
void clear(QChart *chart)
{
    chart->removeAllSeries();
    for (QAbstractAxis *axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
}

} // namespace

QString StatisticsWindow::fingerHeader(int finger)
{
    return QStringLiteral("%1 %2").arg(finger).arg(HandNames::fingerShort(finger));
}

void StatisticsWindow::showFingers(const StatisticsResult &result)
{
    clear(m_fingerChart);
    auto *series = new QBoxPlotSeries;
    QStringList categories;
    double top = 0;
    // The touch columns show only when some finger played a MIDI keyboard.
    bool touch = false;
    for (Hand h : BothHands) {
        // Each hand's columns: median and wrong side by side, touch at the end.
        const int at = int(handIndex(h));
        for (int f = 0; f < 5; ++f) {
            const StatisticsResult::Finger &finger = result.hand(h).fingers[f];
            touch = touch || finger.velocityMedian;
            m_fingerTable->setItem(f, 4 + at,
                                   cell(finger.velocityMedian
                                            ? QStringLiteral("%1 (%2-%3)")
                                                  .arg(qRound(*finger.velocityMedian))
                                                  .arg(qRound(*finger.velocityLower))
                                                  .arg(qRound(*finger.velocityUpper))
                                            : QStringLiteral("-")));
            m_fingerTable->setItem(f, 2 * at, cell(ms(finger.median)));
            m_fingerTable->setItem(
                f, 2 * at + 1,
                cell(finger.strikes ? QStringLiteral("%1 %").arg(qRound(finger.wrongShare() * 100))
                                    : QStringLiteral("-")));
        }
        // A hand that played keeps a column for every finger, so a finger without right
        // strikes stays in its place, empty, and the others do not shift.
        const auto &fingers = result.hand(h).fingers;
        if (std::none_of(fingers.begin(), fingers.end(), [](const auto &f) { return f.median; }))
            continue;
        for (int f = 0; f < 5; ++f) {
            const StatisticsResult::Finger &finger = fingers[f];
            // Short enough for the narrowest window: "L1" to "R5"; the table names them.
            const QString label = QStringLiteral("%1%2").arg(HandNames::letter(h)).arg(f + 1);
            auto *box = finger.median
                            ? new QBoxSet(*finger.fastest, *finger.lowerQuartile, *finger.median,
                                          *finger.upperQuartile, *finger.slowest, label)
                            : new QBoxSet(label);
            box->setBrush(finger.median ? QBrush(Palette::accent(h).lighter(130))
                                        : QBrush(Qt::NoBrush));
            box->setPen(finger.median ? QPen(Palette::accent(h).darker(130), 1.5)
                                      : QPen(Qt::transparent, 0));
            series->append(box);
            categories << label;
            if (finger.slowest)
                top = std::max(top, *finger.slowest);
        }
    }
    m_fingerTable->setColumnHidden(4, !touch);
    m_fingerTable->setColumnHidden(5, !touch);
    m_fingerChart->addSeries(series);
    auto *x = new QBarCategoryAxis;
    x->append(categories);
    auto *y = new QValueAxis;
    y->setTitleText(tr("Reaction time (ms)"));
    // A plain title fits beside the chart's height in the lowest window.
    QFont title = y->titleFont();
    title.setBold(false);
    y->setTitleFont(title);
    y->setRange(0, std::max(100.0, top * 1.05));
    y->applyNiceNumbers();
    y->setLabelFormat(QStringLiteral("%d"));
    m_fingerChart->addAxis(x, Qt::AlignBottom);
    m_fingerChart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
}

void StatisticsWindow::showConfusion(QTableWidget *t, const StatisticsResult::HandFigures &hand)
{
    for (int e = 0; e < 5; ++e) {
        int row = 0;
        for (int s = 0; s < 5; ++s)
            row += hand.confusion[e][s];
        for (int s = 0; s < 5; ++s) {
            const int count = hand.confusion[e][s];
            QTableWidgetItem *item = cell(QString::number(count));
            const double share = row ? double(count) / row : 0.0;
            // Right strikes in a calm green, a finger taken for another in red: the more
            // often, the stronger.
            QColor shade = e == s ? Palette::RightStrike : Palette::WrongStrike;
            shade.setAlphaF(e == s ? 0.15 + 0.35 * share : std::min(1.0, 0.1 + 1.5 * share));
            if (count > 0)
                item->setBackground(shade);
            if (e != s && share >= 0.2) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            t->setItem(e, s, item);
        }
    }
}

void StatisticsWindow::showTransitions(const StatisticsResult &result)
{
    QList<QPair<Hand, StatisticsResult::Transition>> all;
    for (Hand h : BothHands) {
        for (const StatisticsResult::Transition &t : result.hand(h).transitions)
            all.append({h, t});
    }
    std::sort(all.begin(), all.end(),
              [](const auto &a, const auto &b) { return a.second.medianMs > b.second.medianMs; });
    m_noTransitions->setVisible(all.isEmpty());
    m_transitions->setVisible(!all.isEmpty());
    m_transitions->setRowCount(int(all.size()));
    for (int r = 0; r < all.size(); ++r) {
        const auto &[h, t] = all[r];
        m_transitions->setItem(r, 0, cell(HandNames::side(h)));
        m_transitions->setItem(
            r, 1, cell(QStringLiteral("%1 -> %2").arg(fingerHeader(t.from), fingerHeader(t.to))));
        m_transitions->setItem(r, 2, cell(tr("%1 ms").arg(qRound(t.medianMs))));
        m_transitions->setItem(r, 3, cell(QString::number(t.count)));
    }
}

void StatisticsWindow::showProgress(const StatisticsResult &result)
{
    clear(m_progressChart);
    auto *x = new QDateTimeAxis;
    x->setTitleText(result.hand(Hand::Left).progressByDay ? tr("Day") : tr("Exercise"));
    x->setFormat(QStringLiteral("d MMM"));
    auto *y = new QValueAxis;
    y->setTitleText(tr("Reaction time (ms)"));
    y->setLabelFormat(QStringLiteral("%d"));
    auto *accuracy = new QValueAxis;
    accuracy->setTitleText(tr("Accuracy (%)"));
    accuracy->setRange(0, 100);
    accuracy->setLabelFormat(QStringLiteral("%d"));
    m_progressChart->addAxis(x, Qt::AlignBottom);
    m_progressChart->addAxis(y, Qt::AlignLeft);
    m_progressChart->addAxis(accuracy, Qt::AlignRight);

    qint64 first = std::numeric_limits<qint64>::max(), last = std::numeric_limits<qint64>::min();
    double top = 0;
    for (Hand h : BothHands) {
        const StatisticsResult::HandFigures &hand = result.hand(h);
        auto *speed = new QLineSeries;
        speed->setName(tr("%1 hand, median").arg(HandNames::side(h)));
        speed->setPen(QPen(Palette::accent(h), 2.5));
        speed->setPointsVisible(true);
        auto *right = new QLineSeries;
        right->setName(tr("%1 hand, accuracy").arg(HandNames::side(h)));
        right->setPen(QPen(Palette::accent(h).lighter(140), 1.5, Qt::DashLine));
        right->setPointsVisible(true);
        if (h == Hand::Right) {
            // The hands differ in shape as well as colour: round points left, square right.
            for (QLineSeries *series : {speed, right}) {
                QImage square(9, 9, QImage::Format_ARGB32_Premultiplied);
                square.fill(series->pen().color());
                series->setLightMarker(square);
                series->setMarkerSize(9);
            }
        }
        for (const StatisticsResult::Point &p : hand.progress) {
            const qint64 when = p.when.toMSecsSinceEpoch();
            first = std::min(first, when);
            last = std::max(last, when);
            right->append(double(when), p.accuracy * 100);
            if (p.medianMs) {
                speed->append(double(when), *p.medianMs);
                top = std::max(top, *p.medianMs);
            }
        }
        for (QLineSeries *series : {speed, right}) {
            m_progressChart->addSeries(series);
            series->attachAxis(x);
        }
        speed->attachAxis(y);
        right->attachAxis(accuracy);
        if (hand.trendMsPerWeek) {
            auto *trend = new QLineSeries;
            trend->setName(tr("%1 hand, trend").arg(HandNames::side(h)));
            trend->setPen(QPen(Palette::accent(h).darker(140), 1.5, Qt::DotLine));
            trend->append(double(first), *hand.trendMsAt(first));
            trend->append(double(last), *hand.trendMsAt(last));
            m_progressChart->addSeries(trend);
            trend->attachAxis(x);
            trend->attachAxis(y);
        }
    }
    spanTimeAxis(x, first, last);
    y->setRange(0, std::max(100.0, top * 1.05));
    y->applyNiceNumbers();
}

StatisticsWindow::TimeTicks StatisticsWindow::timeTicks(qint64 spanMs)
{
    // The label's finest unit, by the span: seconds within ten minutes, minutes within
    // two days, days beyond.
    struct Scale {
        qint64 limitMs, unitMs;
        const char *format;
    };
    static const Scale scales[] = {{600000, 1000, "hh:mm:ss"},
                                   {2 * 86400000LL, 60000, "d MMM hh:mm"},
                                   {std::numeric_limits<qint64>::max(), 86400000, "d MMM"}};
    const Scale *scale = scales;
    while (spanMs >= scale->limitMs)
        ++scale;
    // Ticks at least one unit apart never show the same label twice.
    const int count = int(std::clamp<qint64>(spanMs / scale->unitMs + 1, 2, 6));
    return {QString::fromLatin1(scale->format), count};
}

void StatisticsWindow::showTogether(const StatisticsResult &result)
{
    m_coupling->setText(result.coupling ? QString::number(qRound(*result.coupling))
                                        : QStringLiteral("-"));
    for (Hand h : BothHands) {
        const auto &cost = result.hand(h).twoHandCost;
        QLabel *figure = m_cost[handIndex(h)];
        figure->setText(cost ? QStringLiteral("%1 %").arg(qRound(*cost)) : QStringLiteral("-"));
        figure->setToolTip(result.hand(h).twoHandCostFromOneHand
                               ? tr("Against this hand's one-hand exercises")
                               : tr("Against tasks while the other hand was idle"));
    }
}

void StatisticsWindow::showTiming(const StatisticsResult &result)
{
    const bool any = result.timedNotes > 0;
    m_noTiming->setVisible(!any);
    // A deviation with its sign: +12 ms late, -8 ms early.
    const auto signedMs = [](const std::optional<double> &value) {
        return value
                   ? tr("%1 ms").arg(QStringLiteral("%1%2")
                                         .arg(qRound(*value) > 0 ? QStringLiteral("+") : QString())
                                         .arg(qRound(*value)))
                   : QStringLiteral("-");
    };
    bool touched = false;
    for (Hand h : BothHands) {
        const int at = 4 * int(handIndex(h));
        const StatisticsResult::HandTiming &hand = result.timingOf(h);
        for (int f = 0; f <= 5; ++f) {
            const StatisticsResult::Timing &t = f < 5 ? hand.fingers[f] : hand.all;
            const std::optional<double> right = t.rightShare();
            m_timing->setItem(f, at, cell(signedMs(t.meanMs)));
            m_timing->setItem(f, at + 1, cell(ms(t.spreadMs)));
            m_timing->setItem(f, at + 2,
                              cell(right ? QStringLiteral("%1 %").arg(qRound(*right * 100))
                                         : QStringLiteral("-")));
            m_timing->setItem(f, at + 3, cell(signedMs(t.silentMeanMs)));
            m_timing->setItem(f, 8 + int(handIndex(h)),
                              cell(t.touchVariation
                                       ? QStringLiteral("%1 %").arg(qRound(*t.touchVariation))
                                       : QStringLiteral("-")));
            touched = touched || t.touchVariation;
        }
    }
    for (int c : {8, 9})
        m_timing->setColumnHidden(c, !touched);

    clear(m_evennessChart);
    auto *x = new QDateTimeAxis;
    x->setTitleText(result.hand(Hand::Left).progressByDay ? tr("Day") : tr("Exercise"));
    auto *y = new QValueAxis;
    y->setTitleText(tr("Variation (%)"));
    y->setLabelFormat(QStringLiteral("%d"));
    m_evennessChart->addAxis(x, Qt::AlignBottom);
    m_evennessChart->addAxis(y, Qt::AlignLeft);
    qint64 first = std::numeric_limits<qint64>::max(), last = std::numeric_limits<qint64>::min();
    double top = 0;
    for (Hand h : BothHands) {
        auto *series = new QLineSeries;
        series->setName(HandNames::hand(h));
        series->setPen(
            QPen(Palette::accent(h), 2.5, h == Hand::Left ? Qt::SolidLine : Qt::DashLine));
        series->setPointsVisible(true);
        for (const StatisticsResult::EvennessPoint &p : result.timingOf(h).evennessOverTime) {
            const qint64 when = p.when.toMSecsSinceEpoch();
            first = std::min(first, when);
            last = std::max(last, when);
            top = std::max(top, p.percent);
            series->append(double(when), p.percent);
        }
        m_evennessChart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    }
    spanTimeAxis(x, first, last);
    y->setRange(0, std::max(10.0, top * 1.1));
    y->applyNiceNumbers();

    m_tempi->setRowCount(int(result.tempi.size()));
    for (int r = 0; r < result.tempi.size(); ++r) {
        const StatisticsResult::Tempo &tempo = result.tempi[r];
        m_tempi->setItem(r, 0, cell(tempo.figure));
        m_tempi->setItem(r, 1, cell(QString::number(tempo.exercises)));
        m_tempi->setItem(
            r, 2,
            cell(tempo.bestCleanBpm ? tr("%1 bpm").arg(*tempo.bestCleanBpm) : QStringLiteral("-")));
    }
}
