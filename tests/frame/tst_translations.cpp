// SPDX-License-Identifier: GPL-3.0-or-later
// The translations: the menu and label tables are all marked for the translators, the
// compiled-in German, Spanish and French translations cover them, every language gives
// each item of a menu its own access letter, the About window shows its texts whole in
// every language, the words for the hands and fingers keep each of their forms in every
// language, and a window in German still writes the results log in English.
#include "TestContext.h"
#include "app/WindowCatalog.h"
#include "drill/Labels.h"
#include "info/frmAbout.h"
#include "input/KeyMap.h"
#include "memory/MemoryDrill.h"
#include "ports/HandNames.h"
#include "random/FormRand.h"
#include "random/RandomDrill.h"
#include "sequential/SequentialDrill.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <functional>

namespace {

void eachCaption(const QList<MenuItemSpec> &items, const std::function<void(const QString &)> &f)
{
    for (const MenuItemSpec &item : items) {
        if (!item.isSeparator())
            f(item.caption);
        eachCaption(item.submenu, f);
    }
}

// The texts of the menus and labels that are words (not digits or a hand's letter).
QStringList tableTexts(bool menus)
{
    QStringList texts;
    const auto add = [&texts](const QString &text) {
        if (text.size() > 1 && !texts.contains(text))
            texts << text;
    };
    if (menus) {
        for (ExerciseKind kind : ExerciseKinds::all()) {
            for (const MenuSpec &menu : WindowCatalog::menus(kind)) {
                add(menu.caption);
                eachCaption(menu.items, add);
            }
        }
    } else {
        for (Label label : Labels::Shared)
            add(Labels::firstText(label));
        add(QString::fromLatin1(SequentialDrill::EndMessage));
        add(MemoryDrill::Memorize);
        add(MemoryDrill::Repeat);
    }
    return texts;
}

// The program's texts in one language while the object lives; English has no translator.
struct Speaking {
    explicit Speaking(const QString &language)
    {
        if (!language.isEmpty())
            ok = translator.load(QStringLiteral(":/i18n/moravel_%1.qm").arg(language)) &&
                 QCoreApplication::installTranslator(&translator);
    }
    ~Speaking() { QCoreApplication::removeTranslator(&translator); }
    Speaking(const Speaking &) = delete;
    Speaking &operator=(const Speaking &) = delete;

    QTranslator translator;
    bool ok = true;
};

// The controls a keyboard can reach that a screen reader would announce without a name,
// as "class objectName in title" lines.
QStringList unnamedControls(QWidget *top)
{
    QStringList found;
    QList<QWidget *> widgets = top->findChildren<QWidget *>();
    widgets << top;
    for (QWidget *w : std::as_const(widgets)) {
        const bool interactive =
            qobject_cast<QAbstractButton *>(w) || qobject_cast<QComboBox *>(w) ||
            qobject_cast<QLineEdit *>(w) || qobject_cast<QAbstractSlider *>(w) ||
            qobject_cast<QAbstractSpinBox *>(w) || qobject_cast<QAbstractItemView *>(w);
        if (!interactive || !w->isVisibleTo(top) || w->focusPolicy() == Qt::NoFocus)
            continue;
        // The line edit inside a combo box or spin box is named by its owner.
        if (qobject_cast<QLineEdit *>(w) && (qobject_cast<QComboBox *>(w->parentWidget()) ||
                                             qobject_cast<QAbstractSpinBox *>(w->parentWidget())))
            continue;
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(w);
        if (!face || face->text(QAccessible::Name).trimmed().isEmpty())
            found << QStringLiteral("%1 %2 in \"%3\"")
                         .arg(QLatin1String(w->metaObject()->className()), w->objectName(),
                              top->windowTitle());
    }
    return found;
}

// Where a walk keeps pictures of what it walked (MORAVEL_SCREENSHOTS), or empty.
QString screenshotFolder(const QString &language)
{
    const QString root = qEnvironmentVariable("MORAVEL_SCREENSHOTS");
    if (root.isEmpty())
        return {};
    const QString folder =
        QDir(root).filePath(language.isEmpty() ? QStringLiteral("en") : language);
    QDir().mkpath(folder);
    return folder;
}

// The four languages of the program.
void addLanguageRows()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << QString();
    QTest::newRow("German") << QStringLiteral("de");
    QTest::newRow("Spanish") << QStringLiteral("es");
    QTest::newRow("French") << QStringLiteral("fr");
}

