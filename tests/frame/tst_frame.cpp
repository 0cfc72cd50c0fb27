// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise-window frame: menus, switching, unloading, Reset, the name prompt, View
// results and the random drill's option dialogs.
#include "MemoryTestDatabase.h"
#include "TestContext.h"
#include "app/WindowCatalog.h"
#include "frame/CountDialog.h"
#include "frame/LevelDialog.h"
#include "random/FingerRangeDialog.h"
#include "random/FormRand.h"
#include "random/RandomDrill.h"
#include "random/RandomOptions.h"
#include "sequential/FormSeq.h"
#include "settings/frmLog.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace {

// Runs `inside` once the next modal dialog is up, then leaves it with `close`.
void whenModal(std::function<void(QWidget *)> inside)
{
    QTimer::singleShot(0, [inside] {
        QWidget *modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        inside(modal);
    });
}

// A second exercise window for switching tests.
class OtherWindow : public ExerciseWindow {
public:
    explicit OtherWindow(Forms &forms) : ExerciseWindow(forms, ExerciseKind::Sequential, QString())
    {}
    bool dialogsModal() const override { return false; }
};

} // namespace

class TestFrame : public QObject {
    Q_OBJECT
private slots:
    void randomMenuBar_data();
    void randomMenuBar();
    void otherWindowsMenus_data();
    void otherWindowsMenus();
    void checkedAndDisabledItemsDoNothing();
    void frameSizeAndCaption();
    void everyKindHasOneWindow();
    void switchingKeepsStateAndTimers();
    void closingUnloadsAllInReverseOrder();
    void resetShowsZeroAndKeepsScores();
    void namePrompt_data();
    void namePrompt();
    void userNewIsModal();
    void viewResultsOpensTheOneLogFile_data();
    void viewResultsOpensTheOneLogFile();
    void numberOfTasks_data();
    void numberOfTasks();
    void countOutside16BitsIsRefused();
    void countDialogsTabAndHighlight_data();
    void countDialogsTabAndHighlight();
    void levelSetsRandomWindowTimers();
    void levelLoadsRandomWindowUnseen();
    void fingerRangeKeepsSelection();
    void fingerRangeCancelKeepsClickButNotSetting();
};

void TestFrame::randomMenuBar_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("enabled");

    auto row = [](const char *name, const char *caption, const char *shortcut = "",
                  bool checked = false, bool enabled = true) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(caption)
                            << QString::fromLatin1(shortcut) << checked << enabled;
    };
    row("mnuTest", "&Test");
    row("mnuStart", "&Start", "Del");
    row("mnuReset", "&Reset", "F12");
    row("mnuRand", "Ra&ndom", "", true);
    row("mnuSeq", "Se&quential exercises");
    row("mnuMem", "&Memory exercises");
    row("mnuPreschool", "&Preschool");
    row("mnuAdaptive", "&Adaptive");
    row("mnuUse", "&User");
    row("mnuUser", "&New");
    row("mnuViewLog", "&View results");
    row("mnuOptions", "&Options");
    row("mnu3", "&Choose exercise", "", false, false);
    row("mnuTask", "&Number of tasks");
    row("mnu2", "N&umber of sequences", "", false, false);
    row("mnuLevel", "&Level");
    row("mnuLComb", "&Left hand combinations");
    row("mnuRComb", "&Right Hand combinations");
    row("mnuHands", "&Hands");
    row("mnuHandsBoth", "&Both", "", true);
    row("mnuHandsLeft", "&Left only");
    row("mnuKeyboard", "&Keyboard...");
    row("mnuMidi", "&Piano keyboard (MIDI)...");
    row("mnuCheckKeys", "Ch&eck keys...");
    row("mnuHelp", "&Help");
    row("mnuContents", "&Contents            F1");
    row("mnuRaspored", "&Key dispositon");
    row("mnuAbout", "About");
}

