// SPDX-License-Identifier: GPL-3.0-or-later
#include "../support/TestContext.h"
#include "frame/CountDialog.h"
#include "sequential/ExerciseFigures.h"
#include "sequential/FormSeq.h"
#include "sequential/SequentialDrill.h"
#include "sequential/frmChoosePractice.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// A context whose program folder holds the built exercise database.
struct SeqContext : TestContext {
    explicit SeqContext(bool withDatabase = true)
    {
        if (withDatabase)
            QFile::copy(QStringLiteral(MORAVEL_BIN_DIR "/piano.db"),
                        dir.filePath(QStringLiteral("piano.db")));
    }
    FormSeq *window() { return forms.get<FormSeq>(QStringLiteral("FormSeq")); }
};

QWidget *visibleWindow(const QString &title)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->windowTitle() == title)
            return w;
    }
    return nullptr;
}

// Closes whatever modal window shows up, so a dialog shown modally fails the test
// instead of hanging it; records what it closed.
struct ModalCatcher {
    QStringList seen;
    QTimer timer;
    ModalCatcher()
    {
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                if (auto *box = qobject_cast<QMessageBox *>(modal))
                    seen << box->windowTitle() + u'|' + box->text();
                else
                    seen << modal->windowTitle();
                modal->close();
            }
        });
        timer.start();
    }
};

} // namespace

class TestFormSeq : public QObject {
    Q_OBJECT
private slots:
    void load();
    void chooserFirstOpeningShowsTheLoadSelection();
    void chooser_data();
    void chooser();
    void numberOfSequences_data();
    void numberOfSequences();
    void dialogsAreNotModal_data();
    void dialogsAreNotModal();
    void startFailureIsShownOnce();
    void keysPlayTheExercise();
};

void TestFormSeq::load()
{
    SeqContext ctx;
    ctx.settings.SoundPath = QStringLiteral("/elsewhere/XYL.WAV");
    ctx.settings.SequenceCountLeft = 3;
    ctx.settings.ExerciseIndex = 5;
    FormSeq *w = ctx.window();
    QVERIFY(w);

    QCOMPARE(ctx.settings.SequenceCountLeft, qint16(8));
    QCOMPARE(ctx.settings.SequenceCountRight, qint16(8));
    // The window plays the sound the other windows set, and leaves the exercise alone.
    QCOMPARE(ctx.settings.SoundPath, QStringLiteral("/elsewhere/XYL.WAV"));
    QCOMPARE(ctx.settings.ExerciseIndex, qint16(5));
    QCOMPARE(w->label(Label::lblImeVezbe)->text(),
             QStringLiteral("Hanon1    (5,4,3,2,1,2,3,4)     (1,2,3,4,5,4,3,2)"));
    QCOMPARE(w->label(Label::Label7Sequential)->text(), QStringLiteral("Sequential    exercise :"));
    QCOMPARE(w->label(Label::Label9)->text(), QString());
    QCOMPARE(w->label(Label::Label11)->text(), QString());
    QCOMPARE(w->logic()->Data1().databaseName(), ctx.dir.filePath(QStringLiteral("piano.db")));
    QCOMPARE(w->logic()->Data2().recordSource(), QStringLiteral("Desnavezbe"));
    QVERIFY(w->logic()->Data1().isOpen());
    QVERIFY(!w->dialogsModal());
    QVERIFY(w->action(Command::mnuSeq)->isChecked());
    // Both dialogs exist unseen after the load.
    QVERIFY(w->chooser() && !w->chooser()->isVisible());
    QVERIFY(w->numberOfSequences() && !w->numberOfSequences()->isVisible());
}

void TestFormSeq::chooserFirstOpeningShowsTheLoadSelection()
{
    SeqContext ctx;
    FormSeq *w = ctx.window();
    w->trigger(Command::mnuChooseexe);
    frmChoosePractice *first = w->chooser();
    QVERIFY(first && first->isVisible());
    QCOMPARE(first->windowTitle(), QStringLiteral("Choose your exercise"));
    QCOMPARE(first->List1()->count(), 20);
    QCOMPARE(first->List1()->selectedItems().size(), 1);
    QCOMPARE(first->List1()->row(first->List1()->selectedItems().first()), 0);
    QTest::mouseClick(first->CancelButton(), Qt::LeftButton);
    QTRY_VERIFY(!w->chooser());

    w->trigger(Command::mnuChooseexe);
    QVERIFY(w->chooser() && w->chooser()->isVisible());
    QVERIFY(w->chooser()->List1()->selectedItems().isEmpty());
    QTest::mouseClick(w->chooser()->OKButton(), Qt::LeftButton);
    QCOMPARE(ctx.settings.ExerciseIndex, qint16(0));
}

