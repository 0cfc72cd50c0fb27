// SPDX-License-Identifier: GPL-3.0-or-later
// The Statistics window: an explanation instead of empty charts, the figures it is given,
// and the filter its controls make.
#include "history/StatisticsWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>

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
    // Filling the list asks for nothing; the player shown first is the current one.
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

QTEST_MAIN(TestStatisticsWindow)
#include "tst_statisticswindow.moc"