void TestFrame::randomMenuBar()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    QFETCH(bool, checked);
    QFETCH(bool, enabled);
    TestContext t;
    auto *window = t.forms.get<FormRand>(QStringLiteral("FormRand"));
    QVERIFY(window);
    const auto command = Commands::byObjectName(name);
    QVERIFY2(command, qPrintable(name));
    QAction *action = window->action(*command);
    if (!action) {
        auto *menu = window->menuBar()->findChild<QMenu *>(name);
        QVERIFY2(menu, qPrintable(name));
        action = menu->menuAction();
    }
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->shortcut().toString(), shortcut);
    QCOMPARE(action->isChecked(), checked);
    QCOMPARE(action->isEnabled(), enabled);
}

void TestFrame::otherWindowsMenus_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("enabled");
    using W = ExerciseKind;
    auto row = [](W w, const char *tag, const char *name, const char *caption, bool checked,
                  bool enabled) {
        QTest::newRow(tag) << int(w) << QString::fromLatin1(name) << QString::fromLatin1(caption)
                           << checked << enabled;
    };
    row(W::Sequential, "seq exit", "mnuExit", "Ra&ndom exercises", false, true);
    row(W::Sequential, "seq checked", "mnuSeq", "Se&quential exercises", true, true);
    row(W::Sequential, "seq choose", "mnuChooseexe", "&Choose exercise", false, true);
    row(W::Sequential, "seq tasks off", "mnu1", "N&umber of tasks", false, false);
    row(W::Sequential, "seq sequences", "mnuTask", "&Number of sequences", false, true);
    row(W::Sequential, "seq left off", "mnuLComb", "&Left hand combinations", false, false);
    row(W::Sequential, "seq right off", "mnuRComb", "&Right Hand combinations", false, false);
    row(W::Sequential, "seq contents", "mnuContents", "&Contents        F1", false, true);
    row(W::Memory, "mem exit", "mnuExit", "Ra&ndom exercises", false, true);
    row(W::Memory, "mem checked", "mnuMem", "&Memory exercise", true, true);
    row(W::Memory, "mem choose off", "mnuExe", "&Choose exercise", false, false);
    row(W::Memory, "mem tasks off", "mnu1", "N&umber of tasks", false, false);
    row(W::Memory, "mem tasks", "mnuTask", "&Number of memory tasks", false, true);
    row(W::Memory, "mem notes", "mnuNPT", "Notes per task", false, true);
    row(W::Memory, "mem 3", "mnu3", "3", false, true);
    row(W::Memory, "mem 5", "mnu5", "5", true, true);
    row(W::Memory, "mem contents", "mnuContents", "&Contents        F1", false, true);
    row(W::Preschool, "pre random", "mnuRand", "Ra&ndom", false, true);
    row(W::Preschool, "pre checked", "mnuPreschool", "&Preschool", true, true);
    row(W::Preschool, "pre tasks", "mnuTask", "&Number of tasks", false, true);
    row(W::Preschool, "pre left", "mnuLComb", "&Left hand combinations", false, true);
    row(W::Preschool, "pre contents", "mnuContents", "&Contents            F1", false, true);
    row(W::Adaptive, "adaptive checked", "mnuAdaptive", "&Adaptive", true, true);
    row(W::Adaptive, "adaptive random", "mnuRand", "Ra&ndom", false, true);
    row(W::Adaptive, "adaptive tasks", "mnuTask", "&Number of tasks", false, true);
    row(W::Adaptive, "adaptive minutes", "mnuMinutes", "Number of &minutes", false, true);
    row(W::Adaptive, "adaptive one hand", "mnuHandsRight", "&Right only", false, true);
    row(W::Sequential, "seq adaptive", "mnuAdaptive", "&Adaptive", false, true);
}

