#include "banktool/BankImport.h"

#include "banktool/YamlText.h"
#include "platform/Blanks.h"
#include "data/BankError.h"
#include "data/JetBank.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QSet>
#include <functional>

namespace {

const QStringList kLetters = {"A", "B", "C", "D"};

struct Kind
{
    QuestionKind kind;
    const char *key;  // the list in the sources
    const char *name; // in the notes
};

const Kind kKinds[] = {{QuestionKind::Choice, "choice", "choice questions"},
                       {QuestionKind::Blank, "blank", "fill-in tasks"},
                       {QuestionKind::Err, "err", "correction tasks"},
                       {QuestionKind::Pro, "pro", "programming tasks"}};

// How the two question tables name the same things.
struct QuestionTable
{
    QString name;
    QString key;
    QStringList options;
    QString choiceAnswer;
    QStringList typeCodes; // by kind, choice first
    int taskCapacity;      // programming kinds a window holds (choices: 10)
};

const QuestionTable kTests = {"c_test", "id", {"ch1", "ch2", "ch3", "ch4"}, "ch_answer", {"1", "2", "3", "4"}, 3};
const QuestionTable kExercises = {"c_excer", "id_test", {"ch_1", "ch_2", "ch_3", "ch_4"}, "answer",
                                  {"01", "02", "03", "04"}, 5};

QString field(int indent, const QString &key, const QString &value)
{
    return QString(indent, u' ') + key + QStringLiteral(": ") + YamlText::scalar(value, indent + 2) + u'\n';
}

// A file name for a two-character id, unless the id could not be one.
QString fileName(const QString &id, const QString &fallback)
{
    const bool usable = !id.contains(u'/') && !id.contains(u'\\') && !id.startsWith(u'.') && !id.trimmed().isEmpty();
    return (usable ? id : fallback) + QStringLiteral(".yaml");
}

class Importer
{
public:
    explicit Importer(JetBank &bank) : m_bank(bank) {}

    QMap<QString, QString> files; // relative path -> YAML
    QStringList leftOut;

    void chapters()
    {
        QSet<QString> ids;
        int number = 0;
        for (const Record &row : m_bank.chapters()) {
            const QString id = row.text(QStringLiteral("id"));
            const QString title = row.text(QStringLiteral("title"));
            if (!usableId(QStringLiteral("chapter"), id, title, ids))
                continue;
            QString yaml = field(0, QStringLiteral("id"), id) + field(0, QStringLiteral("title"), title)
                         + field(0, QStringLiteral("study_rtf"), row.text(QStringLiteral("content")));
            const QString exercise = questions(kExercises, QStringLiteral("chapter %1").arg(id), 2, [&](QuestionKind kind) {
                return m_bank.exerciseQuestions(kind, id);
            });
            if (!exercise.isEmpty())
                yaml += QStringLiteral("exercise:\n") + exercise;
            files.insert(QStringLiteral("chapters/") + fileName(id, QStringLiteral("chapter-%1").arg(++number)), yaml);
        }
        rowsNotImported(kExercises, QStringLiteral("c_id"), QStringLiteral("its chapter '%1' is not among the chapters imported"));
    }

    void testSets()
    {
        for (int group = 1; group <= 5; ++group) {
            const QString set = questions(kTests, QStringLiteral("test set %1").arg(group), 0, [&](QuestionKind kind) {
                return m_bank.testQuestions(kind, group);
            });
            if (!set.isEmpty())
                files.insert(QStringLiteral("tests/%1.yaml").arg(group), QStringLiteral("group: %1\n").arg(group) + set);
        }
        rowsNotImported(kTests, QStringLiteral("group_id"), QStringLiteral("test set '%1' is not one of 1 to 5"));
    }

