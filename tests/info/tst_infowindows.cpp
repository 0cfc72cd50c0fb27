// SPDX-License-Identifier: GPL-3.0-or-later
#include "../support/FakeRegistry.h"
#include "../support/TestContext.h"
#include "frame/BackgroundWidget.h"
#include "frame/ExerciseWindow.h"
#include "info/HelpWindow.h"
#include "info/InfoCommands.h"
#include "info/SysInfo.h"
#include "info/frmAbout.h"
#include "input/InputPreferences.h"
#include "settings/ProgramFolder.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

using Kind = ExerciseKind;

namespace {

void writeFile(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

int loadedCount(const Forms &forms, const QString &name)
{
    return static_cast<int>(forms.loadOrder().count(name));
}

// Runs call, which may open a modal window; the modal window (if any) is noted and
// closed from inside its event loop. A call still running after two seconds is blocked:
// its dialogs are closed so that it ends, and blocked is set.
QWidget *runAndCloseModal(const std::function<void()> &call, bool *blocked = nullptr)
{
    QPointer<QWidget> modal;
    QElapsedTimer clock;
    clock.start();
    QTimer probe;
    probe.setInterval(20);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (QWidget *w = QApplication::activeModalWidget()) {
            modal = w;
            w->close();
        } else if (clock.elapsed() > 2000) {
            if (blocked)
                *blocked = true;
            for (QWidget *top : QApplication::topLevelWidgets()) {
                if (auto *dialog = qobject_cast<QDialog *>(top); dialog && dialog->isVisible())
                    dialog->reject();
            }
        }
    });
    probe.start();
    call();
    probe.stop();
    return modal;
}

} // namespace

class TestInfoWindows : public QObject {
    Q_OBJECT
private slots:
    void aboutCloses_data();
    void aboutCloses();
    void aboutComesBack();
    void contentsLoadsRandomWindow_data();
    void contentsLoadsRandomWindow();
    void helpWindowIsOne();
    void missingHelpOpensNothing();
    void helpSpeaksTheLanguage_data();
    void helpSpeaksTheLanguage();
    void contentsOpensTheTranslatedBook();
    void f1OpensHelp_data();
    void f1OpensHelp();
    void layoutPicture_data();
    void layoutPicture();
    void pictureFollowsTheLayout_data();
    void pictureFollowsTheLayout();
    void modalForm2WhileOpen();
    void helpBookLinks_data();
    void helpBookLinks();
};

void TestInfoWindows::aboutCloses_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<int>("messages");

    QTest::newRow("Escape cancels") << QStringLiteral("escape") << true << 0;
    QTest::newRow("Enter presses OK") << QStringLiteral("enter") << true << 0;
    QTest::newRow("OK clicked") << QStringLiteral("click") << true << 0;
    QTest::newRow("close box") << QStringLiteral("closebox") << true << 0;
    QTest::newRow("Enter on System Info runs it")
        << QStringLiteral("enter on sysinfo") << false << 1;
}