void TestFrame::otherWindowsMenus()
{
    QFETCH(int, window);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(bool, checked);
    QFETCH(bool, enabled);
    std::function<const MenuItemSpec *(const QList<MenuItemSpec> &)> find =
        [&](const QList<MenuItemSpec> &items) -> const MenuItemSpec * {
        for (const MenuItemSpec &item : items) {
            if (Commands::objectName(item.name) == name)
                return &item;
            if (const MenuItemSpec *inner = find(item.submenu))
                return inner;
        }
        return nullptr;
    };
    const QList<MenuSpec> menus = WindowCatalog::menus(ExerciseKind(window));
    const MenuItemSpec *found = nullptr;
    for (const MenuSpec &menu : menus) {
        if (!found)
            found = find(menu.items);
    }
    QVERIFY2(found, qPrintable(name));
    QCOMPARE(found->caption, caption);
    QCOMPARE(found->checked, checked);
    QCOMPARE(found->enabled, enabled);
}

void TestFrame::checkedAndDisabledItemsDoNothing()
{
    TestContext t;
    auto *window = t.forms.get<FormRand>(QStringLiteral("FormRand"));
    window->show();
    const QStringList before = t.forms.loadOrder();
    window->action(Command::mnuRand)->trigger();
    QVERIFY(window->action(Command::mnuRand)->isChecked());
    QVERIFY(window->isVisible());
    window->trigger(Command::mnu2);
    window->trigger(Command::mnu3);
    QCOMPARE(t.forms.loadOrder(), before);
    QVERIFY(!QApplication::activeModalWidget());
}

// Every kind the history can hold has exactly one window, reached by a command of its own,
// offered by the Statistics window, and whose id reads back as the kind.
void TestFrame::everyKindHasOneWindow()
{
    TestContext t;
    const QList<ExerciseEntry> &rows = t.forms.exercises();
    QCOMPARE(rows.size(), qsizetype(ExerciseKind::Count));
    const auto choices = WindowCatalog::statisticsChoices();
    QSet<QString> names;
    QSet<Command> commands;
    int opensFirst = 0;
    for (ExerciseKind kind : ExerciseKinds::all()) {
        const ExerciseEntry *row = t.forms.exercise(kind);
        QVERIFY(row);
        QCOMPARE(ExerciseKinds::fromId(ExerciseKinds::id(kind)), kind);
        names.insert(row->name);
        commands.insert(row->command);
        opensFirst += row->first;
        auto *window = t.forms.get<ExerciseWindow>(row->name);
        QVERIFY2(window && window->kind() == kind, qPrintable(row->name));
        QVERIFY(window->action(row->command)->isChecked());
        const auto offered = std::find_if(choices.begin(), choices.end(), [&](const auto &c) {
            return c.first == ExerciseKinds::id(kind);
        });
        QVERIFY(offered != choices.end() && !offered->second.isEmpty());
    }
    QCOMPARE(names.size(), rows.size());
    QCOMPARE(commands.size(), rows.size());
    QCOMPARE(opensFirst, 1);
    QVERIFY(!ExerciseKinds::fromId(u"dance"));
}

