// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/StatisticsWindow.h"

#include "frame/AccessibleName.h"
#include "ports/HandNames.h"

#include <QBoxLayout>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QPointer>
#include <QProgressBar>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QThreadPool>

#include <algorithm>

namespace {

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
    // The kinds of exercise come with setExercises.
    m_kind = combo(QStringLiteral("cboKind"), tr("E&xercise:"), {tr("All exercises")});
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

    // Timing: notes played in time, how far from the grid each finger comes.
    auto *timing = new QWidget(m_tabs);
    auto *timingLayout = new QVBoxLayout(timing);
    m_noTiming = explanation(tr("Rhythm exercises show here how far from the beat each "
                                "finger plays, how even the notes are, and the fastest "
                                "tempo of each figure played clean."),
                             timing);
    timingLayout->addWidget(m_noTiming);
    m_timing = table(QStringLiteral("tblTiming"), 6, 10, timing);
    QStringList timingHeaders;
    for (Hand h : BothHands)
        timingHeaders << tr("%1 offset").arg(HandNames::side(h))
                      << tr("%1 spread").arg(HandNames::side(h))
                      << tr("%1 in time").arg(HandNames::side(h))
                      << tr("%1 silent bars").arg(HandNames::side(h));
    // The touch of a MIDI keyboard last, shown only where there is one.
    for (Hand h : BothHands)
        timingHeaders << tr("%1 touch varies").arg(HandNames::side(h));
    m_timing->setHorizontalHeaderLabels(timingHeaders);
    m_timing->horizontalHeaderItem(0)->setToolTip(
        tr("How far from the beat the finger's notes came on average, with the click: "
           "negative early, positive late"));
    m_timing->horizontalHeaderItem(1)->setToolTip(
        tr("The standard deviation of the finger's timing: the smaller, the steadier"));
    m_timing->horizontalHeaderItem(3)->setToolTip(
        tr("How far from the beat the notes came on average in bars without the click"));
    m_timing->horizontalHeaderItem(8)->setToolTip(
        tr("How much the MIDI velocities of the finger's notes vary: the smaller, the more "
           "even the touch"));
    for (int c = 0; c < 4; ++c)
        m_timing->horizontalHeaderItem(4 + c)->setToolTip(
            m_timing->horizontalHeaderItem(c)->toolTip());
    m_timing->horizontalHeaderItem(9)->setToolTip(m_timing->horizontalHeaderItem(8)->toolTip());
    m_timing->setVerticalHeaderLabels(rows + QStringList{tr("All")});
    m_timing->verticalHeader()->setDefaultSectionSize(row);
    m_timing->setMaximumHeight(m_timing->horizontalHeader()->sizeHint().height() + 6 * row +
                               2 * m_timing->frameWidth());
    timingLayout->addWidget(m_timing);
    m_evennessChart = new QChart;
    m_evennessChart->setTitle(tr("Evenness: how much the intervals between notes vary"));
    m_evennessChart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    timingLayout->addWidget(chartView(m_evennessChart, timing), 1);
    m_tempi = table(QStringLiteral("tblTempi"), 0, 3, timing);
    m_tempi->setHorizontalHeaderLabels({tr("Figure"), tr("Exercises"), tr("Best clean tempo")});
    m_tempi->verticalHeader()->hide();
    m_tempi->verticalHeader()->setDefaultSectionSize(row);
    m_tempi->setMaximumHeight(m_tempi->horizontalHeader()->sizeHint().height() + 4 * row +
                              2 * m_tempi->frameWidth());
    timingLayout->addWidget(m_tempi);
    m_tabs->addTab(timing, tr("T&iming"));
    nameAfterCaption(m_timing, tr("T&iming"));

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

void StatisticsWindow::setExercises(const QList<QPair<QString, QString>> &idsAndCaptions)
{
    m_filling = true;
    while (m_kind->count() > 1)
        m_kind->removeItem(1);
    for (const auto &[id, caption] : idsAndCaptions)
        m_kind->addItem(caption, id);
    m_filling = false;
}

HistoryFilter StatisticsWindow::filter() const
{
    static const HistoryFilter::Period periods[] = {
        HistoryFilter::Period::LastExercise, HistoryFilter::Period::Week,
        HistoryFilter::Period::Month, HistoryFilter::Period::All};
    HistoryFilter f;
    f.player = m_player->currentIndex() > 0 ? m_player->currentText() : QString();
    f.period = periods[qBound(0, m_period->currentIndex(), 3)];
    f.kind = m_kind->currentData().toString();
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
    showTiming(result);
}
