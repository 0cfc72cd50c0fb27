// SPDX-License-Identifier: GPL-3.0-or-later
// Which of its two files the results log starts in, as found on disk beside the program.
#include "platform/ResultsLogFiles.h"
#include "settings/ProgramFolder.h"
#include "settings/ResultsLog.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestResultsLogFiles : public QObject {
    Q_OBJECT
private slots:
    void startsBesideOrInTheDataFolder_data();
    void startsBesideOrInTheDataFolder();
};

void TestResultsLogFiles::startsBesideOrInTheDataFolder_data()
{
    QTest::addColumn<QString>("beside"); // "", "file" or "folder" under the log's name
    QTest::addColumn<bool>("besideInUse");
    QTest::newRow("nothing there, folder writable") << "" << true;
    QTest::newRow("a log that takes records") << "file" << true;
    QTest::newRow("a folder under the log's name") << "folder" << false;
}

void TestResultsLogFiles::startsBesideOrInTheDataFolder()
{
    QFETCH(QString, beside);
    QFETCH(bool, besideInUse);
    QTemporaryDir program, data;
    const QString name = QString::fromLatin1(ResultsLog::FileName);
    if (beside == u"file") {
        QFile log(QDir(program.path()).filePath(name));
        QVERIFY(log.open(QIODevice::WriteOnly));
    } else if (beside == u"folder") {
        QVERIFY(QDir(program.path()).mkdir(name));
    }
    ResultsLogFiles files(ProgramFolder(program.path()), data.path());
    const QString expected = QDir(besideInUse ? program.path() : data.path()).filePath(name);
    QCOMPARE(files.places().path(), expected);
    // A record lands in the place in use.
    QVERIFY(files.places().append("record\r\n"));
    QFile written(expected);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.readAll().endsWith("record\r\n"));
}

QTEST_GUILESS_MAIN(TestResultsLogFiles)
#include "tst_resultslogfiles.moc"