void TestFrame::frameSizeAndCaption()
{
    TestContext t;
    auto *window = t.forms.get<FormRand>(QStringLiteral("FormRand"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Moravel"));
    QCOMPARE(window->centralWidget()->size(), QSize(760, 589));
    QCOMPARE(window->label(Label::Label7Random)->text(), QStringLiteral("Random test"));
    QCOMPARE(window->label(Label::Label1)->font().pointSize(), 48);
    QCOMPARE(window->label(Label::lblRezultat)->font().pointSize(), 24);
}

void TestFrame::switchingKeepsStateAndTimers()
{
    TestContext t;
    t.forms.registerForm(QStringLiteral("FormSeq"), [](Forms &f) { return new OtherWindow(f); });
    auto *random = t.forms.get<FormRand>(QStringLiteral("FormRand"));
    random->show();
    random->trigger(Command::mnuStart);
    auto *left = static_cast<FakeTicker *>(&random->Timer1());
    left->fire(2);
    const QString task = random->logic()->Leva();

    random->trigger(Command::mnuSeq);
    auto *other = t.forms.get<ExerciseWindow>(QStringLiteral("FormSeq"));
    QVERIFY(other->isVisible());
    QVERIFY(!random->isVisible());
    // Hidden, the random window keeps its task and its timer runs on.
    QVERIFY(left->isActive());
    left->fire();
    other->trigger(Command::mnuExit);
    QVERIFY(random->isVisible());
    QVERIFY(!other->isVisible());
    QCOMPARE(random->logic()->Leva(), task);
    QCOMPARE(int(random->logic()->LeftTicks()), 3);
    QCOMPARE(random->label(Label::lbllpoeni)->text(), QStringLiteral("2"));
    QCOMPARE(t.forms.loadOrder(), QStringList({"FormRand", "FormSeq"}));
}

void TestFrame::closingUnloadsAllInReverseOrder()
{
    TestContext t;
    t.forms.registerForm(QStringLiteral("FormSeq"), [](Forms &f) { return new OtherWindow(f); });
    t.forms.form(QStringLiteral("frmLog"));
    auto *random = t.forms.get<FormRand>(QStringLiteral("FormRand"));
    t.forms.form(QStringLiteral("frmLkomb"));
    t.forms.form(QStringLiteral("FormSeq"));
    QPointer<QWidget> seq = t.forms.form(QStringLiteral("FormSeq"));
    QPointer<QWidget> prompt = t.forms.form(QStringLiteral("frmLog"));
    QSignalSpy spy(&t.forms, &Forms::unloaded);
    random->show();
    random->close();
    QStringList order;
    for (const auto &args : spy)
        order << args.first().toString();
    QCOMPARE(order, QStringList({"FormSeq", "frmLkomb", "FormRand", "frmLog"}));
    QVERIFY(seq.isNull());
    QVERIFY(prompt.isNull());
    QVERIFY(t.forms.loadOrder().isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestFrame::resetShowsZeroAndKeepsScores()
{
    TestContext t;
    auto *random = t.forms.get<FormRand>(QStringLiteral("FormRand"));
    RandomDrill *drill = random->logic();
    random->trigger(Command::mnuStart);
    drill->keyUp({Hand::Left, drill->Leva().toInt()});
    QCOMPARE(random->label(Label::lblRezultat)->text(), QStringLiteral("5"));
    const QString task = drill->Leva();
    random->trigger(Command::mnuReset);
    QCOMPARE(random->label(Label::lblRezultat)->text(), QStringLiteral("0"));
    QCOMPARE(random->label(Label::lbllRezultat)->text(), QStringLiteral("0"));
    QCOMPARE(random->label(Label::lbldRezultat)->text(), QStringLiteral("0"));
    QCOMPARE(drill->Leva(), task);
    QCOMPARE(int(drill->LeftScore()), 5);
    drill->keyUp({Hand::Left, drill->Leva().toInt()});
    QCOMPARE(random->label(Label::lbllRezultat)->text(), QStringLiteral("10"));
    QCOMPARE(random->label(Label::lblRezultat)->text(), QStringLiteral("10"));
    QCOMPARE(random->label(Label::lbldRezultat)->text(), QStringLiteral("0"));
}

void TestFrame::namePrompt_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("player");
    QTest::newRow("empty") << ""
                           << "Anonymous";
    QTest::newRow("name with blanks") << "Ana  Maria "
                                      << "Ana  Maria ";
    QTest::newRow("blanks only") << "   "
                                 << "   ";
    QTest::newRow("letters and punctuation")
        << QString::fromUtf8("Željka O'Neil, 3.b") << QString::fromUtf8("Željka O'Neil, 3.b");
}

void TestFrame::namePrompt()
{
    QFETCH(QString, typed);
    QFETCH(QString, player);
    TestContext t;
    auto *prompt = t.forms.get<frmLog>(QStringLiteral("frmLog"));
    QCOMPARE(prompt->windowTitle(), QStringLiteral("Enter your name to personify result log"));
    auto *ok = prompt->findChild<QPushButton *>(QStringLiteral("OKButton"));
    QVERIFY(ok->isDefault());
    prompt->show();
    prompt->Text1()->setText(typed);
    QTest::keyClick(prompt->Text1(), Qt::Key_Return);
    QCOMPARE(t.settings.PlayerName, player);
    QVERIFY(!prompt->isVisible());
    QWidget *start = t.forms.form(t.forms.startWindow());
    QVERIFY(start && start->isVisible());
    // Hidden, not discarded: the name is still there at the next showing.
    QCOMPARE(prompt->Text1()->text(), typed);
}

void TestFrame::userNewIsModal()
{
    TestContext t;
    auto *random = t.forms.get<FormRand>(QStringLiteral("FormRand"));
    random->show();
    bool wasModal = false;
    whenModal([&](QWidget *modal) {
        wasModal = modal->objectName() == QLatin1String("frmLog");
        static_cast<frmLog *>(modal)->Text1()->setText(QStringLiteral("Mia"));
        static_cast<frmLog *>(modal)->OKButton_Click();
    });
    random->trigger(Command::mnuUser);
    QVERIFY(wasModal);
    QCOMPARE(t.settings.PlayerName, QStringLiteral("Mia"));
    QVERIFY(random->isVisible());
}

void TestFrame::viewResultsOpensTheOneLogFile_data()
{
    QTest::addColumn<QString>("existing");
    // The log in use is in the user's data folder, which is not there yet.
    QTest::addColumn<bool>("inDataFolder");
    QTest::newRow("no log yet") << "" << false;
    QTest::newRow("log written by the drill") << "Results Log.TXT" << false;
    QTest::newRow("log with the other spelling") << "Results Log.txt" << false;
    QTest::newRow("installed copy, log in the data folder") << "" << true;
}

void TestFrame::viewResultsOpensTheOneLogFile()
{
    QFETCH(QString, existing);
    QFETCH(bool, inDataFolder);
    TestContext t;
    if (!existing.isEmpty()) {
        QFile f(t.dir.filePath(existing));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("12-07 14:03:59\r\n");
    }
    const QString dataLog = t.dir.filePath(QStringLiteral("data/Moravel/Results Log.TXT"));
    if (inDataFolder)
        t.context.resultsLogPath = [dataLog] { return dataLog; };
    auto *random = t.forms.get<FormRand>(QStringLiteral("FormRand"));
    random->trigger(Command::mnuViewLog);
    QCOMPARE(t.processes.opened.size(), 1);
    const QString opened = t.processes.opened.first();
    const QString expected =
        inDataFolder
            ? dataLog
            : t.dir.filePath(existing.isEmpty() ? QStringLiteral("Results Log.TXT") : existing);
    QCOMPARE(opened, expected);
    QFile f(opened);
    QVERIFY(f.exists());
    // Opening never changes what is in the log.
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), existing.isEmpty() ? QByteArray() : QByteArray("12-07 14:03:59\r\n"));
    QCOMPARE(QDir(t.dir.path()).entryList({"Results*"}).size(), inDataFolder ? 0 : 1);
}

void TestFrame::numberOfTasks_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("count");
    QTest::newRow("35") << "35" << true << 35;
    QTest::newRow("12.5") << "12.5" << true << 12;
    QTest::newRow("13.5") << "13.5" << true << 14;
    QTest::newRow("letters") << "abc" << true << 0;
    QTest::newRow("cancel") << "50" << false << 20;
}

