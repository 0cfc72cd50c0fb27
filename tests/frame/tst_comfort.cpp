// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise windows' comfort: content that scales with the window, full screen, the
// sound volume reaching the players, and the line that tells how to begin and, at the
// end, what was saved where.
#include "FakeClickTrack.h"
#include "TestContext.h"
#include "frame/AccessibleName.h"
#include "frame/CountDialog.h"
#include "frame/Palette.h"
#include "frame/ScreenFit.h"
#include "frame/VolumeDialog.h"
#include "preschool/frmPreschool.h"
#include "random/FormRand.h"
#include "random/RandomDrill.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTest>
#include <QTimer>

namespace {

// The rows of a label that its text inks: the label drawn with the text and without it,
// compared row by row on the window's own rendering.
int inkHeight(ExerciseWindow *window, QLabel *label, const QString &text)
{
    QWidget *canvas = window->centralWidget();
    const QRect area = label->geometry();
    label->setText(text);
    const QImage with = canvas->grab(area).toImage();
    label->setText(QString());
    const QImage without = canvas->grab(area).toImage();
    int first = -1;
    int last = -1;
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
            if (with.pixel(x, y) != without.pixel(x, y)) {
                if (first < 0)
                    first = y;
                last = y;
                break;
            }
        }
    }
    return first < 0 ? 0 : last - first + 1;
}

ExerciseWindow *shownWindow(TestContext &t, const QString &name)
{
    // The delivered exercise database: the sequential and memory windows read it.
    if (!QFile::copy(QStringLiteral(MORAVEL_BIN_DIR "/piano.db"),
                     t.dir.filePath(QStringLiteral("piano.db"))))
        return nullptr;
    auto *window = t.forms.get<ExerciseWindow>(name);
    if (!window)
        return nullptr;
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return nullptr;
    return window;
}

void whenModal(std::function<void(QWidget *)> inside)
{
    QTimer::singleShot(0, [inside] {
        QWidget *modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        inside(modal);
    });
}

const QString Guidance =
    QStringLiteral("Press Del or Test > Start, then play the finger shown for each hand");

} // namespace

class TestComfort : public QObject {
    Q_OBJECT
private slots:
    void windows_data();
    void digitsScaleWithTheWindow_data() { windows_data(); }
    void digitsScaleWithTheWindow();
    void fullScreen_data();
    void fullScreen();
    void switchingKeepsFullScreen();
    void volumeReachesThePlayers_data();
    void volumeReachesThePlayers();
    void laterPlayersStartAtTheVolume();
    void guidanceUntilStart_data() { windows_data(); }
    void guidanceUntilStart();
    void resultAndWhereItWasSaved();
    void windowsFitTheScreen_data();
    void windowsFitTheScreen();
    void textContrast();
    void comboBoxesAreNamedByTheirCaption_data();
    void comboBoxesAreNamedByTheirCaption();
};