// The access letter of a caption: the character after a single '&', folded to compare.
QChar accessLetter(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != QLatin1Char('&'))
            continue;
        if (caption.at(i + 1) != QLatin1Char('&'))
            return caption.at(i + 1).toCaseFolded();
        ++i;
    }
    return {};
}

// Every pair of items in one menu (or in the menu bar) that share an access letter,
// except pairs of the items allowed to share one; submenus are walked too.
void findClashes(const QString &where, const QList<QAction *> &items,
                 const QList<QAction *> &mayShare, QStringList &clashes)
{
    QHash<QChar, QAction *> taken;
    for (QAction *item : items) {
        if (item->isSeparator())
            continue;
        const QChar letter = accessLetter(item->text());
        if (!letter.isNull()) {
            QAction *other = taken.value(letter);
            if (other && !(mayShare.contains(other) && mayShare.contains(item)))
                clashes << QStringLiteral("%1: \"%2\" and \"%3\" share %4")
                               .arg(where, other->text(), item->text(), letter);
            taken.insert(letter, item);
        }
        if (item->menu())
            findClashes(where + QStringLiteral(" > ") + item->text(), item->menu()->actions(),
                        mayShare, clashes);
    }
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void everyTableTextIsMarked_data();
    void everyTableTextIsMarked();
    void bothLanguagesCoverTheTables_data();
    void bothLanguagesCoverTheTables();
    void accessLettersDifferInEveryMenu_data() { addLanguageRows(); }
    void accessLettersDifferInEveryMenu();
    void keyNamesSpeakTheLanguage_data();
    void keyNamesSpeakTheLanguage();
    void handWordsKeepTheirForms_data();
    void handWordsKeepTheirForms();
    void aboutShowsItsTextsWhole_data() { addLanguageRows(); }
    void aboutShowsItsTextsWhole();
    void germanWindowWritesTheEnglishLog();
    void everyControlHasAName_data() { addLanguageRows(); }
    void everyControlHasAName();
};

void TestTranslations::everyTableTextIsMarked_data()
{
    QTest::addColumn<bool>("menus");
    QTest::newRow("menu captions") << true;
    QTest::newRow("label texts") << false;
}

void TestTranslations::everyTableTextIsMarked()
{
    // A text the tables hold without its mark never reaches the translators, so it has no
    // translation in any language.
    QFETCH(bool, menus);
    for (const char *language : {"de", "es", "fr"}) {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/moravel_%1.qm").arg(language)));
        for (const QString &text : tableTexts(menus))
            QVERIFY2(
                !translator.translate(menus ? "MenuLayout" : "Labels", text.toUtf8()).isEmpty(),
                qPrintable(QStringLiteral("not marked: ") + text));
    }
}

void TestTranslations::bothLanguagesCoverTheTables_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("German") << QStringLiteral("de");
    QTest::newRow("Spanish") << QStringLiteral("es");
    QTest::newRow("French") << QStringLiteral("fr");
}

void TestTranslations::bothLanguagesCoverTheTables()
{
    QFETCH(QString, language);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/i18n/moravel_%1.qm").arg(language)));
    for (bool menus : {true, false}) {
        for (const QString &text : tableTexts(menus))
            QVERIFY2(
                !translator.translate(menus ? "MenuLayout" : "Labels", text.toUtf8()).isEmpty(),
                qPrintable(text));
    }
    QVERIFY(!translator
                 .translate("ExerciseWindow", "Press Del or Test > Start, then play the "
                                              "finger shown for each hand")
                 .isEmpty());
}

void TestTranslations::accessLettersDifferInEveryMenu()
{
    QFETCH(QString, language);
    const Speaking speaking(language);
    QVERIFY(speaking.ok);

    TestContext t;
    QFile::copy(QStringLiteral(MORAVEL_BIN_DIR "/piano.db"),
                t.dir.filePath(QStringLiteral("piano.db")));
    QStringList clashes;
    int menus = 0;
    for (const char *name : {"FormRand", "FormSeq", "FormMemory", "frmPreschool", "FormAdaptive"}) {
        auto *window = t.forms.get<ExerciseWindow>(QString::fromLatin1(name));
        QVERIFY2(window, name);
        // Level and Left hand combinations have shared their letter from the first
        // version on; players know them by it.
        const QList<QAction *> mayShare{window->action(Command::mnuLevel),
                                        window->action(Command::mnuLComb)};
        const QList<QAction *> bar = window->menuBar()->actions();
        menus += int(bar.size());
        findClashes(QString::fromLatin1(name), bar, mayShare, clashes);
    }
    QCOMPARE(menus, 5 * 4);
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QLatin1Char('\n'))));
}

