#include "banktool/BankSource.h"

#include "data/AnswerText.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>

#include <yaml-cpp/yaml.h>

namespace {

// Reads one YAML file, collecting complaints with their places.
class Reader
{
public:
    Reader(QString file, QStringList &errors) : m_file(std::move(file)), m_errors(errors) {}

    SourcePlace placeOf(const YAML::Node &node) const { return {m_file, node.Mark().line + 1}; }

    void complain(const YAML::Node &node, const QString &message)
    {
        m_errors << QStringLiteral("%1: %2").arg(placeOf(node).where(), message);
    }

    // Only the named keys may appear: a misspelt key would silently drop content.
    void allowKeys(const YAML::Node &map, const QStringList &keys)
    {
        for (auto it = map.begin(); it != map.end(); ++it) {
            const QString key = QString::fromStdString(it->first.as<std::string>(""));
            if (!keys.contains(key))
                complain(it->first, QStringLiteral("unknown key '%1' (expected one of: %2)").arg(key, keys.join(u", ")));
        }
    }

    QString text(const YAML::Node &map, const char *key, bool required)
    {
        const YAML::Node node = map[key];
        if (!node || node.IsNull()) {
            if (required)
                complain(map, QStringLiteral("missing '%1'").arg(QLatin1String(key)));
            return {};
        }
        if (!node.IsScalar()) {
            complain(node, QStringLiteral("'%1' must be text").arg(QLatin1String(key)));
            return {};
        }
        return QString::fromStdString(node.as<std::string>());
    }

    // Text without the line break a block scalar ends with: the program adds its own.
    QString block(const YAML::Node &map, const char *key, bool required)
    {
        QString t = text(map, key, required);
        while (t.endsWith(u'\n'))
            t.chop(1);
        return t;
    }

    QStringList list(const YAML::Node &map, const char *key)
    {
        QStringList items;
        const YAML::Node node = map[key];
        if (!node)
            return items;
        if (!node.IsSequence()) {
            complain(node, QStringLiteral("'%1' must be a list").arg(QLatin1String(key)));
            return items;
        }
        for (const YAML::Node &item : node) {
            if (!item.IsScalar())
                complain(item, QStringLiteral("each entry of '%1' must be text").arg(QLatin1String(key)));
            else
                items << QString::fromStdString(item.as<std::string>());
        }
        return items;
    }

    ChoiceQuestion choice(const YAML::Node &node)
    {
        ChoiceQuestion q;
        q.place = placeOf(node);
        allowKeys(node, {"title", "options", "answer", "explain"});
        q.title = block(node, "title", true);
        q.options = list(node, "options");
        q.answer = text(node, "answer", true).trimmed();
        q.explain = block(node, "explain", true);
        if (q.options.size() != 4)
            complain(node, QStringLiteral("a choice question needs exactly four options, found %1").arg(q.options.size()));
        else if (QSet<QString>(q.options.begin(), q.options.end()).size() != 4)
            complain(node, QStringLiteral("the four options must differ"));
        static const QStringList letters = {"A", "B", "C", "D"};
        if (!letters.contains(q.answer))
            complain(node, QStringLiteral("answer must be A, B, C or D, not '%1'").arg(q.answer));
        return q;
    }

    ProgramTask task(const YAML::Node &node, const QString &kind)
    {
        ProgramTask t;
        t.place = placeOf(node);
        const QStringList common = {"title", "program", "explain", "answer", "input", "output", "cases"};
        t.title = block(node, "title", true);
        t.program = block(node, "program", true);
        t.explain = block(node, "explain", true);
        t.input = text(node, "input", false);
        t.output = text(node, "output", true);
        if (kind == u"blank") {
            allowKeys(node, common + QStringList{"fills"});
            t.fills = list(node, "fills");
            checkBlanks(node, t);
            t.answer = block(node, "answer", false);
            if (t.answer.isEmpty()) {
                QStringList lines;
                for (int k = 0; k < t.fills.size(); ++k)
                    lines << QStringLiteral("【%1】%2").arg(k + 1).arg(t.fills[k]);
                t.answer = lines.join(u'\n');
            }
        } else if (kind == u"err") {
            allowKeys(node, common + QStringList{"corrected", "faults"});
            t.corrected = block(node, "corrected", true);
            t.faults = text(node, "faults", true).toInt();
            if (t.faults < 1)
                complain(node, QStringLiteral("'faults' must be a number of at least 1"));
            t.answer = block(node, "answer", false);
            if (t.answer.isEmpty())
                t.answer = t.corrected;
        } else {
            allowKeys(node, common + QStringList{"data"});
            t.answer = block(node, "answer", true);
            t.hasData = bool(node["data"]) && !node["data"].IsNull();
            t.data = block(node, "data", false);
        }
        t.cases = cases(node, t.hasData);
        return t;
    }

