// SPDX-License-Identifier: GPL-3.0-or-later
// Random play: each exercise's logic takes 100,000 random key releases, ticks, Starts,
// Resets and option changes from a fixed seed, and after every event the state, the
// labels and the results log must still make sense.
#include "FakeHandPlayer.h"
#include "Fakes.h"
#include "memory/MemoryDrill.h"
#include "preschool/PreschoolDrill.h"
#include "random/RandomDrill.h"
#include "sequential/SequentialDrill.h"
#include "settings/NumberParser.h"
#include "settings/PracticeSettings.h"
#include "settings/ResultsLog.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <random>

namespace {

constexpr int Events = 100000;
const Hand Hands[] = {Hand::Left, Hand::Right};

// Texts a player might leave in a count dialog; the dialog keeps only what fits.
const char *const CountTexts[] = {"20",   "1",   "2",   "3",   "0",     "-1", "5",
                                  "12.5", "&H3", "1e1", "abc", "32768", " 4 "};
// The ten finger ranges: number of fingers, lowest finger.
const int Ranges[][2] = {{5, 1}, {4, 1}, {3, 1}, {2, 1}, {1, 1},
                         {4, 2}, {3, 2}, {2, 2}, {3, 3}, {2, 4}};

QString letter(Hand h)
{
    return h == Hand::Left ? QStringLiteral("L") : QStringLiteral("R");
}

const QRegularExpression stamp(QStringLiteral("^\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\r\\n"));

// What every exercise shares: the ports, the event source and the checks.
class Soak {
public:
    virtual ~Soak() = default;

    PracticeSettings settings;
    FakeTicker ticker[2];
    FakeSyncSound sound;
    FakeLogFile logFile;
    FakeClock clock;
    ResultsLog log{logFile, clock};
    SeededRandom random{1234};
    DrillPorts ports{settings, ticker[0], ticker[1], sound, log};

    // The whole run; the first broken rule, with the event that broke it, or empty.
    QString run()
    {
        settings.PlayerName = QStringLiteral("Soak Player");
        for (m_event = 0; m_event < Events; ++m_event) {
            snapshot();
            step();
            checkCommon();
            checkWindow();
            for (; m_records < logFile.records.size(); ++m_records)
                checkRecord(QString::fromUtf8(logFile.records.at(m_records)));
            if (!m_problem.isEmpty())
                return QStringLiteral("event %1 (%2): %3").arg(m_event).arg(m_what, m_problem);
        }
        return QString();
    }

    int overflowsSeen = 0;
    int summaries = 0;

protected:
    virtual DrillCore &drill() = 0;
    virtual void changeOption() = 0;
    virtual void extraEvent() {}
    virtual void checkWindow() {}
    virtual void beforeEvent() {}
    virtual void checkRecord(const QString &record) = 0;
    // Whether the hand's task is on show and can be answered.
    virtual bool answering(Hand h)
    {
        return !drill().labels().text(drill().taskLabel(h)).isEmpty();
    }

    int pick(int n) { return int(m_events() % unsigned(n)); }
    void fail(const QString &problem)
    {
        if (m_problem.isEmpty())
            m_problem = problem;
    }
    QString label(Label name) const
    {
        return const_cast<Soak *>(this)->drill().labels().text(name);
    }
    // The count a dialog's OK would store, or the old one when the text is refused.
    qint16 countFrom(qint16 old)
    {
        return NumberParser::toInt16(QString::fromLatin1(CountTexts[pick(std::size(CountTexts))]))
            .value_or(old);
    }
    // The summary every window writes; at most once between two Starts.
    void checkSummary(const QString &record, const QString &kind, const QString &unit, qint16 count)
    {
        const QString expected =
            ResultsLog::summary(settings.PlayerName, kind, count, unit, drill().TotalScore());
        const QRegularExpressionMatch m = stamp.match(record);
        if (!m.hasMatch() || record.mid(m.capturedLength()) != expected + QStringLiteral("\r\n"))
            fail(QStringLiteral("malformed summary: ") + record);
        if (++m_summariesSinceStart > 1)
            fail(QStringLiteral("a second summary for one exercise"));
        for (Hand h : Hands) {
            if (!label(DrillCore::taskLabel(h)).isEmpty())
                fail(QStringLiteral("summary while a hand still has a task"));
        }
        ++summaries;
    }
    bool started() const { return m_started; }