void TestInfoWindows::aboutCloses()
{
    QFETCH(QString, action);
    QFETCH(bool, closes);
    QFETCH(int, messages);

    TestContext t;
    auto *window = t.forms.get<ExerciseWindow>(QStringLiteral("FormRand"));
    QVERIFY(window);
    window->trigger(Command::mnuAbout);
    QPointer<frmAbout> about = qobject_cast<frmAbout *>(t.forms.form(QStringLiteral("frmAbout")));
    QVERIFY(about);
    QVERIFY(about->isVisible());
    QCOMPARE(about->windowModality(), Qt::NonModal);
    QCOMPARE(about->windowTitle(), QStringLiteral("About Moravel"));
    QCOMPARE(about->findChild<QLabel *>(QStringLiteral("lblTitle"))->text(),
             QStringLiteral("Moravel"));
    QCOMPARE(about->findChild<QLabel *>(QStringLiteral("lblVersion"))->text(),
             QStringLiteral("Version 2.0.0"));
    QCOMPARE(about->size(), QSize(396, 236));

    // OK is the default button and has the focus when the window opens.
    QVERIFY(QTest::qWaitForWindowActive(about));
    QVERIFY(about->cmdOK()->isDefault());
    QCOMPARE(QApplication::focusWidget(), about->cmdOK());

    FakeRegistry registry;
    FakeProcesses launcher;
    QStringList shown;
    about->setSysInfo(std::make_unique<SysInfo>(
        registry, [](const QString &) { return false; }, launcher,
        [&](const QString &text, const QString &) { shown << text; }));

    if (action == QLatin1String("escape")) {
        QTest::keyClick(about, Qt::Key_Escape);
    } else if (action == QLatin1String("enter")) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    } else if (action == QLatin1String("click")) {
        QTest::mouseClick(about->cmdOK(), Qt::LeftButton);
    } else if (action == QLatin1String("closebox")) {
        about->close();
    } else {
        about->cmdSysInfo()->setFocus();
        QTest::keyClick(about->cmdSysInfo(), Qt::Key_Return);
    }

    QCOMPARE(shown.size(), messages);
    if (closes) {
        QTRY_VERIFY(about.isNull());
        QVERIFY(!t.forms.isLoaded(QStringLiteral("frmAbout")));
    } else {
        QCoreApplication::processEvents();
        QVERIFY(about);
        QVERIFY(about->isVisible());
    }
    QVERIFY(!t.forms.isUnloading());
}

void TestInfoWindows::aboutComesBack()
{
    TestContext t;
    auto *window = t.forms.get<ExerciseWindow>(QStringLiteral("FormRand"));
    window->trigger(Command::mnuAbout);
    QPointer<QWidget> first = t.forms.form(QStringLiteral("frmAbout"));
    first->lower();
    window->trigger(Command::mnuAbout);
    QCOMPARE(t.forms.form(QStringLiteral("frmAbout")), first.data());
    QCOMPARE(loadedCount(t.forms, QStringLiteral("frmAbout")), 1);

    qobject_cast<frmAbout *>(first.data())->cmdOK_Click();
    QTRY_VERIFY(first.isNull());
    window->trigger(Command::mnuAbout);
    QWidget *second = t.forms.form(QStringLiteral("frmAbout"));
    QVERIFY(second);
    QVERIFY(second->isVisible());
}

void TestInfoWindows::contentsLoadsRandomWindow_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<bool>("loadsRandom");

    QTest::newRow("sequential") << Kind::Sequential << true;
    QTest::newRow("memory") << Kind::Memory << true;
    QTest::newRow("preschool") << Kind::Preschool << false;
}

void TestInfoWindows::contentsLoadsRandomWindow()
{
    QFETCH(Kind, kind);
    QFETCH(bool, loadsRandom);

    // No help book in this program folder: the borrowed window is loaded all the same.
    TestContext t;
    InfoCommands::mnuContents_Click(t.forms, kind);
    QCOMPARE(t.forms.isLoaded(QStringLiteral("FormRand")), loadsRandom);
    QVERIFY(!t.forms.isLoaded(QStringLiteral("HelpWindow")));
    if (!loadsRandom)
        return;
    QVERIFY(!t.forms.form(QStringLiteral("FormRand"))->isVisible());
    QCOMPARE(t.settings.TaskCountLeft, qint16(20));
    QVERIFY(t.settings.SoundPath.endsWith(QStringLiteral("XYL.WAV"), Qt::CaseInsensitive));

    // A second Contents does not load the window again.
    t.settings.TaskCountLeft = 55;
    t.settings.SoundPath = QStringLiteral("other");
    InfoCommands::mnuContents_Click(t.forms, kind);
    QCOMPARE(t.settings.TaskCountLeft, qint16(55));
    QCOMPARE(t.settings.SoundPath, QStringLiteral("other"));
    QCOMPARE(loadedCount(t.forms, QStringLiteral("FormRand")), 1);
}