    void algorithms()
    {
        QSet<QString> ids;
        int number = 0;
        for (const Record &row : m_bank.algorithms()) {
            const QString id = row.text(QStringLiteral("id"));
            const QString title = row.text(QStringLiteral("title"));
            if (!usableId(QStringLiteral("jdsf"), id, title, ids))
                continue;
            files.insert(QStringLiteral("algorithms/") + fileName(id, QStringLiteral("algorithm-%1").arg(++number)),
                         field(0, QStringLiteral("id"), id) + field(0, QStringLiteral("title"), title)
                             + field(0, QStringLiteral("content_rtf"), row.text(QStringLiteral("content"))));
        }
    }

private:
    void note(const QString &table, const QString &id, const QString &reason) { leftOut << QStringLiteral("%1:%2: %3").arg(table, id, reason); }

    // The sources name chapters and algorithms by a unique two-character id, and take a title
    // without a line break at its end.
    bool usableId(const QString &table, const QString &id, const QString &title, QSet<QString> &ids)
    {
        if (id.size() != 2)
            note(table, id, QStringLiteral("an id must have exactly two characters"));
        else if (ids.contains(id))
            note(table, id, QStringLiteral("the id is used by an earlier row"));
        else if (title.endsWith(u'\n'))
            note(table, id, QStringLiteral("the title ends with a line break"));
        else
            return ids.insert(id), true;
        return false;
    }

    // The questions of one set, in the order the program takes them, as YAML lists.
    QString questions(const QuestionTable &table, const QString &owner, int indent,
                      const std::function<RecordSet(QuestionKind)> &rowsOf)
    {
        QString yaml;
        for (const Kind &k : kKinds) {
            const int capacity = k.kind == QuestionKind::Choice ? 10 : table.taskCapacity;
            QString items;
            int kept = 0;
            for (const Record &row : rowsOf(k.kind)) {
                const QString id = row.text(table.key);
                m_imported[table.name].insert(id);
                QString item;
                if (kept == capacity)
                    note(table.name, id, QStringLiteral("%1 has %2 %3 already, as many as its window shows")
                                             .arg(owner).arg(capacity).arg(QLatin1String(k.name)));
                else
                    item = k.kind == QuestionKind::Choice ? choice(table, row, indent) : task(table, k.kind, row, kept + 1, indent);
                if (!item.isEmpty()) {
                    items += item;
                    ++kept;
                }
            }
            if (!items.isEmpty())
                yaml += QString(indent, u' ') + QLatin1String(k.key) + QStringLiteral(":\n") + items;
        }
        return yaml;
    }

    // Fields the windows do not read for this kind of question hold nothing the sources keep.
    void dropUnread(const QuestionTable &table, const Record &row, const QStringList &fields, const QString &kindName)
    {
        for (const QString &f : fields) {
            if (row.actualSize(f) > 0)
                note(table.name, row.text(table.key), QStringLiteral("%1 is not read for a %2 and is left out").arg(f, kindName));
        }
    }

    QString choice(const QuestionTable &table, const Record &row, int indent)
    {
        const QString answer = row.text(table.choiceAnswer);
        if (!kLetters.contains(trimBlanks(answer))) {
            note(table.name, row.text(table.key), QStringLiteral("the answer '%1' is not A, B, C or D").arg(answer));
            return {};
        }
        QStringList unread = {QStringLiteral("content"), QStringLiteral("data_file"), QStringLiteral("data_file1")};
        if (table.choiceAnswer != u"answer")
            unread.prepend(QStringLiteral("answer"));
        dropUnread(table, row, unread, QStringLiteral("choice question"));
        const int at = indent + 2;
        QString yaml = QString(indent, u' ') + QStringLiteral("- legacy: true\n") + field(at, QStringLiteral("title"), row.text(QStringLiteral("title")))
                     + QString(at, u' ') + QStringLiteral("options:\n");
        for (const QString &option : table.options)
            yaml += QString(at + 2, u' ') + QStringLiteral("- ") + YamlText::scalar(row.text(option), at + 4) + u'\n';
        return yaml + field(at, QStringLiteral("answer"), answer) + field(at, QStringLiteral("explain"), row.text(QStringLiteral("explain")));
    }