    // A Start clears the summary count; reached by every window's Start event.
    void noteStart()
    {
        m_summariesSinceStart = 0;
        m_started = true;
    }
    bool m_marathon = false; // a long stretch without Start, where scores overflow
    QString m_what;          // the event just made

private:
    void step()
    {
        // One stretch of the run goes without Start and with unending counts, so the
        // scores grow until 16 bits no longer hold them.
        m_marathon = m_event >= Events / 2 && m_event < Events * 9 / 10;
        const int roll = pick(1000);
        const Hand h = Hands[pick(2)];
        if (roll < 560) {
            const bool knowsIt = pick(100) < (m_marathon ? 85 : 50);
            int finger = 1 + pick(5);
            const int task = drill().hand(h).task.toInt();
            if (knowsIt && answering(h) && task >= 1 && task <= 5)
                finger = task;
            m_what = QStringLiteral("key %1%2").arg(letter(h)).arg(finger);
            drill().keyUp({h, finger});
        } else if (roll < 900) {
            m_what = QStringLiteral("tick %1").arg(letter(h));
            ticker[int(h)].fire();
        } else if (roll < 940) {
            m_what = QStringLiteral("other");
            extraEvent();
        } else if (roll < 943 && !m_marathon) {
            m_what = QStringLiteral("Start");
            noteStart();
            drill().mnuStart_Click();
        } else if (roll < 945) {
            m_what = QStringLiteral("Reset");
            drill().mnuReset_Click();
            m_resetNow = true;
        } else if (roll < 950) {
            m_what = QStringLiteral("option");
            changeOption();
        }
    }

    void snapshot()
    {
        for (Hand h : Hands)
            m_before[int(h)] = drill().hand(h);
        m_resetNow = false;
        beforeEvent();
    }

    void checkCommon()
    {
        const DrillCore &d = drill();
        const bool start = m_what == QLatin1String("Start");
        for (Hand h : Hands) {
            const DrillCore::HandState &now = d.hand(h);
            const DrillCore::HandState &was = m_before[int(h)];
            if (now.ticks < 0 || now.ticks > 5)
                fail(QStringLiteral("ticks outside 0..5"));
            if (now.score < 0 || now.count < 0)
                fail(QStringLiteral("negative score or count"));
            if (ticker[int(h)].isActive() && now.ticks >= 5)
                fail(QStringLiteral("timer still running after five ticks"));
            const QString points = label(DrillCore::pointsLabel(h));
            if (points.size() != 1 || points < QLatin1String("0") || points > QLatin1String("5"))
                fail(QStringLiteral("points display shows ") + points);
            if (start)
                continue;
            const int gained = now.score - was.score;
            if (gained < 0 || gained > 5 ||
                (gained > 0 && !m_what.startsWith(QLatin1String("key"))))
                fail(QStringLiteral("score moved by %1").arg(gained));
            if (gained > 0 && label(DrillCore::scoreLabel(h)) != QString::number(now.score))
                fail(QStringLiteral("score display differs from the score"));
            // A right answer that no longer fits is skipped, and the score stays.
            if (gained == 0 && was.score + 5 - was.ticks > 32767 && was.ticks < 5 &&
                m_what == QStringLiteral("key %1%2").arg(letter(h)).arg(was.task))
                ++overflowsSeen;
        }
        const int sum = d.LeftScore() + d.RightScore();
        if (sum <= 32767 && d.TotalScore() != sum)
            fail(QStringLiteral("total %1 is not the sum %2").arg(d.TotalScore()).arg(sum));
        if (m_resetNow) {
            for (Label name : {Label::lbllRezultat, Label::lbldRezultat, Label::lblRezultat}) {
                if (label(name) != QLatin1String("0"))
                    fail(QStringLiteral("Reset left %1 showing").arg(Labels::objectName(name)));
            }
        }
    }