void TestFormSeq::chooser_data()
{
    QTest::addColumn<int>("select"); // -1: no entry selected
    QTest::addColumn<QString>("close");
    QTest::addColumn<int>("index"); // ExerciseIndex and entry shown afterwards

    // Each row starts from Hanon5 chosen by an earlier OK.
    QTest::newRow("OK on Hanon12") << 11 << QStringLiteral("ok") << 11;
    QTest::newRow("OK on Hanon1") << 0 << QStringLiteral("ok") << 0;
    QTest::newRow("Enter on Hanon3") << 2 << QStringLiteral("enter") << 2;
    QTest::newRow("Cancel on Hanon12") << 11 << QStringLiteral("cancel") << 4;
    QTest::newRow("Escape on Hanon12") << 11 << QStringLiteral("escape") << 4;
    QTest::newRow("OK with nothing selected") << -1 << QStringLiteral("ok") << 4;
}

void TestFormSeq::chooser()
{
    QFETCH(int, select);
    QFETCH(QString, close);
    QFETCH(int, index);

    SeqContext ctx;
    FormSeq *w = ctx.window();
    w->trigger(Command::mnuChooseexe);
    w->chooser()->select(4);
    QTest::mouseClick(w->chooser()->OKButton(), Qt::LeftButton);
    QCOMPARE(ctx.settings.ExerciseIndex, qint16(4));
    QTRY_VERIFY(!w->chooser());

    w->trigger(Command::mnuChooseexe);
    frmChoosePractice *dialog = w->chooser();
    QVERIFY(dialog);
    if (select >= 0)
        dialog->List1()->item(select)->setSelected(true);
    if (close == QLatin1String("ok"))
        QTest::mouseClick(dialog->OKButton(), Qt::LeftButton);
    else if (close == QLatin1String("cancel"))
        QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
    else
        QTest::keyClick(dialog->List1(),
                        close == QLatin1String("enter") ? Qt::Key_Return : Qt::Key_Escape);

    QTRY_VERIFY(!w->chooser());
    QCOMPARE(ctx.settings.ExerciseIndex, qint16(index));
    QCOMPARE(w->label(Label::lblImeVezbe)->text(),
             ExerciseFigures::read(QStringLiteral(MORAVEL_BIN_DIR "/piano.db")).at(index).entry());
}

void TestFormSeq::numberOfSequences_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("count");

    QTest::newRow("one, not the list's twelve") << QStringLiteral("1") << true << 1;
    QTest::newRow("from the list") << QStringLiteral("12") << true << 12;
    QTest::newRow("half to even, down") << QStringLiteral("2.5") << true << 2;
    QTest::newRow("half to even, up") << QStringLiteral("3.5") << true << 4;
    QTest::newRow("number then words") << QStringLiteral("12 times") << true << 12;
    QTest::newRow("letters") << QStringLiteral("abc") << true << 0;
    QTest::newRow("negative") << QStringLiteral("-4") << true << -4;
    QTest::newRow("cancel") << QStringLiteral("20") << false << 8;
}

void TestFormSeq::numberOfSequences()
{
    QFETCH(QString, typed);
    QFETCH(bool, ok);
    QFETCH(int, count);

    SeqContext ctx;
    FormSeq *w = ctx.window();
    w->trigger(Command::mnuTask);
    CountDialog *dialog = w->numberOfSequences();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Choose number of sequences"));
    QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("Label1"))->text(),
             QStringLiteral("Choose number of sequences :"));
    QComboBox *combo = dialog->Combo1();
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    QCOMPARE(list.join(u' '), QStringLiteral("4 8 12 16 20 24 28 32 36 40"));
    QCOMPARE(combo->currentText(), QStringLiteral("8"));

    // Typed as a player would, over the selected initial text.
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), typed);
    QCOMPARE(combo->currentText(), typed);
    QTest::mouseClick(ok ? dialog->OKButton() : dialog->CancelButton(), Qt::LeftButton);
    QTRY_VERIFY(!w->numberOfSequences());
    QCOMPARE(ctx.settings.SequenceCountLeft, qint16(count));
    QCOMPARE(ctx.settings.SequenceCountRight, qint16(count));

    w->trigger(Command::mnuTask);
    QCOMPARE(w->numberOfSequences()->Combo1()->currentText(), QStringLiteral("8"));
}

