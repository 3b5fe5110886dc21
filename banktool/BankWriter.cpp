#include "banktool/BankWriter.h"

#include "banktool/MarkdownRtf.h"
#include "banktool/TaskSample.h"
#include "banktool/TitleText.h"
#include "data/BankSchema.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {

class Writer
{
public:
    explicit Writer(const QString &connection) : m_db(QSqlDatabase::database(connection, false)) {}

    void exec(const QString &sql, const QVariantList &values = {})
    {
        QSqlQuery query(m_db);
        if (!query.prepare(sql))
            throw query.lastError().text();
        for (const QVariant &v : values)
            query.addBindValue(v);
        if (!query.exec())
            throw query.lastError().text();
    }

    // Rows of one question set, numbered on from the last row written.
    void questions(const QString &table, const QuestionSet &set, const QString &typePrefix, const QVariant &owner)
    {
        const bool test = table == u"c_test";
        const QString insert = BankSchema::insertStatement(table); // values in the schema's order
        for (const ChoiceQuestion &q : set.choice) {
            QVariantList v{++m_id, typePrefix + u'1', owner, q.legacy ? q.title : TitleText::joinParagraphs(q.title)};
            for (const QString &o : q.options)
                v << o;
            if (test)
                v << q.answer << QString();
            else
                v << q.answer;
            v << q.explain << QString() << QString() << QString();
            exec(insert, v);
        }
        const QList<QPair<QChar, const QList<ProgramTask> *>> kinds = {
            {u'2', &set.blank}, {u'3', &set.err}, {u'4', &set.pro}};
        for (const auto &[code, tasks] : kinds) {
            for (int i = 0; i < tasks->size(); ++i) {
                const ProgramTask &t = tasks->at(i);
                // An imported task keeps its text exactly; ours read as paragraphs and show their example.
                ProgramTask shown = t;
                if (!t.legacy)
                    shown.title = TitleText::joinParagraphs(t.title);
                const QString title = code == u'4' && !t.legacy ? TaskSample::titleWithSample(shown, i + 1) : shown.title;
                QVariantList v{++m_id, typePrefix + code, owner, title, QString(), QString(), QString(), QString()};
                if (test)
                    v << QString();
                v << t.answer << t.explain << t.program;
                const QString dataFile = t.dataFile.isEmpty() ? dataFileName(i + 1) : t.dataFile;
                v << (t.hasData ? dataFile : QString()) << t.data;
                exec(insert, v);
                cases(table, m_id, t);
                if (code == u'3' && t.faults > 0)
                    exec(BankSchema::insertStatement(QStringLiteral("c_fault")), {table, m_id, t.faults});
            }
        }
    }

    // The example as case 1, then the further cases. A task without a data file has no data (null),
    // which differs from an empty data file.
    void cases(const QString &table, int taskId, const ProgramTask &t)
    {
        const QString insert = BankSchema::insertStatement(QStringLiteral("c_case"));
        const QVariant noData(QMetaType::fromType<QString>());
        exec(insert, {table, taskId, 1, t.input, t.hasData ? QVariant(t.data) : noData, t.output, 0, QString()});
        for (int k = 0; k < t.cases.size(); ++k) {
            const TaskCase &c = t.cases[k];
            exec(insert, {table, taskId, k + 2, c.input, t.hasData ? QVariant(c.data) : noData, c.output, c.hidden ? 1 : 0, c.about});
        }
    }

private:
    QSqlDatabase m_db;
    int m_id = 0;
};

}

QString algorithmMarkdown(const AlgorithmSource &algorithm)
{
    return QStringLiteral("%1\n\n## 程序\n\n```c\n%2\n```\n").arg(algorithm.description.trimmed(), algorithm.program);
}

QString writeBank(const BankSource &source, const QString &file)
{
    const QString partial = file + QStringLiteral(".part");
    QFile::remove(partial);
    const QString connection = QStringLiteral("bank-writer");
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(partial);
        if (!db.open()) {
            failure = db.lastError().text();
        } else {
            try {
                Writer w(connection);
                w.exec(QStringLiteral("begin"));
                for (const QString &sql : BankSchema::createStatements())
                    w.exec(sql);
                for (const ChapterSource &c : source.chapters) {
                    const QString study = c.studyRtf ? *c.studyRtf
                                                     : QString::fromUtf8(MarkdownRtf::convert(c.study, MarkdownRtf::kChapterWidth));
                    w.exec(BankSchema::insertStatement(QStringLiteral("chapter")), {c.id, c.title, study});
                    w.questions(QStringLiteral("c_excer"), c.exercise, QStringLiteral("0"), c.id);
                }
                for (const TestSetSource &t : source.testSets)
                    w.questions(QStringLiteral("c_test"), t.questions, QString(), t.group);
                for (const AlgorithmSource &a : source.algorithms)
                    w.exec(BankSchema::insertStatement(QStringLiteral("jdsf")),
                           {a.id, a.title, a.contentRtf ? *a.contentRtf : QString::fromUtf8(MarkdownRtf::convert(algorithmMarkdown(a)))});
                w.exec(QStringLiteral("commit"));
            } catch (const QString &error) {
                failure = error;
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    if (failure.isEmpty()) {
        QFile::remove(file);
        if (!QFile::rename(partial, file))
            failure = QStringLiteral("cannot move %1 to %2").arg(partial, file);
    }
    if (!failure.isEmpty())
        QFile::remove(partial);
    return failure;
}