void TestFrame::numberOfTasks()
{
    QFETCH(QString, typed);
    QFETCH(bool, ok);
    QFETCH(int, count);
    TestContext t;
    auto *random = t.forms.get<FormRand>(QStringLiteral("FormRand"));
    random->show();
    QString initial;
    whenModal([&](QWidget *modal) {
        auto *combo = modal->findChild<QComboBox *>(QStringLiteral("Combo1"));
        initial = combo->currentText();
        QCOMPARE(combo->count(), 10);
        combo->setEditText(typed);
        QTest::keyClick(combo, ok ? Qt::Key_Return : Qt::Key_Escape);
    });
    random->trigger(Command::mnuTask);
    QCOMPARE(initial, QStringLiteral("20"));
    QCOMPARE(int(t.settings.TaskCountLeft), count);
    QCOMPARE(int(t.settings.TaskCountRight), count);
}

void TestFrame::countOutside16BitsIsRefused()
{
    TestContext t;
    auto *random = t.forms.get<FormRand>(QStringLiteral("FormRand"));
    random->show();
    bool stayedOpen = false;
    QString selected;
    whenModal([&](QWidget *modal) {
        auto *combo = modal->findChild<QComboBox *>(QStringLiteral("Combo1"));
        combo->setEditText(QStringLiteral("40000"));
        QTest::keyClick(combo, Qt::Key_Return);
        stayedOpen = modal->isVisible();
        selected = combo->lineEdit()->selectedText();
        QTest::keyClick(combo, Qt::Key_Escape);
    });
    random->trigger(Command::mnuTask);
    QVERIFY(stayedOpen);
    QCOMPARE(selected, QStringLiteral("40000"));
    QCOMPARE(int(t.settings.TaskCountLeft), 20);
}

