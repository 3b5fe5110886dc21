#include "record/Notebook.h"
#include "record/RecordFile.h"
#include "record/RecordLocation.h"
#include "record/RecordSchema.h"
#include "record/RunWriter.h"
#include "record/RecordReader.h"
#include "RecordRuns.h"

#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

using namespace RecordRuns;

namespace {

// One step of a question's life: the run it was in answered it right or not.
using Answers = QList<bool>;

RecordSummary read(const QString &path, const QString &openBank = kBank.hash)
{
    RecordFile file(path);
    return RecordReader::read(file, openBank);
}

QVariant scalar(const QString &path, const QString &statement)
{
    RecordFile file(path);
    QSqlQuery query(file.db());
    if (!query.exec(statement) || !query.next())
        return {};
    return query.value(0);
}

}

class TestLearningRecord : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_path;

private slots:
    void init()
    {
        static int test = 0;
        m_path = m_dir.filePath(QStringLiteral("%1/record.sqlite").arg(++test));
    }

    void aRunIsReadBackAsItWasRecorded()
    {
        FinishedRun test = run({choice(1, 2, true), task(QuestionKind::Pro, 7, VerdictKind::Passed)}, RunKind::Test, "3", 88);
        test.checks = {{QStringLiteral("c_test"), 7, test.started.addSecs(300), VerdictKind::Passed, QByteArray(20, 'x')}};
        const RecordStatus status = recordRun(m_path, test);
        QVERIFY2(status.recorded, qPrintable(status.reason));
        QVERIFY(status.notice(RunKind::Test).isEmpty());

        const RecordSummary summary = read(m_path);
        QCOMPARE(summary.runs.size(), 1);
        const RecordSummary::Run &got = summary.runs.first();
        QCOMPARE(got.kind, RunKind::Test);
        QCOMPARE(got.subject, QStringLiteral("3"));
        QCOMPARE(got.title, QStringLiteral("第3套练习题"));
        QCOMPARE(got.started, test.started);
        QCOMPARE(got.seconds, 723);
        QCOMPARE(got.score, 88);
        QCOMPARE(scalar(m_path, "select count(*) from answer").toInt(), 2);
        QCOMPARE(scalar(m_path, "select verdict from answer where qid = 7").toString(), QStringLiteral("passed"));
        QCOMPARE(scalar(m_path, "select chosen from answer where qid = 1").toInt(), 2);
        QCOMPARE(scalar(m_path, "select count(*) from task_check").toInt(), 1);
    }

    // The record is the user's alone, in WAL mode, at the current schema.
    void theRecordIsMadeUserOnlyInWalMode()
    {
        QVERIFY(recordRun(m_path, run({})).recorded);
        const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
                                          | QFile::WriteOther | QFile::ExeOther;
        RecordFile open(m_path); // its journals exist while it is open
        QVERIFY(QSqlQuery(open.db()).exec(QStringLiteral("select count(*) from run")));
        for (const QString &made : {m_path, m_path + "-wal", m_path + "-shm", QFileInfo(m_path).absolutePath()}) {
            QVERIFY2(QFileInfo::exists(made), qPrintable(made));
            QCOMPARE(QFileInfo(made).permissions() & others, QFile::Permissions());
        }
        QCOMPARE(scalar(m_path, "pragma journal_mode").toString(), QStringLiteral("wal"));
        QCOMPARE(scalar(m_path, "pragma user_version").toInt(), RecordSchema::currentVersion());
    }

    void aRecordOfANewerProgramIsLeftAlone()
    {
        QVERIFY(recordRun(m_path, run({})).recorded);
        RecordFile::drop(); // the newer program's turn
        { RecordFile file(m_path); file.run(QStringLiteral("pragma user_version = %1").arg(RecordSchema::currentVersion() + 1)); }
        const RecordStatus status = recordRun(m_path, run({}));
        QVERIFY(!status.recorded);
        QCOMPARE(status.reason, QStringLiteral("学习记录文件由较新版本的本程序建立"));
        QCOMPARE(QDir(QFileInfo(m_path).absolutePath()).entryList({"*.damaged-*"}), QStringList());
    }

    void theNotebookFollowsEachQuestion_data()
    {
        QTest::addColumn<QList<AnsweredQuestion>>("answers"); // the same question in run after run
        QTest::addColumn<bool>("inNotebook");
        QTest::addColumn<int>("rights");
        const auto wrong = choice(5, 1, false);
        const auto blank = choice(5, 0, false);
        const auto right = choice(5, 3, true);
        const auto failed = task(QuestionKind::Blank, 5, VerdictKind::WrongOutput);
        const auto unchecked = task(QuestionKind::Err, 5, std::nullopt);
        const auto passed = task(QuestionKind::Blank, 5, VerdictKind::Passed);
        QTest::newRow("answered wrong enters") << QList{wrong} << true << 0;
        QTest::newRow("answered right never enters") << QList{right} << false << 0;
        QTest::newRow("a task that failed enters") << QList{failed} << true << 0;
        QTest::newRow("a task never checked enters") << QList{unchecked} << true << 0;
        QTest::newRow("one right run is not enough") << QList{wrong, right} << true << 1;
        QTest::newRow("two right runs take it out") << QList{wrong, right, right} << false << 0;
        QTest::newRow("a task passed twice leaves") << QList{failed, passed, passed} << false << 0;
        QTest::newRow("missed again counts anew") << QList{wrong, right, blank, right} << true << 1;
        QTest::newRow("out and missed again enters again") << QList{wrong, right, right, wrong} << true << 0;
    }

    void theNotebookFollowsEachQuestion()
    {
        QFETCH(QList<AnsweredQuestion>, answers);
        QFETCH(bool, inNotebook);
        QFETCH(int, rights);
        for (const AnsweredQuestion &answer : answers)
            QVERIFY(recordRun(m_path, run({answer})).recorded);
        const QList<Notebook::Entry> notebook = read(m_path).notebook;
        QCOMPARE(notebook.size(), inNotebook ? 1 : 0);
        if (inNotebook) {
            QCOMPARE(notebook.first().rights, rights);
            QCOMPARE(notebook.first().question, (QuestionRef{QStringLiteral("c_test"), 5}));
            QCOMPARE(notebook.first().kind, answers.first().kind);
            QCOMPARE(notebook.first().summary, answers.first().summary);
        }
    }

    // The same id in another bank is another question: listed, never asked.
    void questionsOfAnotherBankAreListedButNotAsked()
    {
        QVERIFY(recordRun(m_path, run({choice(1, 1, false)}, RunKind::Test, "1", 0, kOtherBank)).recorded);
        QVERIFY(recordRun(m_path, run({choice(1, 1, false), choice(2, 0, false)})).recorded);
        QVERIFY(recordRun(m_path, run({choice(1, 3, true)})).recorded); // right in the open bank only

        const QList<Notebook::Entry> notebook = read(m_path).notebook;
        QCOMPARE(notebook.size(), 3);
        QCOMPARE(notebook[0].bankFile, kOtherBank.fileName);
        QVERIFY(!notebook[0].inOpenBank);
        QCOMPARE(notebook[0].rights, 0);
        const QuestionPick practice = Notebook::practice(notebook);
        QCOMPARE(practice.choice, (QList<QuestionRef>{{"c_test", 1}, {"c_test", 2}}));
    }

    // At most what the exercise window holds, the longest-missed first.
    void aPracticeTakesTheOldestUpToTheWindowsCapacity()
    {
        QList<AnsweredQuestion> missed;
        for (int id = 30; id > 18; --id)
            missed << choice(id, 0, false);
        QVERIFY(recordRun(m_path, run(missed)).recorded);
        QList<AnsweredQuestion> tasks;
        for (int id = 1; id <= 7; ++id)
            tasks << task(QuestionKind::Blank, 100 + id, VerdictKind::CompileError)
                  << task(QuestionKind::Pro, 200 + id, std::nullopt);
        tasks << task(QuestionKind::Err, 300, VerdictKind::RunError);
        QVERIFY(recordRun(m_path, run(tasks)).recorded);
        QVERIFY(recordRun(m_path, run({choice(1, 2, false, QStringLiteral("c_excer"))}, RunKind::Exercise, "02")).recorded);

        const QuestionPick practice = Notebook::practice(read(m_path).notebook);
        QCOMPARE(practice.choice.size(), 10);
        QCOMPARE(practice.choice.first(), (QuestionRef{"c_test", 19})); // same run: by id
        QVERIFY(!practice.choice.contains(QuestionRef{"c_excer", 1}));  // the newest waits
        QCOMPARE(practice.blank.size(), 5);
        QCOMPARE(practice.blank.last(), (QuestionRef{"c_test", 105}));
        QCOMPARE(practice.pro.size(), 5);
        QCOMPARE(practice.err, (QList<QuestionRef>{{"c_test", 300}}));
    }

    void bestScoresAndChapterProgress()
    {
        for (const auto &[kind, subject, score] : QList<std::tuple<RunKind, QString, int>>{
                 {RunKind::Test, "1", 40}, {RunKind::Test, "1", 90}, {RunKind::Test, "1", 70}, {RunKind::Test, "4", 0},
                 {RunKind::Exercise, "02", 55}, {RunKind::Exercise, "02", 35}, {RunKind::NotebookPractice, "", 100}})
            QVERIFY(recordRun(m_path, run({}, kind, subject, score)).recorded);
        { RecordFile file(m_path); RecordReader::markStudied(file, QStringLiteral("01")); RecordReader::markStudied(file, QStringLiteral("02")); }

        const RecordSummary summary = read(m_path);
        QCOMPARE(summary.runs.size(), 7);
        QCOMPARE(summary.sets.keys().size(), 2);
        QCOMPARE(summary.sets["1"].score, 90);
        QCOMPARE(summary.sets["1"].runs, 3);
        QCOMPARE(summary.sets["4"].score, 0);
        QCOMPARE(summary.chapters["02"].best, 55);
        QCOMPARE(summary.chapters["02"].exercises, 2);
        QVERIFY(summary.chapters["02"].studied);
        QVERIFY(summary.chapters["01"].studied);
        QCOMPARE(summary.chapters["01"].exercises, 0);
        RecordFile file(m_path);
        QCOMPARE(RecordReader::exercisedChapters(file), QSet<QString>{"02"});
    }

    // Unless a test puts it elsewhere, the record lies in the user's data folder.
    void theRecordLivesInTheUsersDataFolder()
    {
        RecordLocation::setFolder({});
        QVERIFY(RecordLocation::file().endsWith(QStringLiteral("/zhiqiao/record.sqlite")));
    }

    void aBanksIdentityIsItsNameAndContent()
    {
        const QString path = m_dir.filePath(QStringLiteral("c_qiyuan.db"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("abc");
        file.close();
        const BankIdentity first = BankIdentity::of(path);
        QCOMPARE(first.fileName, QStringLiteral("c_qiyuan.db"));
        QCOMPARE(first.hash, QStringLiteral("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"));
        QVERIFY(file.open(QIODevice::Append));
        file.write("d");
        file.close();
        QVERIFY(BankIdentity::of(path).hash != first.hash);
    }
};

QTEST_GUILESS_MAIN(TestLearningRecord)
#include "tst_learning_record.moc"
