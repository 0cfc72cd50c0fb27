// SPDX-License-Identifier: GPL-3.0-or-later
// The Statistics window: an explanation instead of empty charts, the figures it is given,
// and the filter its controls make.
#include "app/WindowCatalog.h"
#include "history/StatisticsWindow.h"

#include <QApplication>
#include <QBoxPlotSeries>
#include <QBoxSet>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QScreen>
#include <QSet>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryFile>
#include <QTest>
#include <QThread>

#include <atomic>

Q_DECLARE_METATYPE(HistoryFilter::Period)

namespace {

StatisticsResult someResult()
{
    StatisticsResult r;
    r.empty = false;
    r.exercises = 2;
    r.strikes = 40;
    r.hands[0].confusion[3][4] = 6; // ring taken for little
    r.hands[0].confusion[3][3] = 9;
    r.hands[0].fingers[3] = {15, 6, 640.0, 600.0, 700.0, 500.0, 820.0, 80.0, 70.0, 95.0};
    r.findings << QStringLiteral("Left ring finger: slowest (640 ms), 40 % wrong");
    r.coupling = 87.0;
    return r;
}

} // namespace

class TestStatisticsWindow : public QObject {
    Q_OBJECT
private slots:
    void noHistoryExplainsWhatWillAppear();
    void showsTheFiguresItIsGiven();
    void controlsMakeTheFilter_data();
    void controlsMakeTheFilter();
    void filterLeavingNothingSaysSo();
    void fingerWithoutRightStrikesKeepsItsPlace();
    void progressTicksNeverRepeat_data();
    void progressTicksNeverRepeat();
    void fitsASmallScreen();
    void backgroundShowsOnlyTheLatestChoice();
};

void TestStatisticsWindow::noHistoryExplainsWhatWillAppear()
{
    StatisticsWindow window([](const HistoryFilter &) { return StatisticsResult{}; });
    window.refresh();
    QCOMPARE(window.windowTitle(), QStringLiteral("Statistics"));
    auto *pages = window.findChild<QStackedWidget *>();
    QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("lblEmpty"));
}

void TestStatisticsWindow::showsTheFiguresItIsGiven()
{
    StatisticsWindow window([](const HistoryFilter &) { return someResult(); });
    window.refresh();
    QCOMPARE(window.findChild<QStackedWidget *>()->currentWidget()->objectName(),
             QStringLiteral("tabs"));
    QVERIFY(window.findChild<QLabel *>(QStringLiteral("lblFindings"))
                ->text()
                .contains(QStringLiteral("Left ring finger: slowest (640 ms)")));
    auto *confusion = window.findChild<QTableWidget *>(QStringLiteral("tblConfusionLeft"));
    QCOMPARE(confusion->item(3, 4)->text(), QStringLiteral("6"));
    QCOMPARE(confusion->item(3, 3)->text(), QStringLiteral("9"));
    QCOMPARE(confusion->item(0, 1)->text(), QStringLiteral("0"));
    auto *fingers = window.findChild<QTableWidget *>(QStringLiteral("tblFingers"));
    QCOMPARE(fingers->item(3, 0)->text(), QStringLiteral("640 ms"));
    QCOMPARE(fingers->item(3, 1)->text(), QStringLiteral("40 %"));
    QCOMPARE(fingers->item(3, 4)->text(), QStringLiteral("80 (70-95)"));
    QVERIFY(!fingers->isColumnHidden(4));
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("lblCoupling"))->text(),
             QStringLiteral("87"));
}

void TestStatisticsWindow::controlsMakeTheFilter_data()
{
    QTest::addColumn<int>("player");
    QTest::addColumn<int>("period");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<HistoryFilter::Period>("expectedPeriod");
    QTest::addColumn<QString>("expectedKind");
    QTest::newRow("all players, last exercise")
        << 0 << 0 << 0 << "" << HistoryFilter::Period::LastExercise << "";
    QTest::newRow("Bo, a week of sequential")
        << 2 << 1 << 2 << "Bo" << HistoryFilter::Period::Week << "sequential";
    QTest::newRow("Ana, all preschool")
        << 1 << 3 << 4 << "Ana" << HistoryFilter::Period::All << "preschool";
}

void TestStatisticsWindow::controlsMakeTheFilter()
{
    QFETCH(int, player);
    QFETCH(int, period);
    QFETCH(int, kind);
    QFETCH(QString, name);
    QFETCH(HistoryFilter::Period, expectedPeriod);
    QFETCH(QString, expectedKind);
    QList<HistoryFilter> asked;
    StatisticsWindow window([&](const HistoryFilter &f) {
        asked << f;
        return StatisticsResult{};
    });
    window.setPlayers({QStringLiteral("Ana"), QStringLiteral("Bo")}, QStringLiteral("Bo"));
    window.setExercises(WindowCatalog::statisticsChoices());
    // Filling the lists asks for nothing; the player shown first is the current one.
    QVERIFY(asked.isEmpty());
    QCOMPARE(window.filter().player, QStringLiteral("Bo"));
    QCOMPARE(window.filter().period, HistoryFilter::Period::Month);
    window.findChild<QComboBox *>(QStringLiteral("cboPlayer"))->setCurrentIndex(player);
    window.findChild<QComboBox *>(QStringLiteral("cboPeriod"))->setCurrentIndex(period);
    window.findChild<QComboBox *>(QStringLiteral("cboKind"))->setCurrentIndex(kind);
    QVERIFY(!asked.isEmpty());
    QCOMPARE(asked.last().player, name);
    QCOMPARE(asked.last().period, expectedPeriod);
    QCOMPARE(asked.last().kind, expectedKind);
}