void TestComfort::windows_data()
{
    QTest::addColumn<QString>("window");
    for (const char *name : {"FormRand", "FormSeq", "FormMemory", "frmPreschool", "FormAdaptive"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestComfort::digitsScaleWithTheWindow()
{
    QFETCH(QString, window);
    TestContext t;
    ExerciseWindow *form = shownWindow(t, window);
    QVERIFY(form);
    QCOMPARE(form->centralWidget()->size(), QSize(760, 589));
    QLabel *digit = form->label(Label::Label1);
    const int small = inkHeight(form, digit, QStringLiteral("3"));
    QVERIFY(small > 20);
    const QRect smallPlace = digit->geometry();

    form->resize(form->size() * 2);
    QTRY_VERIFY(form->centralWidget()->width() >= 2 * 760);
    QCOMPARE(form->contentScale(), 2.0);
    const int large = inkHeight(form, digit, QStringLiteral("3"));
    QVERIFY2(large >= 1.8 * small, qPrintable(QStringLiteral("%1 -> %2").arg(small).arg(large)));
    QVERIFY2(large <= 2.2 * small, qPrintable(QStringLiteral("%1 -> %2").arg(small).arg(large)));
    // The place follows as well: the same spot of the designed area, twice as far in.
    const QRect largePlace = digit->geometry();
    QVERIFY(qAbs(largePlace.width() - 2 * smallPlace.width()) <= 1);
    QVERIFY(qAbs(largePlace.center().x() - 2 * smallPlace.center().x()) <= 2);
}

void TestComfort::fullScreen_data()
{
    QTest::addColumn<bool>("byKey");
    QTest::newRow("F11 and Escape") << true;
    QTest::newRow("menu item twice") << false;
}

void TestComfort::fullScreen()
{
    QFETCH(bool, byKey);
    TestContext t;
    ExerciseWindow *form = shownWindow(t, QStringLiteral("FormRand"));
    QVERIFY(form);
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form));
    QCOMPARE(form->action(Command::mnuFullScreen)->shortcut(), QKeySequence(Qt::Key_F11));
    QVERIFY(!form->isFullScreen());

    if (byKey)
        QTest::keyClick(form, Qt::Key_F11);
    else
        form->trigger(Command::mnuFullScreen);
    QVERIFY(form->isFullScreen());
    QVERIFY(t.comfort.fullScreen);
    const int saves = t.comfortSaves;
    QVERIFY(saves > 0);

    if (byKey)
        QTest::keyClick(form, Qt::Key_Escape);
    else
        form->trigger(Command::mnuFullScreen);
    QVERIFY(!form->isFullScreen());
    QVERIFY(!t.comfort.fullScreen);
    QVERIFY(t.comfortSaves > saves);
    // Escape does nothing more in a window that does not fill the screen.
    QTest::keyClick(form, Qt::Key_Escape);
    QVERIFY(!form->isFullScreen());
}

void TestComfort::switchingKeepsFullScreen()
{
    TestContext t;
    ExerciseWindow *random = shownWindow(t, QStringLiteral("FormRand"));
    QVERIFY(random);
    random->trigger(Command::mnuFullScreen);
    random->trigger(Command::mnuPreschool);
    auto *preschool = t.forms.get<ExerciseWindow>(QStringLiteral("frmPreschool"));
    QVERIFY(preschool->isVisible());
    QVERIFY(preschool->isFullScreen());
    // The next run opens full screen as well.
    TestContext next;
    next.comfort.fullScreen = true;
    auto *reopened = next.forms.get<ExerciseWindow>(QStringLiteral("FormRand"));
    QVERIFY(reopened->windowState() & Qt::WindowFullScreen);
}

void TestComfort::volumeReachesThePlayers_data()
{
    QTest::addColumn<bool>("keep");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
}

void TestComfort::volumeReachesThePlayers()
{
    QFETCH(bool, keep);
    TestContext t;
    auto *form = t.forms.get<frmPreschool>(QStringLiteral("frmPreschool"));
    QVERIFY(form);
    QCOMPARE(t.players.size(), std::size_t(2));
    for (FakeHandPlayer *player : t.players)
        QCOMPARE(player->volume, 1.0);
    // The metronome, as the program attaches it at start.
    FakeClickTrack clicks;
    t.comfort.attach(clicks);

    bool seen = false;
    whenModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<VolumeDialog *>(modal);
        QVERIFY(dialog);
        QCOMPARE(dialog->slider()->value(), 100);
        dialog->slider()->setValue(40);
        // The players follow while the dialog is open.
        for (FakeHandPlayer *player : t.players)
            QCOMPARE(player->volume, 0.4);
        QCOMPARE(clicks.volume, 0.4);
        dialog->muteBox()->setChecked(true);
        for (FakeHandPlayer *player : t.players)
            QCOMPARE(player->volume, 0.0);
        QCOMPARE(clicks.volume, 0.0);
        QVERIFY(!dialog->slider()->isEnabled());
        seen = true;
        if (keep)
            dialog->OKButton()->click();
        else
            dialog->CancelButton()->click();
    });
    form->trigger(Command::mnuVolume);
    QVERIFY(seen);

    QCOMPARE(t.comfort.volume(), keep ? 40 : 100);
    QCOMPARE(t.comfort.muted(), keep);
    for (FakeHandPlayer *player : t.players)
        QCOMPARE(player->volume, keep ? 0.0 : 1.0);
    QCOMPARE(clicks.volume, keep ? 0.0 : 1.0);
    QCOMPARE(t.comfortSaves > 0, keep);
}

void TestComfort::laterPlayersStartAtTheVolume()
{
    TestContext t;
    t.comfort.setVolume(30);
    t.forms.get<frmPreschool>(QStringLiteral("frmPreschool"));
    QCOMPARE(t.players.size(), std::size_t(2));
    for (FakeHandPlayer *player : t.players)
        QCOMPARE(player->volume, 0.3);
    // A window that goes takes its players with it: changing the volume then reaches none
    // of them (they are gone) and does not crash.
    delete t.forms.form(QStringLiteral("frmPreschool"));
    t.comfort.setVolume(60);
}

void TestComfort::guidanceUntilStart()
{
    QFETCH(QString, window);
    TestContext t;
    ExerciseWindow *form = shownWindow(t, window);
    QVERIFY(form);
    QVERIFY(form->guide());
    QCOMPARE(form->guide()->text(), Guidance);
    QVERIFY(form->guide()->isVisible());
    form->trigger(Command::mnuStart);
    // The drill runs (the left hand has its first finger), and the line is gone.
    QVERIFY2(form->drill()->Leva().toInt() >= 1, qPrintable(form->drill()->Leva()));
    QVERIFY(!form->guide()->isVisible());
}

