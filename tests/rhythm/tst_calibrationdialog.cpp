// SPDX-License-Identifier: GPL-3.0-or-later
// Options > Calibrate the metronome in the Rhythm window: taps against the clicks as the
// output sent them, with no offset while measuring; what OK, Cancel and Reset leave in the
// settings and in the click track; and a program without sound output.
#include "FakeClickTrack.h"
#include "TestContext.h"
#include "rhythm/CalibrationDialog.h"
#include "rhythm/ClickCalibration.h"
#include "rhythm/FormRhythm.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

constexpr qint64 MsNs = 1'000'000;
constexpr int InUseMs = 80;
// How much later than planned the output sends each click.
constexpr qint64 OutputLateMs = 30;

enum class Output { None, Refused, Working };
enum class End { Ok, Cancel, ResetThenOk };

// What the test does inside the modal dialog.
using Steps = std::function<void(CalibrationDialog *)>;

} // namespace

Q_DECLARE_METATYPE(Output)
Q_DECLARE_METATYPE(End)

class TestCalibrationDialog : public QObject {
    Q_OBJECT
private slots:
    void calibrate_data();
    void calibrate();
};

void TestCalibrationDialog::calibrate_data()
{
    QTest::addColumn<Output>("output");
    QTest::addColumn<int>("tapLateMs"); // after the click left; 0: no taps
    QTest::addColumn<End>("end");
    QTest::addColumn<QString>("says");
    QTest::addColumn<bool>("offered"); // whether OK has an offset to keep
    QTest::addColumn<int>("kept");
    const QString found150 = QStringLiteral("Offset found: 150 ms");
    const QString noOutput = QStringLiteral("There is no sound output");
    QTest::newRow("taps kept") << Output::Working << 150 << End::Ok << found150 << true << 150;
    QTest::newRow("taps not kept")
        << Output::Working << 150 << End::Cancel << found150 << true << InUseMs;
    QTest::newRow("no taps: the offset stays")
        << Output::Working << 0 << End::Cancel << QStringLiteral("Only 0 taps") << false << InUseMs;
    QTest::newRow("reset after measuring") << Output::Working << -20 << End::ResetThenOk
                                           << QStringLiteral("Offset found: -20 ms") << true << 0;
    QTest::newRow("no sound output: reset still works")
        << Output::None << 0 << End::ResetThenOk << noOutput << false << 0;
    QTest::newRow("an output that does not open")
        << Output::Refused << 0 << End::Cancel << noOutput << false << InUseMs;
}

void TestCalibrationDialog::calibrate()
{
    QFETCH(Output, output);
    QFETCH(int, tapLateMs);
    QFETCH(End, end);
    QFETCH(QString, says);
    QFETCH(bool, offered);
    QFETCH(int, kept);

    // Made first, so that it outlives the windows, whose drill closes it as it goes.
    FakeClickTrack clicks;
    TestContext t;
    clicks.output = output == Output::Working;
    clicks.heardLateNs = OutputLateMs * MsNs;
    if (output != Output::None)
        t.context.clicks = &clicks;
    t.comfort.setClickOffsetMs(InUseMs);
    clicks.offsetMs = InUseMs;
    auto *form = t.forms.get<FormRhythm>(QStringLiteral("FormRhythm"));
    QVERIFY(form);
    const auto setNow = [&](qint64 ns) {
        t.clock.monotonic = ns;
        clicks.nowNs = ns;
    };

    const Steps steps = [&](CalibrationDialog *dialog) {
        FakeTicker *pace = t.tickers.back();
        QVERIFY(!dialog->OKButton()->isEnabled());
        dialog->startButton()->click();
        if (output == Output::Working) {
            // Measured against the output itself; four to count in, eight to tap with.
            QCOMPARE(clicks.offsetMs, 0.0);
            const QList<qint64> planned = clicks.scheduledTimes();
            QCOMPARE(planned.size(), ClickCalibration::CountInClicks + ClickCalibration::TapClicks);
            for (int i = ClickCalibration::CountInClicks; tapLateMs && i < planned.size(); ++i) {
                setNow(planned[i] + (OutputLateMs + tapLateMs) * MsNs);
                // Space, the left thumb: the key goes down now, comes up a while later.
                QTest::keyPress(dialog, Qt::Key_Space);
                t.clock.advanceMs(90);
                QTest::keyRelease(dialog, Qt::Key_Space);
                QVERIFY(pace->fire());
            }
            setNow(planned.last() + ClickCalibration::BeatNs);
            QVERIFY(pace->fire());
            QVERIFY(!pace->isActive());
            // The track as it was: the offset in use, and closed again.
            QCOMPARE(clicks.offsetMs, double(InUseMs));
            QVERIFY(!clicks.isRunning());
        }
        QVERIFY2(dialog->statusLabel()->text().startsWith(says),
                 qPrintable(dialog->statusLabel()->text()));
        QCOMPARE(dialog->OKButton()->isEnabled(), offered);
        if (end == End::ResetThenOk)
            dialog->resetButton()->click();
        if (end == End::Cancel)
            dialog->CancelButton()->click();
        else
            dialog->OKButton()->click();
    };
    bool seen = false;
    QTimer::singleShot(0, [&] {
        QPointer<CalibrationDialog> dialog =
            qobject_cast<CalibrationDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        seen = true;
        steps(dialog);
        // A step that failed leaves the dialog open: close it so the test ends.
        if (dialog && dialog->isVisible())
            dialog->reject();
    });
    form->trigger(FormRhythm::mnuCalibrate);
    QVERIFY(seen);

    QCOMPARE(t.comfort.clickOffsetMs(), kept);
    QCOMPARE(t.comfortSaves > 0, kept != InUseMs);
    if (output != Output::None)
        QCOMPARE(clicks.offsetMs, double(kept));
}

QTEST_MAIN(TestCalibrationDialog)
#include "tst_calibrationdialog.moc"
