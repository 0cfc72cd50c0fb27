// SPDX-License-Identifier: GPL-3.0-or-later
#include "sequential/DataLink.h"
#include "sequential/ExerciseFigures.h"
#include "sequential/frmChoosePractice.h"

#include <QSet>
#include <QTest>

namespace {

QString database()
{
    return QStringLiteral(MORAVEL_BIN_DIR "/piano.db");
}

// The twenty exercises: left hand, then right hand, eight fingers each.
struct Exercise {
    int left[8];
    int right[8];
};
const Exercise Exercises[20] = {
    {{5, 4, 3, 2, 1, 2, 3, 4}, {1, 2, 3, 4, 5, 4, 3, 2}},
    {{5, 3, 1, 2, 3, 2, 3, 4}, {1, 2, 5, 4, 3, 4, 3, 2}},
    {{5, 3, 1, 2, 3, 4, 3, 2}, {1, 2, 5, 4, 3, 2, 3, 4}},
    {{5, 4, 5, 3, 1, 2, 3, 4}, {1, 2, 1, 2, 5, 4, 3, 2}},
    {{5, 1, 2, 1, 3, 2, 4, 3}, {1, 5, 4, 5, 3, 4, 2, 3}},
    {{5, 1, 2, 1, 3, 1, 4, 1}, {1, 5, 4, 5, 3, 5, 2, 5}},
    {{5, 3, 4, 2, 3, 1, 3, 4}, {1, 3, 2, 4, 3, 5, 4, 3}},
    {{5, 4, 2, 1, 3, 2, 4, 3}, {1, 2, 4, 5, 3, 4, 2, 3}},
    {{5, 4, 3, 4, 2, 3, 1, 2}, {1, 2, 3, 2, 4, 3, 5, 4}},
    {{5, 1, 2, 3, 4, 3, 4, 3}, {1, 5, 4, 3, 2, 3, 2, 3}},
    {{5, 3, 1, 2, 1, 2, 3, 2}, {1, 2, 5, 4, 5, 4, 3, 4}},
    {{1, 5, 3, 4, 5, 4, 3, 5}, {5, 1, 3, 2, 1, 2, 3, 1}},
    {{3, 5, 2, 4, 1, 3, 2, 1}, {3, 1, 4, 2, 5, 3, 4, 5}},
    {{5, 4, 2, 3, 2, 3, 1, 3}, {1, 2, 4, 3, 4, 3, 5, 4}},
    {{5, 3, 4, 2, 3, 1, 2, 1}, {1, 2, 1, 3, 2, 4, 3, 5}},
    {{5, 3, 4, 3, 1, 2, 3, 2}, {1, 3, 2, 3, 5, 4, 3, 4}},
    {{5, 4, 2, 3, 1, 2, 3, 2}, {1, 2, 4, 3, 5, 4, 3, 4}},
    {{5, 4, 2, 3, 1, 2, 4, 3}, {1, 2, 4, 3, 5, 4, 2, 3}},
    {{5, 1, 3, 2, 1, 3, 4, 2}, {1, 5, 3, 4, 5, 3, 2, 4}},
    {{5, 4, 2, 1, 2, 3, 2, 4}, {1, 2, 4, 5, 4, 3, 4, 2}},
};

QString fingers(const int (&steps)[8])
{
    QStringList list;
    for (int f : steps)
        list << QString::number(f);
    return list.join(u',');
}

// The sequence of a column as a hand meets it: from the first row down to the end of
// the table or a "0" cell.
QStringList sequence(DataLink &link, const QString &column)
{
    QStringList steps;
    if (!link.chooseColumn(column))
        return steps;
    link.MoveFirst();
    while (!link.EOF_() && link.currentValue() != QLatin1String("0")) {
        steps << link.currentValue();
        link.MoveNext();
    }
    return steps;
}

} // namespace

class TestExerciseDatabase : public QObject {
    Q_OBJECT
private slots:
    void exercises_data();
    void exercises();
    void chooserEntries();
    void memoryTables_data();
    void memoryTables();
};