void TestComfort::resultAndWhereItWasSaved()
{
    TestContext t;
    auto *form = t.forms.get<FormRand>(QStringLiteral("FormRand"));
    form->show();
    form->trigger(Command::mnuStart);
    QVERIFY(!form->guide()->isVisible());
    t.settings.TaskCountLeft = 1;
    t.settings.TaskCountRight = 1;
    RandomDrill *drill = form->logic();
    drill->keyUp({Hand::Left, drill->Leva().toInt()});
    QVERIFY(!form->guide()->isVisible());
    drill->keyUp({Hand::Right, drill->Desna().toInt()});
    QVERIFY(drill->summaryWritten());
    QVERIFY(form->guide()->isVisible());
    const QString text = form->guide()->text();
    QVERIFY2(text.startsWith(QStringLiteral("Result: %1 points").arg(drill->TotalScore())),
             qPrintable(text));
    QVERIFY2(text.contains(t.log.path()), qPrintable(text));
    QVERIFY(!t.logFile.records.isEmpty());
    // The next Start hides it again.
    form->trigger(Command::mnuStart);
    QVERIFY(!form->guide()->isVisible());
}

void TestComfort::windowsFitTheScreen_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<QPoint>("place");
    QTest::newRow("taller and wider than the screen")
        << QSize(1400, 900) << QSize(0, 0) << QPoint(0, 0);
    QTest::newRow("small, but standing out")
        << QSize(300, 200) << QSize(0, 0) << QPoint(5000, 5000);
    QTest::newRow("content that cannot shrink so far")
        << QSize(1400, 900) << QSize(5000, 5000) << QPoint(0, 0);
}

// Whatever the window wants, it opens inside the screen's available area, as small as its
// content allows.
void TestComfort::windowsFitTheScreen()
{
    QFETCH(QSize, size);
    QFETCH(QSize, minimum);
    QFETCH(QPoint, place);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget window;
    window.setMinimumSize(minimum);
    window.resize(size);
    window.move(place);
    ScreenFit::fit(&window);
    const QSize expected = size.boundedTo(area.size()).expandedTo(minimum);
    QCOMPARE(window.size(), expected);
    if (expected.width() <= area.width() && expected.height() <= area.height())
        QVERIFY(area.contains(QRect(window.pos(), window.size())));
    else
        QCOMPARE(window.pos(), area.topLeft());

    // The exercise window itself, at the designed size, on the same screen.
    TestContext t;
    auto *form = t.forms.get<ExerciseWindow>(QStringLiteral("FormRand"));
    QVERIFY(form->width() <= area.width() && form->height() <= area.height());
}

// Every text colour of ours reads against everything it is drawn on: 4.5:1, 3:1 for the
// large digits. The contrast formula itself is checked on black and white and on a pair
// that fails.
void TestComfort::textContrast()
{
    QCOMPARE(qRound(Palette::contrast(Qt::black, Qt::white) * 10), 210);
    QVERIFY(Palette::contrast(Palette::LeftAccent, Palette::Sky) < 3.0);
    for (const Palette::TextOn &pair : Palette::textPairs()) {
        const double ratio = Palette::contrast(pair.text, pair.ground);
        QVERIFY2(ratio >= (pair.large ? 3.0 : 4.5),
                 qPrintable(QStringLiteral("%1 on %2: %3:1")
                                .arg(QLatin1String(pair.what), pair.ground.name())
                                .arg(ratio, 0, 'f', 2)));
    }
}

void TestComfort::comboBoxesAreNamedByTheirCaption_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("name");
    QTest::newRow("access letter and colon") << "&Player:"
                                             << "Player";
    QTest::newRow("a spaced colon") << "Choose number of tasks for each hand from list :"
                                    << "Choose number of tasks for each hand from list";
    QTest::newRow("an ampersand shown as such") << "Tasks && &minutes"
                                                << "Tasks & minutes";
}

// A screen reader says what a combo box is for, not only its current value.
void TestComfort::comboBoxesAreNamedByTheirCaption()
{
    QFETCH(QString, caption);
    QFETCH(QString, name);
    QWidget control;
    nameAfterCaption(&control, caption);
    QCOMPARE(control.accessibleName(), name);

    TestContext t;
    CountDialog dialog(CountDialog::TaskCount, t.settings);
    auto *combo = dialog.findChild<QWidget *>(QStringLiteral("Combo1"));
    QVERIFY(combo);
    QVERIFY(!combo->accessibleName().isEmpty());
    QVERIFY(!combo->accessibleName().endsWith(QLatin1Char(':')));
}

QTEST_MAIN(TestComfort)
#include "tst_comfort.moc"