    std::mt19937 m_events{20261208};
    int m_event = 0;
    QString m_problem;
    qsizetype m_records = 0;
    int m_summariesSinceStart = 0;
    bool m_started = false;
    bool m_resetNow = false;
    DrillCore::HandState m_before[2];
};

// The random drill and the preschool game share their task rule.
template <typename Drill> class RandomKindSoak : public Soak {
protected:
    void changeOption() override
    {
        // The count dialog sets both hands' counts.
        switch (pick(2)) {
        case 0:
            settings.TaskCountLeft = settings.TaskCountRight =
                m_marathon ? qint16(-1) : countFrom(settings.TaskCountLeft);
            break;
        default: {
            const int *range = Ranges[pick(std::size(Ranges))];
            QString &max = pick(2) ? settings.LeftFingerMax : settings.RightFingerMax;
            QString &min =
                &max == &settings.LeftFingerMax ? settings.LeftFingerMin : settings.RightFingerMin;
            max = QString::number(range[0]);
            min = QString::number(range[1]);
        }
        }
    }
    void checkWindow() override
    {
        for (Hand h : Hands) {
            const QString shown = label(DrillCore::taskLabel(h));
            const QString before = h == Hand::Left ? QStringLiteral("L") : QStringLiteral("R");
            // "L" and "R" until the hand's first task, then the task or nothing.
            const QString task = drill().hand(h).task;
            if (task.isEmpty() ? shown != before
                               : !shown.isEmpty() &&
                                     (shown != task || shown.size() != 1 ||
                                      shown < QLatin1String("1") || shown > QLatin1String("5")))
                fail(QStringLiteral("task display shows \"%1\" for task \"%2\"")
                         .arg(shown, drill().hand(h).task));
        }
    }
    void checkRecord(const QString &record) override
    {
        checkSummary(record, QStringLiteral("Random"), QStringLiteral("tasks"),
                     settings.TaskCountLeft);
    }
    DrillCore &drill() override { return *m_drill; }
    std::unique_ptr<Drill> m_drill;
};

class RandomSoak : public RandomKindSoak<RandomDrill> {
public:
    RandomSoak()
    {
        m_drill = std::make_unique<RandomDrill>(ports, random);
        m_drill->Form_Load(QStringLiteral("20"), QStringLiteral("XYL.WAV"));
    }
};

class PreschoolSoak : public RandomKindSoak<PreschoolDrill> {
public:
    PreschoolSoak()
    {
        m_drill = std::make_unique<PreschoolDrill>(
            ports, random, PreschoolPorts{players[0], players[1], delay[0], delay[1]},
            ProgramFolder(dir.path()));
        m_drill->Form_Load(QStringLiteral("20"));
    }
    // The drill lets go of the players and delays, so it goes before them.
    ~PreschoolSoak() override { m_drill.reset(); }

protected:
    // The feedback delay's end, which gives the next task.
    void extraEvent() override { delay[pick(2)].fire(); }
    bool answering(Hand h) override { return !m_drill->feedbackPending(h); }
    void beforeEvent() override
    {
        for (Hand h : Hands) {
            m_waiting[int(h)] = m_drill->hasEnded(h) || m_drill->feedbackPending(h);
            m_was[int(h)] = m_drill->hand(h);
        }
    }
    void checkWindow() override
    {
        RandomKindSoak::checkWindow();
        for (Hand h : Hands) {
            // Keys during the delay and after the end change nothing.
            const DrillCore::HandState &now = m_drill->hand(h);
            const DrillCore::HandState &was = m_was[int(h)];
            if (m_waiting[int(h)] &&
                m_what.startsWith(h == Hand::Left ? QLatin1String("key L")
                                                  : QLatin1String("key R")) &&
                (now.score != was.score || now.count != was.count || now.task != was.task))
                fail(QStringLiteral("a key of a waiting hand counted"));
            if (m_drill->picture(h) < PreschoolDrill::NoPicture || m_drill->picture(h) > 6)
                fail(QStringLiteral("picture index %1").arg(m_drill->picture(h)));
        }
    }

private:
    QTemporaryDir dir;
    FakeHandPlayer players[2];
    FakeTicker delay[2];
    bool m_waiting[2] = {false, false};
    DrillCore::HandState m_was[2];
};

class SequentialSoak : public Soak {
public:
    SequentialSoak()
    {
        m_drill.Form_Load(QStringLiteral(MORAVEL_BIN_DIR "/piano.db"), QStringLiteral("8"),
                          QStringLiteral("Hanon1"));
    }

protected:
    DrillCore &drill() override { return m_drill; }
    void changeOption() override
    {
        // The count dialog sets both hands' counts.
        switch (pick(2)) {
        case 0:
            settings.SequenceCountLeft = settings.SequenceCountRight =
                m_marathon ? qint16(-1) : countFrom(settings.SequenceCountLeft);
            break;
        default:
            // Now and then an exercise the tables do not have: Start refuses it.
            settings.ExerciseIndex = qint16(pick(22) - 1);
        }
    }
    void checkWindow() override
    {
        const QString end = QString::fromLatin1(SequentialDrill::EndMessage);
        for (Hand h : Hands) {
            const QString shown = label(DrillCore::taskLabel(h));
            const QString ended = label(SequentialDrill::endLabel(h));
            if (started() && m_drill.isRunning() && !shown.isEmpty() &&
                (shown != m_drill.hand(h).task ||
                 !QRegularExpression(QStringLiteral("^[0-9]$")).match(shown).hasMatch()))
                fail(QStringLiteral("task display shows \"%1\"").arg(shown));
            if (!ended.isEmpty() && (ended != end || !shown.isEmpty()))
                fail(QStringLiteral("end message beside a task"));
        }
        if (!m_drill.isRunning() && started() &&
            (label(Label::Label1) != u"L" || label(Label::Label2) != u"R" ||
             m_drill.startFailure().isEmpty()))
            fail(QStringLiteral("a refused Start left a task or no reason"));
        if (m_drill.isRunning())
            ++m_runningEvents;
    }
    void checkRecord(const QString &record) override
    {
        static const QRegularExpression pass(
            QStringLiteral("^(left|right) hand sequence(\\d+) (\\d+) points\\r\\n$"));
        const QRegularExpressionMatch m = pass.match(record);
        if (m.hasMatch()) {
            const int h = m.captured(1) == QLatin1String("left") ? 0 : 1;
            if (m.captured(2).toInt() != m_drill.hand(Hands[h]).count)
                fail(QStringLiteral("pass number is not the passes done: ") + record);
            if (m.captured(3) != label(DrillCore::scoreLabel(Hands[h])))
                fail(QStringLiteral("pass line differs from the score display"));
            return;
        }
        if (record == QLatin1String("+ last task points diference\r\n")) {
            if (m_closing)
                fail(QStringLiteral("closing line twice"));
            m_closing = true;
            return;
        }
        if (!m_closing)
            fail(QStringLiteral("unexpected record: ") + record);
        m_closing = false;
        checkSummary(record, QStringLiteral("Sequential"), QStringLiteral("sequences"),
                     settings.SequenceCountLeft);
    }

public:
    int m_runningEvents = 0;

private:
    SequentialDrill m_drill{ports};
    bool m_closing = false;
};

class MemorySoak : public Soak {
public:
    MemorySoak()
    {
        m_drill.Form_Load(QStringLiteral(MORAVEL_BIN_DIR "/piano.db"), QStringLiteral("3"),
                          QStringLiteral("XYL.WAV"));
    }
    int m_recalls = 0;

protected:
    DrillCore &drill() override { return m_drill; }
    void beforeEvent() override
    {
        m_phaseBefore[0] = m_drill.phase(Hand::Left);
        m_phaseBefore[1] = m_drill.phase(Hand::Right);
    }
    void changeOption() override
    {
        if (pick(2) == 0) {
            settings.SequenceCountLeft = settings.SequenceCountRight =
                m_marathon ? qint16(-1) : countFrom(settings.SequenceCountLeft);
        } else {
            m_drill.setNotesPerTask(3 + pick(3));
        }
    }
    void checkWindow() override
    {
        using Phase = MemoryDrill::Phase;
        for (Hand h : Hands) {
            const Phase phase = m_drill.phase(h);
            const QString shown = label(DrillCore::taskLabel(h));
            const QString status = label(MemoryDrill::statusLabel(h));
            const bool visible = m_drill.labels().isVisible(DrillCore::taskLabel(h));
            const QString expectedStatus = phase == Phase::Idle     ? QString()
                                           : phase == Phase::Show   ? MemoryDrill::Memorize
                                           : phase == Phase::Recall ? MemoryDrill::Repeat
                                                                    : MemoryDrill::EndOfExercise;
            if (status != expectedStatus || (phase == Phase::Show && !visible) ||
                (phase == Phase::Recall && visible))
                fail(QStringLiteral("status \"%1\" or visibility does not fit the phase")
                         .arg(status));
            // A switch of table shows the new table's note while the expected one stays.
            if (phase == Phase::Finished ? !shown.isEmpty()
                : phase == Phase::Idle
                    ? shown != letter(h)
                    : !QRegularExpression(QStringLiteral("^[0-5]?$")).match(shown).hasMatch())
                fail(QStringLiteral("note display shows \"%1\"").arg(shown));
            // Notes on show are learnt, not scored.
            if (m_phaseBefore[int(h)] != Phase::Recall && m_drill.hand(h).score > m_was[int(h)] &&
                !m_what.startsWith(QLatin1String("Start")))
                fail(QStringLiteral("a shown note scored"));
            if (phase == Phase::Recall)
                ++m_recalls;
            m_was[int(h)] = m_drill.hand(h).score;
            const qint16 pick =
                h == Hand::Left ? settings.MemoryPickLeft : settings.MemoryPickRight;
            if (pick < 0 || pick >= m_drill.TaskColumnCount())
                fail(QStringLiteral("column %1 outside the table").arg(pick));
        }
    }
    void checkRecord(const QString &record) override
    {
        static const QRegularExpression line(
            QStringLiteral("^(left|right) hand memory test(\\d+) (\\d+) points\\r\\n$"));
        const QRegularExpressionMatch m = line.match(record);
        if (m.hasMatch()) {
            const Hand h = m.captured(1) == QLatin1String("left") ? Hand::Left : Hand::Right;
            if (m.captured(2).toInt() != m_drill.hand(h).count ||
                m.captured(3) != label(DrillCore::scoreLabel(h)))
                fail(QStringLiteral("task line does not fit the state: ") + record);
            return;
        }
        checkSummary(record, QStringLiteral("Memory test"), QStringLiteral("memory tasks"),
                     settings.SequenceCountLeft);
    }

private:
    SeededRandom m_columns{1234};
    MemoryDrill m_drill{ports, m_columns};
    MemoryDrill::Phase m_phaseBefore[2] = {};
    qint16 m_was[2] = {0, 0};
};

} // namespace

