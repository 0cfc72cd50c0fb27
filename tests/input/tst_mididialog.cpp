// SPDX-License-Identifier: GPL-3.0-or-later
// The MIDI dialog: without a MIDI system it says so; Learn takes ten distinct notes in
// order, makes no strikes meanwhile, and OK keeps what was learnt. In every language it
// names its MIDI system in a sentence of that language, starts each finger of its table
// with a capital, and shows the hint of an empty port list whole.
#include "input/MidiDialog.h"
#include "input/MidiSource.h"
#include "ports/MidiPorts.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTableWidget>
#include <QTest>
#include <QTranslator>
#include <QTreeWidget>

namespace {

class FakePorts : public MidiPorts {
public:
    bool present = true;
    bool available() const override { return present; }
    QString unavailableReason() const override { return QStringLiteral("No MIDI system."); }
    QString systemName() const override { return QStringLiteral("JACK"); }
    QList<Port> ports() const override { return {Port{QStringLiteral("Moravel"), true, true}}; }
    QStringList outputs() const override { return {QStringLiteral("piano:in")}; }
    void setMessageSink(MessageSink) override {}
    void setPortSink(PortSink) override {}
};

} // namespace

class TestMidiDialog : public QObject {
    Q_OBJECT
private slots:
    void unavailable();
    void learn();
    void metronomeChoice();
    void textsOfEachLanguage_data();
    void textsOfEachLanguage();
};

void TestMidiDialog::unavailable()
{
    FakePorts ports;
    ports.present = false;
    const NoteMap map = NoteMap::fivefingerC();
    MidiSource source(map);
    MidiDialog dialog(&ports, &source, map, {});
    QVERIFY(dialog.findChild<QLabel *>(QStringLiteral("lblSystem"))
                ->text()
                .startsWith(QStringLiteral("MIDI is unavailable.")));
    QVERIFY(!dialog.findChild<QPushButton *>(QStringLiteral("cmdLearn"))->isEnabled());
    // No ports to look for a keyboard in: no hint to plug one in.
    QVERIFY(dialog.findChild<QLabel *>(QStringLiteral("lblPortHint"))->isHidden());
}

// The metronome goes to the sound card or an output port; a port chosen earlier and not
// there now stays chosen, and OK hands the choice over.
void TestMidiDialog::metronomeChoice()
{
    FakePorts ports;
    const NoteMap map = NoteMap::fivefingerC();
    MidiDialog dialog(&ports, nullptr, map, {});
    QString chosen = QStringLiteral("unchanged");
    dialog.setMetronome(QStringLiteral("stage:in"), [&](const QString &port) { chosen = port; });
    auto *choice = dialog.findChild<QComboBox *>(QStringLiteral("cboMetronome"));
    QStringList items;
    for (int i = 0; i < choice->count(); ++i)
        items << choice->itemText(i);
    QCOMPARE(items, (QStringList{QStringLiteral("Sound card"), QStringLiteral("piano:in"),
                                 QStringLiteral("stage:in (not found)")}));
    QCOMPARE(dialog.metronome(), QStringLiteral("stage:in"));
    choice->setCurrentIndex(1);
    dialog.findChild<QPushButton *>(QStringLiteral("OKButton"))->click();
    QCOMPARE(chosen, QStringLiteral("piano:in"));
}

void TestMidiDialog::textsOfEachLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("littleFinger");

    QTest::newRow("English") << QString() << "MIDI through JACK."
                             << "Left little finger (5)";
    QTest::newRow("German") << "de"
                            << "MIDI über JACK."
                            << "Linker kleiner Finger (5)";
    QTest::newRow("Spanish") << "es"
                             << "MIDI a través de JACK."
                             << "Meñique izquierdo (5)";
    QTest::newRow("French") << "fr"
                            << "MIDI par JACK."
                            << "Auriculaire gauche (5)";
}

void TestMidiDialog::textsOfEachLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, system);
    QFETCH(QString, littleFinger);
    QTranslator translator;
    if (!language.isEmpty()) {
        QVERIFY(translator.load(QStringLiteral(":/i18n/moravel_%1.qm").arg(language)));
        QVERIFY(QCoreApplication::installTranslator(&translator));
    }
    const auto restore = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });

    FakePorts ports;
    const NoteMap map = NoteMap::fivefingerC();
    MidiSource source(map);
    MidiDialog dialog(&ports, &source, map, {});
    const QString said = dialog.findChild<QLabel *>(QStringLiteral("lblSystem"))->text();
    QVERIFY2(said.startsWith(system), qPrintable(said));
    QCOMPARE(dialog.findChild<QTableWidget *>(QStringLiteral("tblNotes"))->item(0, 0)->text(),
             littleFinger);

    // Only the program's own port: the hint shows under the list, wrapped, with its tip;
    // the port's state, which a narrow column may cut, has its tip too.
    auto *list = dialog.findChild<QTreeWidget *>(QStringLiteral("lstPorts"));
    QCOMPARE(list->topLevelItemCount(), 1);
    QTreeWidgetItem *own = list->topLevelItem(0);
    QCOMPARE(own->toolTip(1), own->text(1));
    auto *hint = dialog.findChild<QLabel *>(QStringLiteral("lblPortHint"));
    QVERIFY(!hint->isHidden());
    QVERIFY(hint->wordWrap());
    QCOMPARE(hint->toolTip(), hint->text());
}

void TestMidiDialog::learn()
{
    FakePorts ports;
    const NoteMap map = NoteMap::fivefingerC();
    MidiSource source(map);
    int strikes = 0;
    source.setSink([&](const FingerStrike &) { ++strikes; });
    NoteMap kept;
    MidiDialog dialog(&ports, &source, map, [&](const NoteMap &notes) { kept = notes; });
    dialog.show();
    dialog.learn();
    const int played[] = {36, 38, 40, 38 /* taken: asked again */, 41, 43, 72, 74, 76, 77, 79};
    qint64 at = 0;
    for (int note : played) {
        at += 100000000;
        source.message(QStringLiteral("piano"), QByteArray::fromHex("90") + char(note) + char(70),
                       at);
        source.message(QStringLiteral("piano"), QByteArray::fromHex("80") + char(note) + char(0),
                       at + 1000);
    }
    QVERIFY(!dialog.learning());
    QCOMPARE(strikes, 0);
    dialog.findChild<QPushButton *>(QStringLiteral("OKButton"))->click();
    QCOMPARE(kept.note({Hand::Left, 5}), 36);
    QCOMPARE(kept.note({Hand::Left, 1}), 43);
    QCOMPARE(kept.note({Hand::Right, 1}), 72);
    QCOMPARE(kept.note({Hand::Right, 5}), 79);
    // Learning over, the notes strike again.
    source.message(QStringLiteral("piano"), QByteArray::fromHex("903c46"), at + 500000000);
    QCOMPARE(strikes, 1);
}

QTEST_MAIN(TestMidiDialog)
#include "tst_mididialog.moc"