void TestInfoWindows::helpWindowIsOne()
{
    TestContext t;
    const QString index = t.dir.filePath(QStringLiteral("help/index.html"));
    const QString page = t.dir.filePath(QStringLiteral("help/page.html"));
    writeFile(index, "<html><body><a href=\"page.html\">page</a></body></html>");
    writeFile(page, "<html><body>second page</body></html>");

    auto *window = t.forms.get<ExerciseWindow>(QStringLiteral("FormRand"));
    window->trigger(Command::mnuContents);
    auto *help = t.forms.get<HelpWindow>(QStringLiteral("HelpWindow"));
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QCOMPARE(help->windowModality(), Qt::NonModal);
    QCOMPARE(help->browser()->source(), QUrl::fromLocalFile(index));

    // Asked again while open: the same window, still on the page the reader went to.
    help->browser()->setSource(QUrl::fromLocalFile(page));
    window->trigger(Command::mnuContents);
    QCOMPARE(t.forms.get<HelpWindow>(QStringLiteral("HelpWindow")), help);
    QCOMPARE(loadedCount(t.forms, QStringLiteral("HelpWindow")), 1);
    QCOMPARE(help->browser()->source(), QUrl::fromLocalFile(page));

    // Closed and asked again: it opens at the contents.
    help->close();
    window->trigger(Command::mnuContents);
    QVERIFY(help->isVisible());
    QCOMPARE(help->browser()->source(), QUrl::fromLocalFile(index));
    QVERIFY(!t.forms.isUnloading());
}

void TestInfoWindows::missingHelpOpensNothing()
{
    TestContext t;
    // A folder named like the book is not the book.
    QDir(t.dir.path()).mkpath(QStringLiteral("help/index.html"));
    auto *window = t.forms.get<ExerciseWindow>(QStringLiteral("FormRand"));
    window->trigger(Command::mnuContents);
    QVERIFY(!t.forms.isLoaded(QStringLiteral("HelpWindow")));
    QVERIFY(!t.forms.isUnloading());
    QVERIFY(t.forms.isLoaded(QStringLiteral("FormRand")));
}

void TestInfoWindows::helpSpeaksTheLanguage_data()
{
    QTest::addColumn<QStringList>("books");
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<QString>("expected");

    const QStringList all{QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr")};
    QTest::newRow("French system") << all << QStringList{"fr-FR", "fr"} << "help/fr/index.html";
    QTest::newRow("German, Austria") << all << QStringList{"de-AT"} << "help/de/index.html";
    QTest::newRow("underscore form") << all << QStringList{"es_MX"} << "help/es/index.html";
    QTest::newRow("no book in Italian") << all << QStringList{"it-IT", "it"} << "help/index.html";
    QTest::newRow("Italian, then Spanish")
        << all << QStringList{"it-IT", "es-ES"} << "help/es/index.html";
    QTest::newRow("English first") << all << QStringList{"en-GB", "de-DE"} << "help/index.html";
    QTest::newRow("translation missing")
        << QStringList{"de"} << QStringList{"fr-FR", "fr"} << "help/index.html";
    QTest::newRow("no language") << all << QStringList{} << "help/index.html";
}

void TestInfoWindows::helpSpeaksTheLanguage()
{
    QFETCH(QStringList, books);
    QFETCH(QStringList, languages);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("help/index.html")), "<html>en</html>");
    for (const QString &book : books)
        writeFile(dir.filePath(QStringLiteral("help/%1/index.html").arg(book)), "<html></html>");
    QCOMPARE(InfoCommands::helpContentsFile(ProgramFolder(dir.path()), languages), expected);
}