void TestExerciseDatabase::exercises_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("hand");
    QTest::newRow("left hand") << QStringLiteral("Levavezbe") << 0;
    QTest::newRow("right hand") << QStringLiteral("Desnavezbe") << 1;
}

void TestExerciseDatabase::exercises()
{
    QFETCH(QString, table);
    QFETCH(int, hand);

    DataLink link;
    link.setDatabaseName(database());
    link.setRecordSource(table);
    QVERIFY2(link.Refresh(), qPrintable(link.error()));
    QCOMPARE(link.columns().size(), 20);
    QCOMPARE(link.rowCount(), 9);
    for (int k = 0; k < 20; ++k) {
        const QString column = QString::number(k);
        const QString expected = fingers(hand == 0 ? Exercises[k].left : Exercises[k].right);
        QCOMPARE(sequence(link, column).join(u','), expected);
        // Eight steps and the terminator: the ninth row of every column reads "0".
        link.MoveFirst();
        for (int step = 0; step < 8; ++step)
            link.MoveNext();
        QCOMPARE(link.currentValue(), QStringLiteral("0"));
    }
    QVERIFY(!link.chooseColumn(QStringLiteral("20")));
}

void TestExerciseDatabase::chooserEntries()
{
    // The chooser lists the figures as the database holds them.
    QStringList entries;
    for (const ExerciseFigure &figure : ExerciseFigures::read(database()))
        entries << figure.entry();
    QCOMPARE(entries.size(), 20);
    for (int k = 0; k < 20; ++k) {
        const QString name = QStringLiteral("Hanon%1").arg(k + 1);
        const QString expected = name.leftJustified(10) +
                                 QStringLiteral("(%1)     (%2)")
                                     .arg(fingers(Exercises[k].left), fingers(Exercises[k].right));
        QCOMPARE(entries.at(k), expected);
        QCOMPARE(entries.at(k).size(), 49);
    }
}

void TestExerciseDatabase::memoryTables_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("notes");
    QTest::newRow("mem3") << QStringLiteral("mem3") << 59 << 3;
    QTest::newRow("mem4") << QStringLiteral("mem4") << 80 << 4;
    QTest::newRow("mem5") << QStringLiteral("mem5") << 58 << 5;
}

void TestExerciseDatabase::memoryTables()
{
    QFETCH(QString, table);
    QFETCH(int, columns);
    QFETCH(int, notes);

    DataLink link;
    link.setDatabaseName(database());
    link.setRecordSource(table);
    QVERIFY2(link.Refresh(), qPrintable(link.error()));
    QCOMPARE(link.columns().size(), columns);
    QCOMPARE(link.rowCount(), notes + 1);

    QSet<QString> seen;
    QSet<int> fingersUsed;
    int steps = 0;
    int leaps = 0;
    for (int c = 0; c < columns; ++c) {
        const QString column = QString::number(c);
        QCOMPARE(link.columns().at(c), column);
        const QStringList task = sequence(link, column);
        QCOMPARE(task.size(), notes);
        for (int i = 0; i < notes; ++i) {
            const int finger = task.at(i).toInt();
            QVERIFY2(finger >= 1 && finger <= 5, qPrintable(column + u':' + task.join(u',')));
            QCOMPARE(task.at(i), QString::number(finger));
            fingersUsed.insert(finger);
            if (i > 0) {
                const int distance = qAbs(finger - task.at(i - 1).toInt());
                QVERIFY2(distance != 0, qPrintable(column + u':' + task.join(u',')));
                ++(distance == 1 ? steps : leaps);
            }
        }
        const QString key = task.join(u',');
        QVERIFY2(!seen.contains(key), qPrintable(QStringLiteral("%1 repeats %2").arg(column, key)));
        seen.insert(key);
    }
    QCOMPARE(fingersUsed.size(), 5);
    QVERIFY(steps > 0);
    QVERIFY(leaps > 0);
}

QTEST_GUILESS_MAIN(TestExerciseDatabase)
#include "tst_exercisedatabase.moc"
