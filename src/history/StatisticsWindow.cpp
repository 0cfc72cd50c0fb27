// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/StatisticsWindow.h"

#include "frame/AccessibleName.h"
#include "frame/Palette.h"
#include "ports/HandNames.h"

#include <QBarCategoryAxis>
#include <QBoxLayout>
#include <QBoxPlotSeries>
#include <QBoxSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTimeAxis>
#include <QGridLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QPointer>
#include <QProgressBar>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QThreadPool>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

QString fingerHeader(int finger)
{
    return QStringLiteral("%1 %2").arg(finger).arg(HandNames::fingerShort(finger));
}

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

QTableWidget *table(const QString &name, int rows, int columns, QWidget *parent)
{
    auto *t = new QTableWidget(rows, columns, parent);
    t->setObjectName(name);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setFocusPolicy(Qt::NoFocus);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    return t;
}

QChartView *chartView(QChart *chart, QWidget *parent)
{
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setMargins(QMargins(4, 4, 4, 4));
    auto *view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(160);
    return view;
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

QLabel *bigFigure(const QString &name, QWidget *parent)
{
    auto *label = new QLabel(QStringLiteral("-"), parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setPointSize(28);
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLabel *explanation(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

StatisticsWindow::StatisticsWindow(Compute compute, QWidget *parent)
    : QWidget(parent, Qt::Window), m_compute(std::move(compute))
{
    setObjectName(QStringLiteral("Statistics"));
    setWindowTitle(tr("Statistics"));
    // As large as it was designed, but never larger than the screen (1024 x 600 netbooks),
    // with room left for a title bar.
    const QRect screen = this->screen()->availableGeometry();
    resize(std::min(900, screen.width()), std::min(680, screen.height() - 40));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    auto *filters = new QHBoxLayout;
    const auto combo = [this, filters](const QString &name, const QString &caption,
                                       const QStringList &items) {
        auto *label = new QLabel(caption, this);
        auto *box = new QComboBox(this);
        box->setObjectName(name);
        box->addItems(items);
        label->setBuddy(box);
        nameAfterCaption(box, caption);
        filters->addWidget(label);
        filters->addWidget(box);
        filters->addSpacing(12);
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            if (!m_filling)
                refresh();
        });
        return box;
    };
    m_player = combo(QStringLiteral("cboPlayer"), tr("&Player:"), {tr("All players")});
    m_period = combo(QStringLiteral("cboPeriod"), tr("P&eriod:"),
                     {tr("Last exercise"), tr("Last 7 days"), tr("Last 30 days"), tr("All")});
    m_kind = combo(QStringLiteral("cboKind"), tr("E&xercise:"),
                   {tr("All exercises"), tr("Random"), tr("Sequential"), tr("Memory"),
                    tr("Preschool"), tr("Adaptive")});
    m_filling = true;
    m_period->setCurrentIndex(2);
    m_filling = false;
    filters->addStretch();
    m_busy = new QProgressBar(this);
    m_busy->setObjectName(QStringLiteral("busy"));
    m_busy->setRange(0, 0); // moving, without a figure
    m_busy->setMaximumWidth(120);
    m_busy->setTextVisible(false);
    m_busy->setAccessibleName(tr("Reading the practice history"));
    m_busy->setToolTip(m_busy->accessibleName());
    m_busy->hide();
    filters->addWidget(m_busy);
    layout->addLayout(filters);

    m_findings = new QLabel(this);
    m_findings->setObjectName(QStringLiteral("lblFindings"));
    m_findings->setWordWrap(true);
    m_findings->setTextFormat(Qt::RichText);
    m_findings->setContentsMargins(4, 8, 4, 8);
    layout->addWidget(m_findings);

    m_pages = new QStackedWidget(this);
    layout->addWidget(m_pages, 1);
    auto *empty =
        new QLabel(tr("<h2>Nothing practised yet</h2>"
                      "<p>Once you have played an exercise, this window shows which finger of "
                      "each hand is slow or often wrong, which finger is taken for which, how "
                      "your speed and accuracy change from one exercise to the next, and how "
                      "independently your two hands work.</p>"
                      "<p>Choose <b>Test &gt; Start</b> in an exercise window to begin; every "
                      "strike is kept.</p>"),
                   m_pages);
    empty->setObjectName(QStringLiteral("lblEmpty"));
    empty->setWordWrap(true);
    empty->setAlignment(Qt::AlignCenter);
    empty->setMargin(40);
    m_pages->addWidget(empty);
    auto *nothingChosen =
        new QLabel(tr("<h2>Nothing to show for this choice</h2>"
                      "<p>The player, period and exercise chosen above leave no strikes. "
                      "Choose another player, a longer period or all exercises.</p>"),
                   m_pages);
    nothingChosen->setObjectName(QStringLiteral("lblNothingChosen"));
    nothingChosen->setWordWrap(true);
    nothingChosen->setAlignment(Qt::AlignCenter);
    nothingChosen->setMargin(40);
    m_pages->addWidget(nothingChosen);

    m_tabs = new QTabWidget(m_pages);
    m_tabs->setObjectName(QStringLiteral("tabs"));
    m_pages->addWidget(m_tabs);

    // Fingers: the spread of each finger's reaction times, and its mistakes.
    auto *fingers = new QWidget(m_tabs);
    auto *fingersLayout = new QVBoxLayout(fingers);
    m_fingerChart = new QChart;
    m_fingerChart->setTitle(tr("Reaction time of each finger: median and middle half"));
    m_fingerChart->legend()->hide();
    fingersLayout->addWidget(chartView(m_fingerChart, fingers), 1);
    m_fingerTable = table(QStringLiteral("tblFingers"), 5, 6, fingers);
    m_fingerTable->setHorizontalHeaderLabels({tr("Left median"), tr("Left wrong"),
                                              tr("Right median"), tr("Right wrong"),
                                              tr("Left touch"), tr("Right touch")});
    m_fingerTable->horizontalHeaderItem(4)->setToolTip(
        tr("MIDI velocity of the finger's strikes: median (middle half); the narrower the "
           "middle half, the more even the touch"));
    m_fingerTable->horizontalHeaderItem(5)->setToolTip(
        m_fingerTable->horizontalHeaderItem(4)->toolTip());
    QStringList rows;
    for (int f = 1; f <= 5; ++f)
        rows << QStringLiteral("%1 %2").arg(f).arg(HandNames::finger(f));
    m_fingerTable->setVerticalHeaderLabels(rows);
    // Rows as tall as their text, so the chart keeps its room on a low screen.
    const int row = m_fingerTable->fontMetrics().height() + 8;
    m_fingerTable->verticalHeader()->setDefaultSectionSize(row);
    m_fingerTable->setMaximumHeight(m_fingerTable->horizontalHeader()->sizeHint().height() +
                                    5 * row + 2 * m_fingerTable->frameWidth());
    fingersLayout->addWidget(m_fingerTable);
    m_tabs->addTab(fingers, tr("&Fingers"));
    nameAfterCaption(m_fingerTable, tr("&Fingers"));

    // Mistakes: the finger asked for against the finger that struck.
    auto *mistakes = new QWidget(m_tabs);
    auto *mistakesLayout = new QGridLayout(mistakes);
    QStringList headers;
    for (int f = 1; f <= 5; ++f)
        headers << fingerHeader(f);
    for (Hand h : BothHands) {
        const int at = int(handIndex(h));
        auto *title = new QLabel(tr("<b>%1 hand</b>: the finger asked for (rows) and "
                                    "the finger that struck (columns)")
                                     .arg(HandNames::side(h)),
                                 mistakes);
        title->setWordWrap(true);
        mistakesLayout->addWidget(title, 0, at);
        m_confusion[at] = table(h == Hand::Left ? QStringLiteral("tblConfusionLeft")
                                                : QStringLiteral("tblConfusionRight"),
                                5, 5, mistakes);
        m_confusion[at]->setHorizontalHeaderLabels(headers);
        m_confusion[at]->setVerticalHeaderLabels(headers);
        m_confusion[at]->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        mistakesLayout->addWidget(m_confusion[at], 1, at);
        // A screen reader finds the table by the title over it.
        title->setBuddy(m_confusion[at]);
        nameAfterCaption(
            m_confusion[at],
            QString(title->text()).remove(QStringLiteral("<b>")).remove(QStringLiteral("</b>")));
    }
    m_tabs->addTab(mistakes, tr("&Mistakes"));

    // Transitions: one finger to the next.
    auto *transitions = new QWidget(m_tabs);
    auto *transitionsLayout = new QVBoxLayout(transitions);
    m_noTransitions = explanation(tr("Sequential and memory exercises show how long "
                                     "each step from one finger to the next takes."),
                                  transitions);
    transitionsLayout->addWidget(m_noTransitions);
    m_transitions = table(QStringLiteral("tblTransitions"), 0, 4, transitions);
    m_transitions->setHorizontalHeaderLabels(
        {tr("Hand"), tr("From -> to"), tr("Median"), tr("Steps")});
    m_transitions->verticalHeader()->hide();
    transitionsLayout->addWidget(m_transitions, 1);
    m_tabs->addTab(transitions, tr("&Transitions"));
    nameAfterCaption(m_transitions, tr("&Transitions"));

    // Progress: each hand's speed and accuracy over time.
    m_progressChart = new QChart;
    m_progressChart->setTitle(tr("Progress"));
    // Each line's marker drawn as the line itself: solid median, dashed accuracy.
    m_progressChart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    m_tabs->addTab(chartView(m_progressChart, m_tabs), tr("P&rogress"));

    // Hands together: how independent the two hands are.
    auto *together = new QWidget(m_tabs);
    auto *togetherLayout = new QGridLayout(together);
    togetherLayout->setContentsMargins(24, 24, 24, 24);
    togetherLayout->setVerticalSpacing(8);
    m_coupling = bigFigure(QStringLiteral("lblCoupling"), together);
    togetherLayout->addWidget(new QLabel(tr("<b>Coupling</b>"), together), 0, 0);
    togetherLayout->addWidget(m_coupling, 1, 0);
    togetherLayout->addWidget(
        explanation(tr("How often the two hands strike within 50 ms of each other, "
                       "against chance. 100 means the hands strike together no more "
                       "often than chance; 0 means they always strike together."),
                    together),
        2, 0, 1, 2);
    for (Hand h : BothHands) {
        const int at = int(handIndex(h));
        m_cost[at] = bigFigure(h == Hand::Left ? QStringLiteral("lblCostLeft")
                                               : QStringLiteral("lblCostRight"),
                               together);
        auto *heading = new QLabel(
            tr("<b>Two-hand cost, %1 hand</b>").arg(HandNames::sideInSentence(h)), together);
        heading->setContentsMargins(0, 24, 0, 0);
        togetherLayout->addWidget(heading, 3, at);
        togetherLayout->addWidget(m_cost[at], 4, at);
    }
    togetherLayout->addWidget(
        explanation(tr("A hand's median reaction on tasks that come while the other "
                       "hand is busy too, against tasks that come while it is idle. "
                       "100 % means no cost; 120 % means a fifth slower. It needs at "
                       "least ten tasks of each kind, which the preschool game's "
                       "pauses give."),
                    together),
        5, 0, 1, 2);
    togetherLayout->setRowStretch(6, 1);
    m_tabs->addTab(together, tr("&Hands together"));

    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void StatisticsWindow::setPlayers(const QStringList &players, const QString &current)
{
    // Filling the list is not a choice of the player's: one refresh afterwards will do.
    m_filling = true;
    m_player->clear();
    m_player->addItem(tr("All players"));
    m_player->addItems(players);
    const int at = int(players.indexOf(current));
    m_player->setCurrentIndex(at < 0 ? 0 : at + 1);
    m_filling = false;
}

HistoryFilter StatisticsWindow::filter() const
{
    static const HistoryFilter::Period periods[] = {
        HistoryFilter::Period::LastExercise, HistoryFilter::Period::Week,
        HistoryFilter::Period::Month, HistoryFilter::Period::All};
    static const char *kinds[] = {"", "random", "sequential", "memory", "preschool", "adaptive"};
    HistoryFilter f;
    f.player = m_player->currentIndex() > 0 ? m_player->currentText() : QString();
    f.period = periods[qBound(0, m_period->currentIndex(), 3)];
    f.kind = QString::fromLatin1(kinds[qBound(0, m_kind->currentIndex(), 5)]);
    return f;
}

struct StatisticsWindow::Pending {
    StatisticsWindow *window = nullptr; // touched only on the window's thread
    int generation = 0;                 // the latest computation asked for
};

StatisticsWindow::~StatisticsWindow()
{
    if (m_pending)
        m_pending->window = nullptr;
}

bool StatisticsWindow::isBusy() const
{
    return m_busy && !m_busy->isHidden();
}

void StatisticsWindow::setBusy(bool busy)
{
    m_busy->setVisible(busy);
    if (busy)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
}

void StatisticsWindow::refresh()
{
    if (!m_compute)
        return;
    if (!m_background) {
        display(m_compute(filter()));
        return;
    }
    // The latest choice wins: an earlier computation still running is shown no more.
    if (!m_pending) {
        m_pending = std::make_shared<Pending>();
        m_pending->window = this;
    }
    const int generation = ++m_pending->generation;
    setBusy(true);
    // A pool of our own: Qt's global one also draws the window (the raster engine hands it
    // parts of a paint and waits for them), so a long computation there would freeze the
    // very window it keeps answering. The pool belongs to the application, which waits for
    // it before it ends, so a computation never outlives the connections it reads
    // through. A computation asked for earlier and not yet begun is not begun at all.
    static QThreadPool *pool = [] {
        auto *p = new QThreadPool(QCoreApplication::instance());
        p->setMaxThreadCount(1);
        return p;
    }();
    pool->clear();
    pool->start([compute = m_compute, filter = filter(), pending = m_pending, generation] {
        StatisticsResult result = compute(filter);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [pending, generation, result = std::move(result)] {
                StatisticsWindow *window = pending->window;
                if (!window || generation != pending->generation)
                    return;
                window->setBusy(false);
                window->display(result);
            },
            Qt::QueuedConnection);
    });
}

void StatisticsWindow::display(const StatisticsResult &result)
{
    if (result.empty) {
        m_findings->setText(QString());
        m_findings->hide();
        // Someone has practised (there are players to choose) when only the filter is empty.
        m_pages->setCurrentIndex(m_player->count() > 1 ? 1 : 0);
        return;
    }
    QString findings = tr("<b>%1 %2, %3 strikes</b><ul style=\"margin-top:4px\">")
                           .arg(result.exercises)
                           .arg(result.exercises == 1 ? tr("exercise") : tr("exercises"))
                           .arg(result.strikes);
    for (const QString &finding : result.findings)
        findings += QStringLiteral("<li>%1</li>").arg(finding.toHtmlEscaped());
    m_findings->setText(findings + QStringLiteral("</ul>"));
    m_findings->show();
    m_pages->setCurrentWidget(m_tabs);
    showFingers(result);
    for (Hand h : BothHands)
        showConfusion(m_confusion[handIndex(h)], result.hand(h));
    showTransitions(result);
    showProgress(result);
    showTogether(result);
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
    if (first <= last) {
        // A single exercise still gets a span to stand in.
        const qint64 margin = std::max<qint64>((last - first) / 12, 60000);
        x->setRange(QDateTime::fromMSecsSinceEpoch(first - margin),
                    QDateTime::fromMSecsSinceEpoch(last + margin));
        const qint64 span = last - first + 2 * margin;
        const TimeTicks ticks = timeTicks(span);
        x->setFormat(ticks.format);
        x->setTickCount(ticks.count);
    }
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