void TestFrame::countDialogsTabAndHighlight_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("initial");
    QTest::newRow("number of tasks") << "FormRand"
                                     << "20";
    QTest::newRow("number of sequences") << "FormSeq"
                                         << "8";
    QTest::newRow("number of memory tasks") << "FormMemory"
                                            << "8";
}

void TestFrame::countDialogsTabAndHighlight()
{
    QFETCH(QString, window);
    QFETCH(QString, initial);
    TestContext t;
    // With its data, so the memory window opens without a warning.
    QVERIFY(MemoryTestDatabase::write(t.dir.filePath(QStringLiteral("piano.db"))));
    auto *exercise = t.forms.get<ExerciseWindow>(window);
    exercise->show();
    bool checked = false;
    const auto check = [&](QWidget *dialog) {
        auto *combo = dialog->findChild<QComboBox *>(QStringLiteral("Combo1"));
        auto *ok = dialog->findChild<QPushButton *>(QStringLiteral("OKButton"));
        auto *cancel = dialog->findChild<QPushButton *>(QStringLiteral("CancelButton"));
        const auto closeDialog = qScopeGuard([dialog] { dialog->close(); });
        // Where Tab goes from a control: the next one that takes focus by Tab.
        const auto tabFrom = [](QWidget *w) {
            do
                w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus));
            return w;
        };
        QCOMPARE(tabFrom(ok), cancel);
        QCOMPARE(tabFrom(cancel), combo);
        // The list opens on the entry the box reads; a typed count not in it marks none.
        combo->showPopup();
        QCOMPARE(combo->view()->currentIndex().data().toString(), initial);
        combo->hidePopup();
        combo->setEditText(QStringLiteral("13"));
        combo->showPopup();
        QVERIFY(!combo->view()->currentIndex().isValid());
        QCOMPARE(combo->currentText(), QStringLiteral("13"));
        combo->hidePopup();
        checked = true;
    };
    if (exercise->dialogsModal()) {
        whenModal(check);
        exercise->trigger(Command::mnuTask);
    } else {
        exercise->trigger(Command::mnuTask);
        auto *sequential = qobject_cast<FormSeq *>(exercise);
        QVERIFY(sequential && sequential->numberOfSequences());
        check(sequential->numberOfSequences());
    }
    QVERIFY(checked);
}