void TestTranslations::keyNamesSpeakTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("names");
    // The left thumb, and the right thumb and index finger on the keypad.
    QTest::newRow("English") << QString() << QStringList{"Space", "Page Down", "Num Lock"};
    QTest::newRow("German") << "de" << QStringList{"Leertaste", "Bild ab", "Num"};
    QTest::newRow("Spanish") << "es" << QStringList{"Espacio", "Av Pág", "Bloq Num"};
    QTest::newRow("French") << "fr" << QStringList{"Espace", "Pg Suiv", "Verr Num"};
}

void TestTranslations::keyNamesSpeakTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QStringList, names);
    const Speaking speaking(language);
    QVERIFY(speaking.ok);

    const QStringList shown{KeyMap::keyName(KeyLayout::Keypad, {Hand::Left, 1}),
                            KeyMap::keyName(KeyLayout::Keypad, {Hand::Right, 1}),
                            KeyMap::keyName(KeyLayout::Keypad, {Hand::Right, 2})};
    QCOMPARE(shown, names);
    // Letters and signs are the same in every language.
    QCOMPARE(KeyMap::keyName(KeyLayout::Laptop, {Hand::Right, 2}), QStringLiteral("M"));
}

void TestTranslations::handWordsKeepTheirForms_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("words");
    // The hand, the hand alone, the hand in a sentence, the hand of a finger at the start
    // and in a sentence, the chart letter, a hand's finger, a short finger heading.
    QTest::newRow("English") << QString()
                             << QStringList{
                                    "Left hand",           "Left", "right", "Left", "right", "R",
                                    "Right little finger", "index"};
    QTest::newRow("German") << "de" << QStringList{"Linke Hand",
                                                   "Links",
                                                   "rechte",
                                                   "Linker",
                                                   "rechter",
                                                   "R",
                                                   "Rechter kleiner Finger",
                                                   "Zeige"};
    QTest::newRow("Spanish") << "es" << QStringList{"Mano izquierda",  "Izquierda", "derecha",
                                                    "izquierdo",       "derecho",   "D",
                                                    "Meñique derecho", "índice"};
    QTest::newRow("French") << "fr"
                            << QStringList{
                                   "Main gauche", "Main gauche",       "droite", "gauche", "droit",
                                   "D",           "Auriculaire droit", "index"};
}

void TestTranslations::handWordsKeepTheirForms()
{
    QFETCH(QString, language);
    QFETCH(QStringList, words);
    const Speaking speaking(language);
    QVERIFY(speaking.ok);

    const QStringList shown{HandNames::hand(Hand::Left),
                            HandNames::side(Hand::Left),
                            HandNames::sideInSentence(Hand::Right),
                            HandNames::ofFinger(Hand::Left),
                            HandNames::ofFinger(Hand::Right, true),
                            HandNames::letter(Hand::Right),
                            HandNames::handFinger(Hand::Right, 5),
                            HandNames::fingerShort(2)};
    QCOMPARE(shown, words);
    // The report stays English in every language.
    QCOMPARE(HandNames::englishHand(Hand::Right), QStringLiteral("Right hand"));
}

void TestTranslations::aboutShowsItsTextsWhole()
{
    QFETCH(QString, language);
    const Speaking speaking(language);
    QVERIFY(speaking.ok);

    TestContext t;
    auto *about = qobject_cast<frmAbout *>(t.forms.show(QStringLiteral("frmAbout")));
    QVERIFY(about);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QVERIFY(about->screen()->availableGeometry().contains(about->frameGeometry()));
    for (QLabel *label : about->findChildren<QLabel *>()) {
        if (label->text().isEmpty())
            continue;
        const int needed =
            label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
        QVERIFY2(label->height() >= needed && label->width() >= label->minimumSizeHint().width(),
                 qPrintable(label->objectName()));
    }
    for (QPushButton *button : about->findChildren<QPushButton *>())
        QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
}