void TestStatisticsWindow::filterLeavingNothingSaysSo()
{
    StatisticsWindow window([](const HistoryFilter &) { return StatisticsResult{}; });
    window.setPlayers({QStringLiteral("Ana")}, QStringLiteral("Ana"));
    window.refresh();
    QCOMPARE(window.findChild<QStackedWidget *>()->currentWidget()->objectName(),
             QStringLiteral("lblNothingChosen"));
}

void TestStatisticsWindow::fingerWithoutRightStrikesKeepsItsPlace()
{
    // Only the left ring finger has reaction times.
    StatisticsWindow window([](const HistoryFilter &) { return someResult(); });
    window.refresh();
    QBoxPlotSeries *boxes = nullptr;
    for (QChartView *view : window.findChildren<QChartView *>()) {
        if (auto *found = qobject_cast<QBoxPlotSeries *>(view->chart()->series().value(0)))
            boxes = found;
    }
    QVERIFY(boxes);
    QCOMPARE(boxes->count(), 5);
    QCOMPARE(boxes->boxSets()[3]->label(), QStringLiteral("L4"));
    QCOMPARE(boxes->boxSets()[3]->at(QBoxSet::Median), 640.0);
    QCOMPARE(boxes->boxSets()[0]->pen().color().alpha(), 0);
}

void TestStatisticsWindow::progressTicksNeverRepeat_data()
{
    QTest::addColumn<qint64>("spanMs");
    QTest::newRow("exercises seconds apart") << qint64(150000);
    QTest::newRow("half a minute") << qint64(30000);
    QTest::newRow("an evening") << qint64(3 * 3600000);
    QTest::newRow("three days") << qint64(3 * 86400000);
    QTest::newRow("two months") << qint64(60) * 86400000;
}

void TestStatisticsWindow::progressTicksNeverRepeat()
{
    QFETCH(qint64, spanMs);
    const StatisticsWindow::TimeTicks ticks = StatisticsWindow::timeTicks(spanMs);
    QVERIFY(ticks.count >= 2);
    const QDateTime first(QDate(2026, 12, 9), QTime(19, 44, 17));
    QStringList labels;
    for (int i = 0; i < ticks.count; ++i)
        labels << first.addMSecs(spanMs * i / (ticks.count - 1)).toString(ticks.format);
    QCOMPARE(QSet<QString>(labels.begin(), labels.end()).size(), labels.size());
}

void TestStatisticsWindow::fitsASmallScreen()
{
    StatisticsWindow window([](const HistoryFilter &) { return someResult(); });
    window.refresh();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect screen = window.screen()->availableGeometry();
    QCOMPARE(screen.size(), QSize(1024, 600));
    QVERIFY2(window.height() <= screen.height() && window.width() <= screen.width(),
             qPrintable(QStringLiteral("%1 x %2").arg(window.width()).arg(window.height())));
    QVERIFY(window.minimumSizeHint().height() <= window.height());
}

void TestStatisticsWindow::backgroundShowsOnlyTheLatestChoice()
{
    // The first computation is slow and would say there is nothing; the player has chosen
    // again meanwhile, and only that choice's figures may appear.
    std::atomic<int> calls{0};
    StatisticsWindow window([&calls](const HistoryFilter &) {
        if (calls++ == 0) {
            QThread::msleep(300);
            return StatisticsResult{};
        }
        return someResult();
    });
    window.setComputeInBackground(true);
    window.refresh();
    QVERIFY(window.isBusy());
    QTest::qWait(20);
    window.refresh();
    // The window answers while it computes: events are handled, it paints.
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY_WITH_TIMEOUT(!window.isBusy(), 5000);
    QCOMPARE(window.findChild<QStackedWidget *>()->currentWidget()->objectName(),
             QStringLiteral("tabs"));
    // The slow one ends later and is dropped.
    QTest::qWait(400);
    QCOMPARE(calls.load(), 2);
    QCOMPARE(window.findChild<QStackedWidget *>()->currentWidget()->objectName(),
             QStringLiteral("tabs"));
}

int main(int argc, char **argv)
{
    // The offscreen screen as small as a netbook's, for the window to fit in.
    QTemporaryFile screens;
    if (!screens.open())
        return 1;
    screens.write(R"({"screens": [{"name": "netbook", "x": 0, "y": 0, "width": 1024,)"
                  R"( "height": 600, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    screens.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screens.fileName()));
    QApplication app(argc, argv);
    TestStatisticsWindow test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_statisticswindow.moc"
