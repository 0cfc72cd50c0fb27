// SPDX-License-Identifier: GPL-3.0-or-later
// The hand timer: its period, restarts and stops. Only lower bounds on time are checked,
// so a busy machine cannot fail them.
#include "platform/QtTicker.h"

#include <QElapsedTimer>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <vector>

namespace {

struct Recorder {
    QElapsedTimer clock;
    std::vector<qint64> ticks;
    explicit Recorder(QtTicker &ticker)
    {
        clock.start();
        ticker.setCallback([this] { ticks.push_back(clock.elapsed()); });
    }
};

// Runs the event loop for a while, then checks nothing arrived.
void settle(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

} // namespace

class TestTicker : public QObject {
    Q_OBJECT
private slots:
    void ticksAtItsPeriodUntilStopped();
    void restartGivesAFullPeriod_data();
    void restartGivesAFullPeriod();
    void stopDropsATickAlreadyDue();
};

void TestTicker::ticksAtItsPeriodUntilStopped()
{
    QtTicker ticker;
    ticker.setInterval(40);
    QCOMPARE(ticker.interval(), 40);
    QVERIFY(!ticker.isActive());
    Recorder r(ticker);
    ticker.start();
    QVERIFY(ticker.isActive());
    QTRY_VERIFY_WITH_TIMEOUT(r.ticks.size() >= 3, 5000);
    ticker.stop();
    QVERIFY(!ticker.isActive());
    // Never early: tick k comes no sooner than k periods after the start.
    for (size_t k = 0; k < r.ticks.size(); ++k)
        QVERIFY2(r.ticks[k] >= qint64(40 * (k + 1)) - 1, qPrintable(QString::number(r.ticks[k])));
    const size_t seen = r.ticks.size();
    settle(150);
    QCOMPARE(r.ticks.size(), seen);
}

void TestTicker::restartGivesAFullPeriod_data()
{
    QTest::addColumn<bool>("byInterval");
    QTest::newRow("start again") << false;
    QTest::newRow("new interval while running") << true;
}

void TestTicker::restartGivesAFullPeriod()
{
    QFETCH(bool, byInterval);
    QtTicker ticker;
    ticker.setInterval(120);
    Recorder r(ticker);
    ticker.start();
    settle(80);
    QElapsedTimer sinceRestart;
    sinceRestart.start();
    if (byInterval)
        ticker.setInterval(150);
    else
        ticker.start();
    QVERIFY(ticker.isActive());
    QTRY_VERIFY_WITH_TIMEOUT(!r.ticks.empty(), 5000);
    // The first tick comes a whole new period after the restart, not at the old schedule.
    QVERIFY2(sinceRestart.elapsed() >= (byInterval ? 150 : 120) - 1,
             qPrintable(QString::number(sinceRestart.elapsed())));
}

void TestTicker::stopDropsATickAlreadyDue()
{
    QtTicker ticker;
    ticker.setInterval(10);
    Recorder r(ticker);
    ticker.start();
    // Expirations pile up while the program is busy; stopping must discard them.
    QThread::msleep(50);
    ticker.stop();
    settle(60);
    QVERIFY(r.ticks.empty());
    // Ticks due at the moment of a restart belong to the old period and are dropped too.
    ticker.start();
    QThread::msleep(50);
    ticker.setInterval(300);
    settle(100);
    QVERIFY(r.ticks.empty());
    ticker.stop();
}

QTEST_GUILESS_MAIN(TestTicker)
#include "tst_ticker.moc"