    QList<TaskCase> cases(const YAML::Node &task, bool hasData)
    {
        QList<TaskCase> found;
        const YAML::Node node = task["cases"];
        if (!node || node.IsNull())
            return found;
        if (!node.IsSequence()) {
            complain(node, QStringLiteral("'cases' must be a list"));
            return found;
        }
        for (const YAML::Node &item : node) {
            if (!item.IsMap()) {
                complain(item, QStringLiteral("each case must be a map of fields"));
                continue;
            }
            TaskCase c;
            c.place = placeOf(item);
            allowKeys(item, hasData ? QStringList{"input", "data", "output", "hidden"}
                                    : QStringList{"input", "output", "hidden"});
            c.input = text(item, "input", false);
            c.output = text(item, "output", true);
            if (hasData) {
                if (!item["data"])
                    complain(item, QStringLiteral("the task has a data file, so each case gives its 'data' (\"\" for an empty file)"));
                c.data = block(item, "data", false);
            }
            const QString hidden = text(item, "hidden", false);
            if (!hidden.isEmpty() && hidden != u"true" && hidden != u"false")
                complain(item["hidden"], QStringLiteral("'hidden' must be true or false"));
            c.hidden = hidden != u"false";
            found << c;
        }
        return found;
    }

    // Imported questions: every text as it stands, no proof; only what the windows need is checked.
    ChoiceQuestion legacyChoice(const YAML::Node &node)
    {
        ChoiceQuestion q;
        q.place = placeOf(node);
        q.legacy = true;
        allowKeys(node, {"legacy", "title", "options", "answer", "explain"});
        q.title = text(node, "title", false);
        q.options = list(node, "options");
        q.answer = text(node, "answer", true);
        q.explain = text(node, "explain", false);
        if (q.options.size() != 4)
            complain(node, QStringLiteral("a choice question needs exactly four options, found %1").arg(q.options.size()));
        static const QStringList letters = {"A", "B", "C", "D"};
        if (!letters.contains(trimBlanks(q.answer)))
            complain(node, QStringLiteral("answer must be A, B, C or D, not '%1'").arg(q.answer));
        return q;
    }

    ProgramTask legacyTask(const YAML::Node &node, const QString &kind)
    {
        ProgramTask t;
        t.place = placeOf(node);
        t.legacy = true;
        QStringList keys = {"legacy", "title", "program", "answer", "explain"};
        if (kind == u"pro")
            keys << "data" << "data_file";
        allowKeys(node, keys);
        t.title = text(node, "title", false);
        t.program = text(node, "program", false);
        t.answer = text(node, "answer", false);
        t.explain = text(node, "explain", false);
        t.hasData = bool(node["data"]) && !node["data"].IsNull();
        t.data = text(node, "data", false);
        t.dataFile = text(node, "data_file", false);
        return t;
    }

    void checkBlanks(const YAML::Node &node, const ProgramTask &t)
    {
        static const QRegularExpression marker(QStringLiteral("___(\\d+)___"));
        QSet<int> found;
        for (auto m = marker.globalMatch(t.program); m.hasNext();)
            found << m.next().captured(1).toInt();
        if (found.isEmpty())
            complain(node, QStringLiteral("a fill-in program needs blanks written ___1___, ___2___, ..."));
        for (int k = 1; k <= int(found.size()); ++k) {
            if (!found.contains(k))
                complain(node, QStringLiteral("blank ___%1___ is missing: blanks are numbered from 1 without gaps").arg(k));
        }
        if (t.fills.size() != found.size())
            complain(node, QStringLiteral("%1 blanks but %2 fills").arg(found.size()).arg(t.fills.size()));
    }

    QuestionSet questions(const YAML::Node &map, int programCapacity)
    {
        QuestionSet set;
        auto each = [&](const char *key, int capacity, auto read) {
            const YAML::Node node = map[key];
            if (!node || node.IsNull())
                return;
            if (!node.IsSequence()) {
                complain(node, QStringLiteral("'%1' must be a list").arg(QLatin1String(key)));
                return;
            }
            if (int(node.size()) > capacity)
                complain(node, QStringLiteral("'%1' holds %2 questions; at most %3 fit")
                                   .arg(QLatin1String(key)).arg(node.size()).arg(capacity));
            for (const YAML::Node &item : node) {
                if (!item.IsMap())
                    complain(item, QStringLiteral("each question must be a map of fields"));
                else
                    read(item);
            }
        };
        const auto legacy = [](const YAML::Node &n) { return n["legacy"] && n["legacy"].as<std::string>("") == "true"; };
        each("choice", 10, [&](const YAML::Node &n) { set.choice << (legacy(n) ? legacyChoice(n) : choice(n)); });
        for (const char *kind : {"blank", "err", "pro"}) {
            QList<ProgramTask> &tasks = kind[0] == 'b' ? set.blank : kind[0] == 'e' ? set.err : set.pro;
            each(kind, programCapacity, [&](const YAML::Node &n) {
                tasks << (legacy(n) ? legacyTask(n, QLatin1String(kind)) : task(n, QLatin1String(kind)));
            });
        }
        return set;
    }

