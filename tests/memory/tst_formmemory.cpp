// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemoryTestDatabase.h"
#include "TestContext.h"
#include "memory/FormMemory.h"
#include "memory/MemoryDrill.h"

#include "frame/LevelDialog.h"
#include "random/FormRand.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Runs `inspect` on the modal window that `open` brings up, while it is up; the
// inspection must close it. Returns the window's class and whether it was modal.
struct ModalSeen {
    QString name;
    bool modal = false;
};

ModalSeen whileModal(const std::function<void()> &open,
                     const std::function<void(QWidget *)> &inspect)
{
    ModalSeen seen;
    QTimer::singleShot(0, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        seen.name = modal->objectName();
        seen.modal = modal->isModal();
        inspect(modal);
    });
    open();
    return seen;
}

} // namespace

class TestFormMemory : public QObject {
    Q_OBJECT
private slots:
    void loadSetsSoundPathAndCounts();
    void notesPerTaskMovesTheCheckMark_data();
    void notesPerTaskMovesTheCheckMark();
    void numberOfMemoryTasksDialog_data();
    void numberOfMemoryTasksDialog();
    void levelDialogSetsThisWindowsTimers_data();
    void levelDialogSetsThisWindowsTimers();
    void otherWindowsOpenTheMemoryTest();
    void unreadableDatabaseWarnsOnce();
};

namespace {

void writeDatabase(TestContext &ctx)
{
    QVERIFY(MemoryTestDatabase::write(ctx.dir.filePath(QStringLiteral("piano.db"))));
}

} // namespace

void TestFormMemory::loadSetsSoundPathAndCounts()
{
    TestContext ctx;
    writeDatabase(ctx);
    QFile wav(ctx.dir.filePath(QStringLiteral("XYL.WAV")));
    QVERIFY(wav.open(QIODevice::WriteOnly));
    wav.close();
    auto *window = ctx.forms.get<FormMemory>(QStringLiteral("FormMemory"));
    QVERIFY(window);
    QCOMPARE(ctx.settings.SoundPath, ctx.dir.filePath(QStringLiteral("XYL.WAV")));
    QCOMPARE(ctx.settings.SequenceCountLeft, qint16(8));
    QCOMPARE(ctx.settings.SequenceCountRight, qint16(8));
    QCOMPARE(window->label(Label::Label7Memory)->text(), QStringLiteral("Memory test"));
    QVERIFY(window->label(Label::Label9)->text().isEmpty());
    QCOMPARE(window->windowTitle(), QStringLiteral("Moravel"));
}

void TestFormMemory::notesPerTaskMovesTheCheckMark_data()
{
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<int>("columns");
    QTest::newRow("3") << QStringList{QStringLiteral("mnu3")} << QStringLiteral("mnu3") << 59;
    QTest::newRow("4") << QStringList{QStringLiteral("mnu4")} << QStringLiteral("mnu4") << 80;
    QTest::newRow("4 then 5") << QStringList{QStringLiteral("mnu4"), QStringLiteral("mnu5")}
                              << QStringLiteral("mnu5") << 58;
    QTest::newRow("3 twice") << QStringList{QStringLiteral("mnu3"), QStringLiteral("mnu3")}
                             << QStringLiteral("mnu3") << 59;
}

