// The mistakes beginners make, kept in bank/mistakes as whole programs, each judged on its task's
// cases exactly as a student's check judges it: every one must fail a case. A later edit that
// weakens a task's cases lets one of them pass and fails this test.
//
// A mistake's path names its task: mistakes/chapters/05/pro1-....c is the first programming task
// of chapter 05, mistakes/tests/3/err2-....c the second correction task of test set 3.

#include "banktool/BankSource.h"
#include "judge/Judge.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString bankFolder() { return qEnvironmentVariable("ZQ_BANK_SOURCE_DIR", QStringLiteral(ZQ_BANK_SOURCE_DIR)); }

const QuestionSet *setOf(const BankSource &bank, const QString &table, const QString &id)
{
    if (table == u"chapters") {
        for (const ChapterSource &c : bank.chapters) {
            if (c.id == id)
                return &c.exercise;
        }
    } else {
        for (const TestSetSource &t : bank.testSets) {
            if (QString::number(t.group) == id)
                return &t.questions;
        }
    }
    return nullptr;
}

// The task the mistake was made on, as the judge gets it, or an empty list of cases.
JudgeTask taskOf(const BankSource &bank, const QString &relativePath, const QString &source)
{
    static const QRegularExpression path(u"^(chapters|tests)/(\\w+)/(blank|err|pro)(\\d+)-[\\w-]+\\.c$"_s);
    const QRegularExpressionMatch m = path.match(relativePath);
    JudgeTask task;
    task.sourcePath = source;
    const QuestionSet *set = m.hasMatch() ? setOf(bank, m.captured(1), m.captured(2)) : nullptr;
    if (!set)
        return task;
    const QList<ProgramTask> &tasks = m.captured(3) == u"blank" ? set->blank : m.captured(3) == u"err" ? set->err : set->pro;
    const int position = m.captured(4).toInt();
    if (position < 1 || position > tasks.size())
        return task;
    const ProgramTask &t = tasks[position - 1];
    task.dataName = t.hasData ? dataFileName(position) : QString();
    task.cases << JudgeCase{1, false, {}, t.input, t.data, t.output};
    for (const TaskCase &c : t.cases)
        task.cases << JudgeCase{int(task.cases.size()) + 1, c.hidden, c.about, c.input, c.data, c.output};
    return task;
}

}

class TestBankMistakes : public QObject
{
    Q_OBJECT

    BankSource m_bank;

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(u"gcc"_s).isEmpty())
            QSKIP("gcc is not installed");
        QStringList errors;
        m_bank = readBankSource(bankFolder(), errors);
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(u'\n')));
    }

    void everyMistakeFailsACase_data()
    {
        QTest::addColumn<QString>("relativePath");
        const QDir root(bankFolder() + u"/mistakes"_s);
        QStringList paths;
        for (QDirIterator it(root.path(), {u"*.c"_s}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            paths << root.relativeFilePath(it.next());
        paths.sort();
        QVERIFY2(!paths.isEmpty(), "no mistakes under bank/mistakes");
        for (const QString &p : paths)
            QTest::newRow(qPrintable(p)) << p;
    }

    void everyMistakeFailsACase()
    {
        QFETCH(QString, relativePath);
        const JudgeTask task = taskOf(m_bank, relativePath, bankFolder() + u"/mistakes/"_s + relativePath);
        QVERIFY2(!task.cases.isEmpty(), "the path names no task of the bank (chapters/NN/proK-what.c, tests/N/errK-what.c)");
        Judge judge;
        QSignalSpy finished(&judge, &Judge::finished);
        QVERIFY(judge.start(task));
        QVERIFY(finished.wait(60000));
        const Verdict verdict = finished.takeFirst().at(0).value<Verdict>();
        // A mistake the compiler stops is no test of the cases.
        QVERIFY2(verdict.kind != VerdictKind::CompileError, qPrintable(verdict.compilerMessages));
        QVERIFY2(verdict.kind != VerdictKind::Passed, "the mistake passes every case: add a case that it fails");
        // Output right but for its blanks and line breaks is a case failed as well (格式错误).
        QVERIFY2(verdict.kind == VerdictKind::WrongOutput || verdict.kind == VerdictKind::FormatError || verdict.kind == VerdictKind::RunError
                     || verdict.kind == VerdictKind::TimeLimit,
                 qPrintable(u"verdict %1: %2"_s.arg(int(verdict.kind)).arg(verdict.problem)));
        qInfo("caught by case %d of %d%s", verdict.failedCase.number, verdict.total,
              verdict.failedCase.hidden ? qPrintable(u" (hidden: %1)"_s.arg(verdict.failedCase.description)) : "");
    }
};

QTEST_GUILESS_MAIN(TestBankMistakes)
#include "tst_bank_mistakes.moc"