void TestInfoWindows::contentsOpensTheTranslatedBook()
{
    TestContext t;
    writeFile(t.dir.filePath(QStringLiteral("help/index.html")), "<html>en</html>");
    const QString french = t.dir.filePath(QStringLiteral("help/fr/index.html"));
    writeFile(french, "<html>fr</html>");
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    auto *window = t.forms.get<ExerciseWindow>(QStringLiteral("FormRand"));
    window->trigger(Command::mnuContents);
    QLocale::setDefault(before);
    auto *help = t.forms.get<HelpWindow>(QStringLiteral("HelpWindow"));
    QVERIFY(help);
    QCOMPARE(help->browser()->source(), QUrl::fromLocalFile(french));
}

void TestInfoWindows::f1OpensHelp_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("caption");

    QTest::newRow("random") << QStringLiteral("FormRand")
                            << QStringLiteral("&Contents            F1");
    QTest::newRow("sequential") << QStringLiteral("FormSeq")
                                << QStringLiteral("&Contents        F1");
    QTest::newRow("memory") << QStringLiteral("FormMemory")
                            << QStringLiteral("&Contents        F1");
    QTest::newRow("preschool") << QStringLiteral("frmPreschool")
                               << QStringLiteral("&Contents            F1");
}

void TestInfoWindows::f1OpensHelp()
{
    QFETCH(QString, form);
    QFETCH(QString, caption);

    TestContext t;
    if (!t.forms.isRegistered(form))
        QSKIP("this exercise window is not built yet");
    writeFile(t.dir.filePath(QStringLiteral("help/index.html")), "<html><body>help</body></html>");
    // The exercise windows that read the database want it in their folder.
    QFile::copy(QStringLiteral(MORAVEL_BIN_DIR "/piano.db"),
                t.dir.filePath(QStringLiteral("piano.db")));
    auto *window = qobject_cast<ExerciseWindow *>(t.forms.show(form));
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowActive(window));

    // The caption announces F1, but the key belongs to the window, not to the item.
    QAction *item = window->action(Command::mnuContents);
    QCOMPARE(item->text(), caption);
    QVERIFY(item->shortcut().isEmpty());

    QTest::keyClick(window, Qt::Key_F1);
    auto *help = qobject_cast<HelpWindow *>(t.forms.isLoaded(QStringLiteral("HelpWindow"))
                                                ? t.forms.form(QStringLiteral("HelpWindow"))
                                                : nullptr);
    QVERIFY(help);
    QVERIFY(help->isVisible());
}

void TestInfoWindows::layoutPicture_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<bool>("modal");

    QTest::newRow("random: key disposition, modal")
        << Kind::Random << QStringLiteral("Form2") << true;
    QTest::newRow("sequential: key disposition, ordinary")
        << Kind::Sequential << QStringLiteral("Form2") << false;
    QTest::newRow("memory: key disposition, ordinary")
        << Kind::Memory << QStringLiteral("Form2") << false;
    QTest::newRow("preschool: animals, modal")
        << Kind::Preschool << QStringLiteral("FormDisposition") << true;
}

void TestInfoWindows::pictureFollowsTheLayout_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("laptop");
    QTest::addColumn<QString>("picture");
    QTest::newRow("random, keypad") << Kind::Random << "Form2" << false << ":/pictures/keys.svg";
    QTest::newRow("random, laptop")
        << Kind::Random << "Form2" << true << ":/pictures/keys-laptop.svg";
    QTest::newRow("preschool, keypad")
        << Kind::Preschool << "FormDisposition" << false << ":/pictures/fingers.svg";
    QTest::newRow("preschool, laptop")
        << Kind::Preschool << "FormDisposition" << true << ":/pictures/fingers-laptop.svg";
}

void TestInfoWindows::pictureFollowsTheLayout()
{
    QFETCH(Kind, kind);
    QFETCH(QString, window);
    QFETCH(bool, laptop);
    QFETCH(QString, picture);
    TestContext t;
    InputPreferences input;
    input.layout = laptop ? KeyLayout::Laptop : KeyLayout::Keypad;
    t.context.input = &input;
    runAndCloseModal([&] { InfoCommands::mnuRaspored_Click(t.forms, kind); });
    auto *canvas = t.forms.form(window)->findChild<BackgroundWidget *>(QStringLiteral("canvas"));
    QVERIFY(canvas);
    QCOMPARE(canvas->picture(), picture);
    QVERIFY(QFile::exists(picture));
}