    QString id(const YAML::Node &root)
    {
        const QString value = text(root, "id", true);
        if (root["id"] && value.size() != 2)
            complain(root["id"], QStringLiteral("id must have exactly two characters, not '%1'").arg(value));
        return value;
    }

private:
    QString m_file;
    QStringList &m_errors;
};

template <class Read>
void eachFile(const QString &folder, QStringList &errors, Read read)
{
    const QDir dir(folder);
    for (const QString &name : dir.entryList({QStringLiteral("*.yaml")}, QDir::Files, QDir::Name)) {
        const QString file = dir.filePath(name);
        Reader reader(file, errors);
        YAML::Node root;
        try {
            root = YAML::LoadFile(file.toStdString());
        } catch (const YAML::Exception &e) {
            errors << QStringLiteral("%1:%2: %3").arg(file).arg(e.mark.line + 1).arg(QString::fromStdString(e.msg));
            continue;
        }
        if (!root.IsMap()) {
            errors << QStringLiteral("%1:1: the file must be a map of fields").arg(file);
            continue;
        }
        try {
            read(reader, root);
        } catch (const YAML::Exception &e) {
            errors << QStringLiteral("%1:%2: %3").arg(file).arg(e.mark.line + 1).arg(QString::fromStdString(e.msg));
        }
    }
}

template <class Item, class Key>
void requireUnique(const QList<Item> &items, Key key, const char *what, QStringList &errors)
{
    QHash<QString, SourcePlace> seen;
    for (const Item &item : items) {
        const QString k = key(item);
        if (seen.contains(k))
            errors << QStringLiteral("%1: %2 '%3' is used already at %4").arg(item.place.where(), QLatin1String(what), k, seen[k].where());
        else
            seen.insert(k, item.place);
    }
}

}

BankSource readBankSource(const QString &folder, QStringList &errors)
{
    BankSource bank;
    eachFile(folder + QStringLiteral("/chapters"), errors, [&](Reader &r, const YAML::Node &root) {
        r.allowKeys(root, {"id", "title", "study", "study_rtf", "exercise"});
        ChapterSource c;
        c.place = r.placeOf(root);
        c.id = r.id(root);
        c.title = r.block(root, "title", true);
        c.study = r.text(root, "study", false);
        if (root["study_rtf"])
            c.studyRtf = r.text(root, "study_rtf", false);
        if (root["exercise"] && !root["exercise"].IsMap()) {
            r.complain(root["exercise"], QStringLiteral("'exercise' must be a map of question lists"));
        } else if (root["exercise"]) {
            r.allowKeys(root["exercise"], {"choice", "blank", "err", "pro"});
            c.exercise = r.questions(root["exercise"], 5);
        }
        bank.chapters << c;
    });
    eachFile(folder + QStringLiteral("/tests"), errors, [&](Reader &r, const YAML::Node &root) {
        r.allowKeys(root, {"group", "choice", "blank", "err", "pro"});
        TestSetSource t;
        t.place = r.placeOf(root);
        t.group = r.text(root, "group", true).toInt();
        if (t.group < 1 || t.group > 5)
            r.complain(root, QStringLiteral("group must be a test set number from 1 to 5"));
        t.questions = r.questions(root, 3);
        bank.testSets << t;
    });
    eachFile(folder + QStringLiteral("/algorithms"), errors, [&](Reader &r, const YAML::Node &root) {
        r.allowKeys(root, {"id", "title", "description", "program", "input", "output", "cases", "content_rtf"});
        AlgorithmSource a;
        a.place = r.placeOf(root);
        a.id = r.id(root);
        a.title = r.block(root, "title", true);
        const bool imported = bool(root["content_rtf"]);
        if (imported)
            a.contentRtf = r.text(root, "content_rtf", false);
        a.description = r.text(root, "description", !imported);
        a.program = r.block(root, "program", !imported);
        a.input = r.text(root, "input", false);
        a.output = r.text(root, "output", !imported);
        a.cases = r.cases(root, false);
        bank.algorithms << a;
    });
    requireUnique(bank.chapters, [](const ChapterSource &c) { return c.id; }, "chapter id", errors);
    requireUnique(bank.algorithms, [](const AlgorithmSource &a) { return a.id; }, "algorithm id", errors);
    requireUnique(bank.testSets, [](const TestSetSource &t) { return QString::number(t.group); }, "test set", errors);
    return bank;
}