void TestFormMemory::notesPerTaskMovesTheCheckMark()
{
    QFETCH(QStringList, choices);
    QFETCH(QString, checked);
    QFETCH(int, columns);
    TestContext ctx;
    writeDatabase(ctx);
    auto *window = ctx.forms.get<FormMemory>(QStringLiteral("FormMemory"));
    QVERIFY(window);
    MemoryDrill *logic = window->logic();
    QVERIFY(window->action(Command::mnu5)->isChecked());
    window->trigger(Command::mnuStart);
    window->drill()->keyUp(FingerStrike{Hand::Left, 1});
    QCOMPARE(logic->link(Hand::Left).row(), 1);

    // Choosing through the menu item itself, as a click does.
    for (const QString &choice : choices)
        window->action(*Commands::byObjectName(choice))->trigger();
    for (const char *item : {"mnu3", "mnu4", "mnu5"}) {
        QAction *action = window->action(*Commands::byObjectName(QString::fromLatin1(item)));
        QVERIFY(action->isCheckable());
        QCOMPARE(action->isChecked(), checked == QLatin1String(item));
    }
    QCOMPARE(int(logic->TaskColumnCount()), columns);
    QCOMPARE(logic->link(Hand::Left).recordSource(), QStringLiteral("mem%1").arg(checked.back()));
    QCOMPARE(logic->link(Hand::Right).recordSource(), logic->link(Hand::Left).recordSource());
    // Every choice reopens the tables, even of the item that had the mark.
    QCOMPARE(logic->link(Hand::Left).row(), 0);
    QCOMPARE(window->label(Label::Label1)->text(),
             QString::number(MemoryTestDatabase::note(logic->notesPerTask(), 0, 0)));

    // The window's own item in the Test menu still only marks where the player is.
    window->action(Command::mnuMem)->trigger();
    QVERIFY(window->action(Command::mnuMem)->isChecked());
    QCOMPARE(ctx.forms.loadOrder(), QStringList{QStringLiteral("FormMemory")});
}

void TestFormMemory::numberOfMemoryTasksDialog_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("expected");
    QTest::newRow("list item by OK") << QStringLiteral("12") << true << 12;
    QTest::newRow("leading number") << QStringLiteral("12abc") << true << 12;
    QTest::newRow("no number") << QStringLiteral("abc") << true << 0;
    QTest::newRow("half to even") << QStringLiteral("6.5") << true << 6;
    QTest::newRow("negative") << QStringLiteral("-4") << true << -4;
    QTest::newRow("cancel keeps 8") << QStringLiteral("12") << false << 8;
    QTest::newRow("beyond 16 bits refused") << QStringLiteral("40000") << true << 8;
}

void TestFormMemory::numberOfMemoryTasksDialog()
{
    QFETCH(QString, typed);
    QFETCH(bool, ok);
    QFETCH(int, expected);
    TestContext ctx;
    writeDatabase(ctx);
    auto *window = ctx.forms.get<FormMemory>(QStringLiteral("FormMemory"));
    QVERIFY(window);
    window->show();

    QString initial;
    QStringList items;
    bool stayedOpen = false;
    const ModalSeen seen =
        whileModal([&] { window->trigger(Command::mnuTask); },
                   [&](QWidget *modal) {
                       auto *dialog = qobject_cast<QDialog *>(modal);
                       auto *combo = modal->findChild<QComboBox *>(QStringLiteral("Combo1"));
                       initial = combo->currentText();
                       for (int i = 0; i < combo->count(); ++i)
                           items << combo->itemText(i);
                       combo->setEditText(typed);
                       const QString button =
                           ok ? QStringLiteral("OKButton") : QStringLiteral("CancelButton");
                       modal->findChild<QPushButton *>(button)->click();
                       stayedOpen = dialog->isVisible();
                       if (stayedOpen)
                           dialog->reject();
                   });
    QCOMPARE(seen.name, QStringLiteral("frmNumSeqMem"));
    QVERIFY(seen.modal);
    QCOMPARE(initial, QStringLiteral("8"));
    QCOMPARE(items, (QStringList{"4", "8", "12", "16", "20", "24", "28", "32", "36", "40"}));
    QCOMPARE(stayedOpen, typed == QLatin1String("40000"));
    QCOMPARE(int(ctx.settings.SequenceCountLeft), expected);
    QCOMPARE(int(ctx.settings.SequenceCountRight), expected);

    // The dialog was discarded: it opens at "8" again.
    const ModalSeen again =
        whileModal([&] { window->trigger(Command::mnuTask); },
                   [&](QWidget *modal) {
                       initial =
                           modal->findChild<QComboBox *>(QStringLiteral("Combo1"))->currentText();
                       qobject_cast<QDialog *>(modal)->reject();
                   });
    QCOMPARE(again.name, QStringLiteral("frmNumSeqMem"));
    QCOMPARE(initial, QStringLiteral("8"));
}