void TestFrame::levelSetsRandomWindowTimers()
{
    TestContext t;
    auto *random = t.forms.get<FormRand>(QStringLiteral("FormRand"));
    random->show();
    random->trigger(Command::mnuStart);
    for (int round = 0; round < 2; ++round) {
        bool intermediateFirst = false;
        whenModal([&](QWidget *modal) {
            auto *dialog = static_cast<LevelDialog *>(modal);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Select level for the test"));
            intermediateFirst = dialog->option(2)->isChecked();
            dialog->option(4)->setChecked(true);
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        random->trigger(Command::mnuLevel);
        // It always opens at Intermediate, whatever the level.
        QVERIFY(intermediateFirst);
        QCOMPARE(random->Timer1().interval(), 400);
        QCOMPARE(random->Timer2().interval(), 400);
        QVERIFY(random->Timer1().isActive());
    }
    whenModal([](QWidget *modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    random->trigger(Command::mnuLevel);
    QCOMPARE(random->Timer1().interval(), 400);
}

void TestFrame::levelLoadsRandomWindowUnseen()
{
    TestContext t;
    t.forms.registerForm(QStringLiteral("FormSeq"), [](Forms &f) {
        auto *window = new OtherWindow(f);
        RandomOptions::installLevel(window, f);
        return window;
    });
    t.settings.LeftFingerMax = QStringLiteral("2");
    t.settings.LeftFingerMin = QStringLiteral("4");
    auto *other = t.forms.get<ExerciseWindow>(QStringLiteral("FormSeq"));
    other->show();
    QVERIFY(!t.forms.isLoaded(QStringLiteral("FormRand")));
    other->trigger(Command::mnuLevel);
    auto *dialog = other->findChild<LevelDialog *>();
    QVERIFY(dialog && dialog->isVisible()); // ordinary, not modal, in this window
    QVERIFY(!QApplication::activeModalWidget());
    dialog->option(0)->setChecked(true);
    dialog->OKButton_Click();
    auto *random = t.forms.get<FormRand>(QStringLiteral("FormRand"));
    QVERIFY(random && !random->isVisible());
    QCOMPARE(random->Timer1().interval(), 3000);
    // Loading the random window reset the ranges and counts.
    QCOMPARE(t.settings.LeftFingerMax, QStringLiteral("5"));
    QCOMPARE(t.settings.LeftFingerMin, QStringLiteral("1"));
    QCOMPARE(int(t.settings.TaskCountLeft), 20);
}

void TestFrame::fingerRangeKeepsSelection()
{
    TestContext t;
    auto *random = t.forms.get<FormRand>(QStringLiteral("FormRand"));
    random->show();
    whenModal([](QWidget *modal) {
        auto *dialog = static_cast<FingerRangeDialog *>(modal);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Left hand finger combinations"));
        QVERIFY(dialog->option(0)->isChecked());
        QCOMPARE(dialog->option(5)->text(), QStringLiteral("3,4,5"));
        dialog->option(5)->setChecked(true);
        dialog->OKButton_Click();
    });
    random->trigger(Command::mnuLComb);
    QCOMPARE(t.settings.LeftFingerMax, QStringLiteral("3"));
    QCOMPARE(t.settings.LeftFingerMin, QStringLiteral("3"));
    QCOMPARE(t.settings.RightFingerMax, QStringLiteral("5"));
    bool kept = false;
    whenModal([&](QWidget *modal) {
        kept = static_cast<FingerRangeDialog *>(modal)->option(5)->isChecked();
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    random->trigger(Command::mnuLComb);
    QVERIFY(kept);
    // The pyramid: the full range stands right of the two-finger ranges, centred on them.
    auto *dialog = t.forms.get<FingerRangeDialog>(QStringLiteral("frmLkomb"));
    QVERIFY(dialog->option(0)->x() > dialog->option(9)->x());
    const int twoFingerMiddle = (dialog->option(6)->y() + dialog->option(9)->y()) / 2;
    QVERIFY(qAbs(dialog->option(0)->y() - twoFingerMiddle) <= 2);
}

void TestFrame::fingerRangeCancelKeepsClickButNotSetting()
{
    TestContext t;
    auto *random = t.forms.get<FormRand>(QStringLiteral("FormRand"));
    random->show();
    whenModal([](QWidget *modal) {
        auto *dialog = static_cast<FingerRangeDialog *>(modal);
        dialog->option(9)->setChecked(true);
        dialog->CancelButton_Click();
    });
    random->trigger(Command::mnuRComb);
    QCOMPARE(t.settings.RightFingerMax, QStringLiteral("5"));
    QCOMPARE(t.settings.RightFingerMin, QStringLiteral("1"));
    auto *dialog = t.forms.get<FingerRangeDialog>(QStringLiteral("frmDkomb"));
    QVERIFY(dialog->option(9)->isChecked());
}

QTEST_MAIN(TestFrame)
#include "tst_frame.moc"