void TestTranslations::germanWindowWritesTheEnglishLog()
{
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/i18n/moravel_de.qm")));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const auto restore = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });

    TestContext t;
    t.settings.PlayerName = QStringLiteral("Mira");
    auto *form = t.forms.get<FormRand>(QStringLiteral("FormRand"));
    QVERIFY(form);
    QCOMPARE(form->menuBar()->findChild<QMenu *>(QStringLiteral("mnuTest"))->title(),
             QStringLiteral("&Training"));
    QCOMPARE(form->action(Command::mnuFullScreen)->text(), QStringLiteral("&Vollbild"));
    QCOMPARE(form->label(Label::Label3)->text(), QStringLiteral("linke Hand :"));
    QVERIFY(form->guide()->text().startsWith(QStringLiteral("Drücke Entf")));

    form->trigger(Command::mnuStart);
    t.settings.TaskCountLeft = 1;
    t.settings.TaskCountRight = 1;
    RandomDrill *drill = form->logic();
    drill->keyUp({Hand::Left, drill->Leva().toInt()});
    drill->keyUp({Hand::Right, drill->Desna().toInt()});
    QVERIFY(drill->summaryWritten());
    const QByteArray log = t.logFile.bytes();
    const QByteArray record = "\r\nMira\r\nRandom 1 tasks\r\n" +
                              QByteArray::number(drill->TotalScore()) + "  points\r\n\r\n";
    QVERIFY2(log.endsWith(record), log.constData());
    QVERIFY2(form->guide()->text().startsWith(
                 QStringLiteral("Ergebnis: %1 Punkte").arg(drill->TotalScore())),
             qPrintable(form->guide()->text()));
}

// Every window, and every dialog its menus open, walked for keyboard-reachable controls a
// screen reader could not name, in every language. With MORAVEL_SCREENSHOTS set, each is
// also pictured there (the test platform's screen is 800 x 600).
void TestTranslations::everyControlHasAName()
{
    QFETCH(QString, language);
    const Speaking speaking(language);
    QVERIFY(speaking.ok);
    const QString shots = screenshotFolder(language);
    int shot = 0;
    QStringList unnamed;
    const auto walk = [&](QWidget *top) {
        unnamed << unnamedControls(top);
        if (!shots.isEmpty())
            top->grab().save(QDir(shots).filePath(QStringLiteral("%1-%2.png")
                                                      .arg(++shot, 2, 10, QLatin1Char('0'))
                                                      .arg(top->objectName())));
    };

    // The help book opens in the language of the player's system.
    const QLocale system;
    QLocale::setDefault(language.isEmpty() ? QLocale(QLocale::English) : QLocale(language));
    const auto restore = qScopeGuard([&system] { QLocale::setDefault(system); });
    TestContext t;
    QVERIFY(QFile::copy(QStringLiteral(MORAVEL_BIN_DIR "/piano.db"),
                        t.dir.filePath(QStringLiteral("piano.db"))));
    // The help book, with its pictures.
    const QDir book(QStringLiteral(MORAVEL_BIN_DIR "/help"));
    QDirIterator files(book.path(), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString from = files.next();
        const QString to = t.dir.filePath(QStringLiteral("help/") + book.relativeFilePath(from));
        QDir().mkpath(QFileInfo(to).absolutePath());
        QVERIFY(QFile::copy(from, to));
    }
    // The name prompt, the first window of all.
    QWidget *prompt = t.forms.form(QStringLiteral("frmLog"));
    QVERIFY(prompt);
    prompt->show();
    QVERIFY(QTest::qWaitForWindowExposed(prompt));
    walk(prompt);
    prompt->hide();
    const Command opening[] = {Command::mnuChooseexe, Command::mnuTask,      Command::mnuLevel,
                               Command::mnuLComb,     Command::mnuRComb,     Command::mnuKeyboard,
                               Command::mnuMidi,      Command::mnuCheckKeys, Command::mnuVolume,
                               Command::mnuContents,  Command::mnuRaspored,  Command::mnuAbout,
                               Command::mnuStatistics};
    int dialogs = 0;
    for (const char *name : {"FormRand", "FormSeq", "FormMemory", "frmPreschool", "FormAdaptive"}) {
        auto *window = t.forms.get<ExerciseWindow>(QString::fromLatin1(name));
        QVERIFY2(window, name);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        walk(window);
        for (Command command : opening) {
            QAction *action = window->action(command);
            if (!action || !action->isVisible() || !action->isEnabled())
                continue;
            const QWidgetList before = QApplication::topLevelWidgets();
            // A dialog that waits for an answer is walked while it waits, then sent away;
            // one that does not is walked once the command has run.
            QTimer::singleShot(0, [&] {
                if (QWidget *dialog = QApplication::activeModalWidget()) {
                    ++dialogs;
                    walk(dialog);
                    dialog->close();
                }
            });
            action->trigger();
            QCoreApplication::processEvents();
            for (QWidget *top : QApplication::topLevelWidgets()) {
                if (before.contains(top) || !top->isVisible())
                    continue;
                ++dialogs;
                walk(top);
                top->close();
            }
        }
        window->hide();
    }
    QVERIFY2(dialogs >= 30, qPrintable(QString::number(dialogs)));
    unnamed.removeDuplicates();
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u'\n')));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