void TestFormMemory::levelDialogSetsThisWindowsTimers_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("interval");
    QTest::newRow("Pro") << 4 << true << 400;
    QTest::newRow("Absolute beginner") << 0 << true << 3000;
    QTest::newRow("Advanced, cancelled") << 3 << false << 1000;
}

void TestFormMemory::levelDialogSetsThisWindowsTimers()
{
    QFETCH(int, option);
    QFETCH(bool, ok);
    QFETCH(int, interval);
    TestContext ctx;
    writeDatabase(ctx);
    auto *window = ctx.forms.get<FormMemory>(QStringLiteral("FormMemory"));
    QVERIFY(window);
    window->show();
    bool intermediateFirst = false;
    QString caption;
    const ModalSeen seen =
        whileModal([&] { window->trigger(Command::mnuLevel); },
                   [&](QWidget *modal) {
                       caption = modal->windowTitle();
                       intermediateFirst =
                           modal->findChild<QRadioButton *>(QStringLiteral("Option3"))->isChecked();
                       modal->findChild<QRadioButton *>(QStringLiteral("Option%1").arg(option + 1))
                           ->setChecked(true);
                       modal
                           ->findChild<QPushButton *>(ok ? QStringLiteral("OKButton")
                                                         : QStringLiteral("CancelButton"))
                           ->click();
                   });
    QCOMPARE(seen.name, QStringLiteral("frmLevelMem"));
    QVERIFY(seen.modal);
    QCOMPARE(caption, QStringLiteral("Select level for the test"));
    QVERIFY(intermediateFirst);
    QCOMPARE(window->Timer1().interval(), interval);
    QCOMPARE(window->Timer2().interval(), interval);
    // The random drill keeps its own level, and is not even loaded for this.
    QVERIFY(!ctx.forms.isLoaded(QStringLiteral("FormRand")));
}

void TestFormMemory::otherWindowsOpenTheMemoryTest()
{
    TestContext ctx;
    writeDatabase(ctx);
    auto *random = qobject_cast<ExerciseWindow *>(ctx.forms.show(QStringLiteral("FormRand")));
    QVERIFY(random);
    random->trigger(Command::mnuMem);
    auto *memory = ctx.forms.get<FormMemory>(QStringLiteral("FormMemory"));
    QVERIFY(memory);
    QVERIFY(memory->isVisible());
    QVERIFY(!random->isVisible());
    memory->trigger(Command::mnuExit);
    QVERIFY(random->isVisible());
    QVERIFY(!memory->isVisible());
}

void TestFormMemory::unreadableDatabaseWarnsOnce()
{
    TestContext ctx;
    auto *window = ctx.forms.get<FormMemory>(QStringLiteral("FormMemory"));
    QVERIFY(window);
    QVERIFY(!window->logic()->databaseError().isEmpty());
    QVERIFY(window->databaseWarning().contains(QStringLiteral("piano.db")));

    int boxes = 0;
    QString title;
    QString text;
    auto closeBoxes = [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            ++boxes;
            title = box->windowTitle();
            text = box->text();
            box->accept();
        }
    };
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, closeBoxes);
    poll.start(10);
    window->show();
    QTRY_COMPARE(boxes, 1);
    QCOMPARE(title, QStringLiteral("Moravel"));
    QCOMPARE(text, window->databaseWarning());
    window->trigger(Command::mnu3);
    window->hide();
    window->show();
    QTest::qWait(100);
    QCOMPARE(boxes, 1);
    window->trigger(Command::mnuStart);
    QCOMPARE(window->label(Label::Label1)->text(), QStringLiteral("L"));
    QCOMPARE(ctx.sound.played.size(), 0);
}

QTEST_MAIN(TestFormMemory)
#include "tst_formmemory.moc"