void TestInfoWindows::layoutPicture()
{
    QFETCH(Kind, kind);
    QFETCH(QString, picture);
    QFETCH(bool, modal);

    TestContext t;
    QWidget *seenModal = runAndCloseModal([&] { InfoCommands::mnuRaspored_Click(t.forms, kind); });
    QWidget *window = t.forms.form(picture);
    QVERIFY(window);
    const QString other = picture == QLatin1String("Form2") ? QStringLiteral("FormDisposition")
                                                            : QStringLiteral("Form2");
    QVERIFY(!t.forms.isLoaded(other));
    if (modal) {
        QCOMPARE(seenModal, window);
        QVERIFY(!window->isVisible());
    } else {
        QVERIFY(!seenModal);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowModality(), Qt::NonModal);
    }

    // Asked for again: the same window, created once.
    runAndCloseModal([&] { InfoCommands::mnuRaspored_Click(t.forms, kind); });
    QCOMPARE(t.forms.form(picture), window);
    QCOMPARE(loadedCount(t.forms, picture), 1);
}

void TestInfoWindows::modalForm2WhileOpen()
{
    TestContext t;
    InfoCommands::mnuRaspored_Click(t.forms, Kind::Sequential);
    QPointer<QWidget> form2 = t.forms.form(QStringLiteral("Form2"));
    QVERIFY(form2 && form2->isVisible());

    // The random window asks for it modally while it is open as an ordinary window: it
    // comes to the front, the call returns at once and the program goes on.
    bool blocked = false;
    QWidget *seenModal =
        runAndCloseModal([&] { InfoCommands::mnuRaspored_Click(t.forms, Kind::Random); }, &blocked);
    QVERIFY(!blocked);
    QVERIFY(!seenModal);
    QVERIFY(form2);
    QVERIFY(form2->isVisible());
    QCOMPARE(t.forms.form(QStringLiteral("Form2")), form2.data());
    QCOMPARE(loadedCount(t.forms, QStringLiteral("Form2")), 1);
    QVERIFY(!t.forms.isUnloading());
}

void TestInfoWindows::helpBookLinks_data()
{
    QTest::addColumn<QString>("page");
    // The English book and its translations, whose pages share the English pictures.
    for (const QString &language :
         {QString(), QStringLiteral("de/"), QStringLiteral("es/"), QStringLiteral("fr/")}) {
        const QDir book(QStringLiteral(MORAVEL_SOURCE_DIR "/data/help/") + language);
        const QStringList pages = book.entryList({QStringLiteral("*.html")}, QDir::Files);
        QVERIFY(pages.contains(QStringLiteral("index.html")));
        for (const QString &page : pages)
            QTest::newRow(qPrintable(language + page)) << book.filePath(page);
    }
}

void TestInfoWindows::helpBookLinks()
{
    QFETCH(QString, page);

    QFile file(page);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    const QDir folder = QFileInfo(page).dir();
    static const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"#]+)"));
    int local = 0;
    for (auto it = reference.globalMatch(html); it.hasNext();) {
        const QString target = it.next().captured(1);
        if (target.contains(QLatin1String("://")))
            continue;
        ++local;
        QVERIFY2(folder.exists(target), qPrintable(target + QStringLiteral(" is missing")));
    }
    QVERIFY(local > 0);

    // Every picture the page names can be decoded.
    static const QRegularExpression picture(QStringLiteral("<img src=\"([^\"]+)\""));
    for (auto it = picture.globalMatch(html); it.hasNext();) {
        const QString path = folder.filePath(it.next().captured(1));
        QVERIFY2(!QImage(path).isNull(), qPrintable(path));
    }
}

QTEST_MAIN(TestInfoWindows)
#include "tst_infowindows.moc"
