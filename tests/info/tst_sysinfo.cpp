// SPDX-License-Identifier: GPL-3.0-or-later
#include "../support/FakeRegistry.h"
#include "info/SysInfo.h"
#include "platform/ToolRegistry.h"

#include <QTest>

namespace {
constexpr quint32 HKLM = Registry::HKEY_LOCAL_MACHINE;
const QByteArray NoValue = QByteArrayLiteral("<none>");

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}
} // namespace

class TestSysInfo : public QObject {
    Q_OBJECT
private slots:
    void getKeyValue_data();
    void getKeyValue();
    void getKeyValueFailures_data();
    void getKeyValueFailures();
    void startSysInfo_data();
    void startSysInfo();
    void toolRegistry_data();
    void toolRegistry();
};

void TestSysInfo::getKeyValue_data()
{
    QTest::addColumn<quint32>("type");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("expected");

    const QString keep = QStringLiteral("caller's text");
    QTest::newRow("text with its NUL loses only the NUL")
        << Registry::REG_SZ << QByteArray("C:\\Tools\\info.exe", 18) << keep
        << QStringLiteral("C:\\Tools\\info.exe");
    QTest::newRow("text without NUL keeps its last character")
        << Registry::REG_SZ << QByteArray("/usr/bin/hardinfo") << keep
        << QStringLiteral("/usr/bin/hardinfo");
    QTest::newRow("one character without NUL")
        << Registry::REG_SZ << QByteArray("x") << keep << QStringLiteral("x");
    QTest::newRow("two NULs: only the last goes")
        << Registry::REG_SZ << QByteArray("ab\0\0", 4) << keep << QString::fromLatin1("ab\0", 3);
    QTest::newRow("empty text stored as a NUL")
        << Registry::REG_SZ << QByteArray("\0", 1) << keep << QString();
    QTest::newRow("value of no bytes") << Registry::REG_SZ << QByteArray() << keep << QString();
    QTest::newRow("text filling the whole buffer")
        << Registry::REG_SZ << QByteArray(1024, 'p') << keep << QString(1024, u'p');
    QTest::newRow("number 42") << Registry::REG_DWORD << bytes({0x2A, 0, 0, 0}) << keep
                               << QStringLiteral("42");
    QTest::newRow("number with a small low byte")
        << Registry::REG_DWORD << bytes({0x05, 0x01, 0, 0}) << keep << QStringLiteral("261");
    QTest::newRow("number with a zero low byte")
        << Registry::REG_DWORD << bytes({0x00, 0x00, 0x00, 0x01}) << keep
        << QStringLiteral("16777216");
    QTest::newRow("largest number") << Registry::REG_DWORD << bytes({0xFF, 0xFF, 0xFF, 0xFF})
                                    << keep << QStringLiteral("4294967295");
    QTest::newRow("number zero") << Registry::REG_DWORD << bytes({0, 0, 0, 0}) << keep
                                 << QStringLiteral("0");
    QTest::newRow("binary value leaves the caller's text")
        << quint32(3) << QByteArray("\x01\x02", 2) << keep << keep;
    QTest::newRow("expandable text leaves the caller's text")
        << quint32(2) << QByteArray("%PATH%\0", 7) << keep << keep;
}

void TestSysInfo::getKeyValue()
{
    QFETCH(quint32, type);
    QFETCH(QByteArray, stored);
    QFETCH(QString, before);
    QFETCH(QString, expected);

    FakeRegistry registry;
    registry.setValue(HKLM, QStringLiteral("SOFTWARE\\Test"), QStringLiteral("Value"), type,
                      stored);
    QString value = before;
    QVERIFY(SysInfo::GetKeyValue(registry, HKLM, QStringLiteral("SOFTWARE\\Test"),
                                 QStringLiteral("Value"), value));
    QCOMPARE(value, expected);
    QCOMPARE(registry.openHandles, 0);
    QCOMPARE(registry.lastOptions, 0u);
    QCOMPARE(registry.lastAccess, 0x2003Fu);
}

void TestSysInfo::getKeyValueFailures_data()
{
    QTest::addColumn<quint32>("root");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("name");

    QTest::newRow("missing key") << HKLM << QStringLiteral("SOFTWARE\\Elsewhere")
                                 << QStringLiteral("Value");
    QTest::newRow("other root") << quint32(0x80000001) << QStringLiteral("SOFTWARE\\Test")
                                << QStringLiteral("Value");
    QTest::newRow("missing value")
        << HKLM << QStringLiteral("SOFTWARE\\Test") << QStringLiteral("Other");
    QTest::newRow("value longer than the buffer")
        << HKLM << QStringLiteral("SOFTWARE\\Test") << QStringLiteral("Long");
}

void TestSysInfo::getKeyValueFailures()
{
    QFETCH(quint32, root);
    QFETCH(QString, key);
    QFETCH(QString, name);

    FakeRegistry registry;
    registry.setValue(HKLM, QStringLiteral("SOFTWARE\\Test"), QStringLiteral("Value"),
                      Registry::REG_SZ, QByteArray("text\0", 5));
    registry.setValue(HKLM, QStringLiteral("SOFTWARE\\Test"), QStringLiteral("Long"),
                      Registry::REG_SZ, QByteArray(1500, 'x'));
    QString value = QStringLiteral("stale");
    QVERIFY(!SysInfo::GetKeyValue(registry, root, key, name, value));
    QVERIFY(value.isEmpty());
    QCOMPARE(registry.openHandles, 0);
}