    // position: the task's place in its section from 1, which names its data file.
    QString task(const QuestionTable &table, QuestionKind kind, const Record &row, int position, int indent)
    {
        const QString kindName = kind == QuestionKind::Blank ? QStringLiteral("fill-in task")
                               : kind == QuestionKind::Err   ? QStringLiteral("correction task")
                                                             : QStringLiteral("programming task");
        QStringList unread = table.options;
        if (table.choiceAnswer != u"answer")
            unread << table.choiceAnswer;
        const bool hasData = kind == QuestionKind::Pro && row.actualSize(QStringLiteral("data_file")) > 0;
        if (kind != QuestionKind::Pro)
            unread << QStringLiteral("data_file");
        if (!hasData)
            unread << QStringLiteral("data_file1");
        dropUnread(table, row, unread, kindName);

        const int at = indent + 2;
        QString yaml = QString(indent, u' ') + QStringLiteral("- legacy: true\n") + field(at, QStringLiteral("title"), row.text(QStringLiteral("title")))
                     + field(at, QStringLiteral("program"), row.text(QStringLiteral("content")))
                     + field(at, QStringLiteral("answer"), row.text(QStringLiteral("answer")))
                     + field(at, QStringLiteral("explain"), row.text(QStringLiteral("explain")));
        if (hasData) {
            const QString mark = row.text(QStringLiteral("data_file"));
            if (mark != QStringLiteral("data_%1%2.dat").arg(position).arg(1))
                yaml += field(at, QStringLiteral("data_file"), mark);
            yaml += field(at, QStringLiteral("data"), row.text(QStringLiteral("data_file1")));
        }
        return yaml;
    }

    // Rows no set took: a type code that is no kind, or an owner that is not imported.
    void rowsNotImported(const QuestionTable &table, const QString &ownerField, const QString &ownerMissing)
    {
        for (const Record &row : m_bank.rows(table.name)) {
            const QString id = row.text(table.key);
            if (m_imported[table.name].contains(id))
                continue;
            const QString type = row.text(QStringLiteral("type"));
            if (!table.typeCodes.contains(type))
                note(table.name, id, QStringLiteral("type '%1' is not a question kind (%2 to %3)").arg(type, table.typeCodes.first(), table.typeCodes.last()));
            else
                note(table.name, id, ownerMissing.arg(row.text(ownerField)));
        }
    }

    JetBank &m_bank;
    QHash<QString, QSet<QString>> m_imported; // keys of the rows taken, by table
};

bool holdsSources(const QString &folder)
{
    for (const char *sub : {"chapters", "tests", "algorithms"}) {
        if (!QDir(folder + u'/' + QLatin1String(sub)).entryList({QStringLiteral("*.yaml")}, QDir::Files).isEmpty())
            return true;
    }
    return false;
}

}

BankImport::Result BankImport::run(const QString &mdbFile, const QString &folder)
{
    Result result;
    if (holdsSources(folder)) {
        result.failure = QStringLiteral("%1 holds bank sources already; import into an empty folder").arg(folder);
        return result;
    }
    QMap<QString, QString> files;
    try {
        JetBank bank(mdbFile);
        Importer importer(bank);
        importer.chapters();
        importer.testSets();
        importer.algorithms();
        files = importer.files;
        result.leftOut = importer.leftOut;
    } catch (const BankError &e) {
        result.failure = e.message();
        return result;
    }
    const QString header = QStringLiteral("# Imported from %1 by bankc import: texts as they stood, questions not proven.\n")
                               .arg(QFileInfo(mdbFile).fileName());
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        const QString path = folder + u'/' + it.key();
        QFile file(path);
        if (!QDir().mkpath(QFileInfo(path).path()) || !file.open(QIODevice::WriteOnly)
            || file.write((header + it.value()).toUtf8()) < 0) {
            result.failure = QStringLiteral("cannot write %1").arg(path);
            return result;
        }
    }
    return result;
}