class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void randomDrill();
    void preschoolDrill();
    void sequentialDrill();
    void memoryDrill();
    void memoryFinishedHandAfterTableSwitch();
};

void TestSoak::randomDrill()
{
    RandomSoak soak;
    const QString problem = soak.run();
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY(soak.summaries > 50);
    QVERIFY(soak.overflowsSeen > 0);
}

void TestSoak::preschoolDrill()
{
    PreschoolSoak soak;
    const QString problem = soak.run();
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY(soak.summaries > 20);
}

void TestSoak::sequentialDrill()
{
    SequentialSoak soak;
    const QString problem = soak.run();
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY(soak.summaries > 20);
    QVERIFY(soak.overflowsSeen > 0);
    QVERIFY(soak.m_runningEvents > Events / 2);
}

void TestSoak::memoryDrill()
{
    MemorySoak soak;
    const QString problem = soak.run();
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY(soak.summaries > 20);
    QVERIFY(soak.m_recalls > Events / 4);
}

void TestSoak::memoryFinishedHandAfterTableSwitch()
{
    PracticeSettings settings;
    FakeTicker left, right;
    FakeSyncSound sound;
    FakeLogFile file;
    FakeClock clock;
    ResultsLog log(file, clock);
    SeededRandom random{1234};
    MemoryDrill drill(DrillPorts{settings, left, right, sound, log}, random);
    drill.Form_Load(QStringLiteral(MORAVEL_BIN_DIR "/piano.db"), QStringLiteral("1"),
                    QStringLiteral("XYL.WAV"));
    drill.mnuStart_Click();
    for (int i = 0; i < 40 && drill.phase(Hand::Left) != MemoryDrill::Phase::Finished; ++i)
        drill.keyUp({Hand::Left, 1});
    QCOMPARE(drill.phase(Hand::Left), MemoryDrill::Phase::Finished);
    drill.mnu3_Click();
    QCOMPARE(drill.phase(Hand::Left), MemoryDrill::Phase::Finished);
    QCOMPARE(drill.labels().text(MemoryDrill::statusLabel(Hand::Left)), MemoryDrill::EndOfExercise);
    QCOMPARE(drill.labels().text(DrillCore::taskLabel(Hand::Left)), QString());
}

QTEST_GUILESS_MAIN(TestSoak)
#include "tst_soak.moc"