void TestSysInfo::startSysInfo_data()
{
    QTest::addColumn<QByteArray>("firstKey"); // the PATH value, or NoValue
    QTest::addColumn<quint32>("firstType");
    QTest::addColumn<QByteArray>("secondKey"); // the folder value, or NoValue
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("launchWorks");
    QTest::addColumn<QString>("started");
    QTest::addColumn<bool>("secondRead");
    QTest::addColumn<int>("fileTests");

    const QString tool = QStringLiteral("/opt/info/sysinfo");
    const QByteArray toolValue = QByteArray("/opt/info/sysinfo\0", 18);
    const QByteArray folder = QByteArray("/opt/shared\0", 12);
    const QString inFolder = QStringLiteral("/opt/shared/MSINFO32.EXE");
    const quint32 sz = Registry::REG_SZ;

    QTest::newRow("first key names the tool: no second key, no file test")
        << toolValue << sz << folder << QStringList{inFolder} << true << tool << false << 0;
    QTest::newRow("first key without its NUL") << QByteArray("/opt/info/sysinfo") << sz << NoValue
                                               << QStringList() << true << tool << false << 0;
    QTest::newRow("only the second key, tool file present")
        << NoValue << sz << folder << QStringList{inFolder} << true << inFolder << true << 1;
    QTest::newRow("only the second key, tool file missing")
        << NoValue << sz << folder << QStringList() << true << QString() << true << 1;
    QTest::newRow("second key without its NUL")
        << NoValue << sz << QByteArray("/opt/shared") << QStringList{inFolder} << true << inFolder
        << true << 1;
    QTest::newRow("no key at all")
        << NoValue << sz << NoValue << QStringList{inFolder} << true << QString() << true << 0;
    QTest::newRow("first key of another type leaves nothing to start")
        << QByteArray("\x01\x02", 2) << quint32(3) << folder << QStringList{inFolder} << true
        << QString() << false << 0;
    QTest::newRow("tool cannot be started")
        << toolValue << sz << NoValue << QStringList() << false << QString() << false << 0;
}

void TestSysInfo::startSysInfo()
{
    QFETCH(QByteArray, firstKey);
    QFETCH(quint32, firstType);
    QFETCH(QByteArray, secondKey);
    QFETCH(QStringList, files);
    QFETCH(bool, launchWorks);
    QFETCH(QString, started);
    QFETCH(bool, secondRead);
    QFETCH(int, fileTests);

    FakeRegistry registry;
    if (firstKey != NoValue)
        registry.setValue(HKLM, SysInfo::gREGKEYSYSINFO, SysInfo::gREGVALSYSINFO, firstType,
                          firstKey);
    if (secondKey != NoValue)
        registry.setValue(HKLM, SysInfo::gREGKEYSYSINFOLOC, SysInfo::gREGVALSYSINFOLOC,
                          Registry::REG_SZ, secondKey);
    int tests = 0;
    FakeProcesses launcher;
    launcher.result = launchWorks;
    QStringList messages;
    const SysInfo info(
        registry,
        [&](const QString &path) {
            ++tests;
            return files.contains(path);
        },
        launcher,
        [&](const QString &text, const QString &title) { messages << title + u'|' + text; });

    info.StartSysInfo();

    const bool launched = !started.isEmpty();
    if (launched)
        QCOMPARE(launcher.started, QStringList{started});
    if (launched) {
        QVERIFY(messages.isEmpty());
    } else {
        QCOMPARE(messages, QStringList{QStringLiteral(
                               "Moravel|System Information Is Unavailable At This Time")});
        // Nothing is started when no path was found; a failed start was only tried.
        QCOMPARE(launcher.started.size(), launchWorks ? 0 : 1);
    }
    QCOMPARE(registry.opened.contains(SysInfo::gREGKEYSYSINFOLOC), secondRead);
    QCOMPARE(tests, fileTests);
    QCOMPARE(registry.openHandles, 0);
}

void TestSysInfo::toolRegistry_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("expected"); // empty: the message

    QTest::newRow("none installed") << QStringList() << QString();
    QTest::newRow("one tool") << QStringList{QStringLiteral("gnome-system-monitor")}
                              << QStringLiteral("/usr/bin/gnome-system-monitor");
    QTest::newRow("the first known tool wins")
        << QStringList{QStringLiteral("kinfocenter"), QStringLiteral("gnome-system-monitor"),
                       QStringLiteral("hardinfo")}
        << QStringLiteral("/usr/bin/hardinfo");
    QTest::newRow("unknown programs are not taken")
        << QStringList{QStringLiteral("htop"), QStringLiteral("top")} << QString();
}

void TestSysInfo::toolRegistry()
{
    QFETCH(QStringList, installed);
    QFETCH(QString, expected);

    ToolRegistry registry([&](const QString &name) {
        return installed.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
    });
    FakeProcesses launcher;
    QStringList messages;
    int fileTests = 0;
    const SysInfo info(
        registry,
        [&](const QString &) {
            ++fileTests;
            return true;
        },
        launcher, [&](const QString &text, const QString &) { messages << text; });
    info.StartSysInfo();

    if (expected.isEmpty()) {
        QVERIFY(launcher.started.isEmpty());
        QCOMPARE(messages.size(), 1);
    } else {
        // The path arrives whole: the stored NUL is cut, the last letter kept.
        QCOMPARE(launcher.started, QStringList{expected});
        QVERIFY(messages.isEmpty());
    }
    // This platform has no second key, so no folder is ever tested.
    QCOMPARE(fileTests, 0);
}

QTEST_GUILESS_MAIN(TestSysInfo)
#include "tst_sysinfo.moc"