void TestFormSeq::dialogsAreNotModal_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("title");
    QTest::newRow("Choose exercise")
        << QStringLiteral("mnuChooseexe") << QStringLiteral("Choose your exercise");
    QTest::newRow("Number of sequences")
        << QStringLiteral("mnuTask") << QStringLiteral("Choose number of sequences");
    QTest::newRow("Level") << QStringLiteral("mnuLevel")
                           << QStringLiteral("Select level for the test");
    QTest::newRow("New user") << QStringLiteral("mnuUser")
                              << QStringLiteral("Enter your name to personify result log");
}

void TestFormSeq::dialogsAreNotModal()
{
    QFETCH(QString, item);
    QFETCH(QString, title);

    SeqContext ctx;
    FormSeq *w = ctx.window();
    w->show();
    ModalCatcher catcher;
    w->trigger(*Commands::byObjectName(item));
    // The command returned with the dialog still open.
    QWidget *dialog = visibleWindow(title);
    QVERIFY(dialog);
    QCOMPARE(dialog->windowModality(), Qt::NonModal);
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(catcher.seen.isEmpty());

    // The exercise goes on meanwhile.
    w->trigger(Command::mnuStart);
    QVERIFY(w->logic()->isRunning());
    w->logic()->keyUp({Hand::Left, 5});
    QCOMPARE(w->label(Label::Label1)->text(), QStringLiteral("4"));
    QCOMPARE(w->label(Label::lbllRezultat)->text(), QStringLiteral("5"));
    dialog->close();
}

void TestFormSeq::startFailureIsShownOnce()
{
    SeqContext ctx(false);
    FormSeq *w = ctx.window();
    w->show();
    ModalCatcher catcher;
    w->trigger(Command::mnuStart);
    QTRY_COMPARE(catcher.seen.size(), 1);
    QTest::qWait(100);
    QCOMPARE(catcher.seen.size(), 1);
    const QString shown = catcher.seen.first();
    QVERIFY2(shown.startsWith(QLatin1String("Moravel|")), qPrintable(shown));
    QVERIFY2(shown.contains(ctx.dir.filePath(QStringLiteral("piano.db"))), qPrintable(shown));
    QVERIFY2(shown.contains(QLatin1String("missing")), qPrintable(shown));
    QVERIFY(ctx.sound.played.isEmpty());
    QVERIFY(w->isVisible());
    QVERIFY(!w->logic()->isRunning());
}

void TestFormSeq::keysPlayTheExercise()
{
    SeqContext ctx;
    ctx.settings.PlayerName = QStringLiteral("Ana");
    FormSeq *w = ctx.window();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    ctx.settings.SequenceCountLeft = ctx.settings.SequenceCountRight = 0;
    w->trigger(Command::mnuStart);
    QCOMPARE(w->label(Label::Label1)->text(), QStringLiteral("5"));
    QCOMPARE(w->label(Label::Label2)->text(), QStringLiteral("1"));

    QWidget *canvas = w->centralWidget();
    QTest::keyClick(canvas, Qt::Key_Z);
    QTest::keyClick(canvas, Qt::Key_PageDown);
    QCOMPARE(w->label(Label::Label9)->text(), QStringLiteral("End of exercise"));
    QCOMPARE(w->label(Label::Label11)->text(), QStringLiteral("End of exercise"));
    QCOMPARE(w->label(Label::Label1)->text(), QString());
    QCOMPARE(w->label(Label::lblRezultat)->text(), QStringLiteral("10"));
    QCOMPARE(ctx.logFile.bytes(),
             QByteArray("+ last task points diference\r\n12-07 14:03:59\r\nAna\r\n"
                        "Sequential 0 sequences\r\n10  points\r\n\r\n"));
}

QTEST_MAIN(TestFormSeq)
#include "tst_formseq.moc"
