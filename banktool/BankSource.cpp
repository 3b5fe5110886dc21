#include "banktool/BankSource.h"

#include "banktool/CutScalars.h"
#include "banktool/Language.h"
#include "platform/Blanks.h"

#include <QDir>
#include <QFile>
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

    // A fault of one field is reported at the field's own line, or the item's when it is missing.
    void complainAt(const YAML::Node &map, const char *key, const QString &message)
    {
        complain(map[key] ? map[key] : map, message);
    }

    // What a student's program prints is compared with these texts, and the task files are written
    // in the system code page, so anything but ASCII would compare differently between systems.
    void requireAscii(const YAML::Node &map, const char *key, const QString &value)
    {
        for (const QChar c : value) {
            if (c.unicode() > 0x7f) {
                complainAt(map, key, localized(u"'%1' 只能含 ASCII 字符（学生程序的输入输出在各系统上的编码不同），这里有 '%2'",
                                               u"'%1' must be ASCII only (a student program's input and output are encoded differently on each system), found '%2'")
                                         .arg(QLatin1String(key), c));
                return;
            }
        }
    }

    // Only the named keys may appear: a misspelt key would silently drop content.
    void allowKeys(const YAML::Node &map, const QStringList &keys)
    {
        for (auto it = map.begin(); it != map.end(); ++it) {
            const QString key = QString::fromStdString(it->first.as<std::string>(""));
            if (!keys.contains(key))
                complain(it->first, localized(u"未知的键 '%1'（应为其中之一：%2）", u"unknown key '%1' (expected one of: %2)")
                                        .arg(key, keys.join(u", ")));
        }
    }

    QString text(const YAML::Node &map, const char *key, bool required)
    {
        const YAML::Node node = map[key];
        if (!node || node.IsNull()) {
            if (required)
                complain(map, localized(u"缺少 '%1'", u"missing '%1'").arg(QLatin1String(key)));
            return {};
        }
        if (!node.IsScalar()) {
            complain(node, localized(u"'%1' 必须是文字", u"'%1' must be text").arg(QLatin1String(key)));
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
            complain(node, localized(u"'%1' 必须是列表", u"'%1' must be a list").arg(QLatin1String(key)));
            return items;
        }
        for (const YAML::Node &item : node) {
            if (!item.IsScalar())
                complain(item, localized(u"'%1' 的每一项都必须是文字", u"each entry of '%1' must be text").arg(QLatin1String(key)));
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
        q.answerPlace = placeOf(node["answer"] ? node["answer"] : node);
        q.explain = block(node, "explain", true);
        if (q.options.size() != 4)
            complainAt(node, "options", localized(u"选择题必须恰好有四个选项，这里有 %1 个", u"a choice question needs exactly four options, found %1")
                                            .arg(q.options.size()));
        else if (QSet<QString>(q.options.begin(), q.options.end()).size() != 4)
            complainAt(node, "options", localized(u"四个选项必须互不相同", u"the four options must differ"));
        static const QStringList letters = {"A", "B", "C", "D"};
        if (node["answer"] && !letters.contains(q.answer))
            complainAt(node, "answer", localized(u"answer 必须是 A、B、C 或 D，不能是 '%1'", u"answer must be A, B, C or D, not '%1'").arg(q.answer));
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
        requireAscii(node, "input", t.input);
        requireAscii(node, "output", t.output);
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
            if (node["faults"] && t.faults < 1)
                complainAt(node, "faults", localized(u"'faults' 必须是不小于 1 的数", u"'faults' must be a number of at least 1"));
            t.answer = block(node, "answer", false);
            if (t.answer.isEmpty())
                t.answer = t.corrected;
        } else {
            allowKeys(node, common + QStringList{"data"});
            t.answer = block(node, "answer", true);
            t.hasData = bool(node["data"]) && !node["data"].IsNull();
            t.data = block(node, "data", false);
            requireAscii(node, "data", t.data);
        }
        t.cases = cases(node, t.hasData, true);
        return t;
    }

    // asciiOnly: the outputs are compared with a student's program (tasks, not algorithms).
    QList<TaskCase> cases(const YAML::Node &task, bool hasData, bool asciiOnly)
    {
        QList<TaskCase> found;
        const YAML::Node node = task["cases"];
        if (!node || node.IsNull())
            return found;
        if (!node.IsSequence()) {
            complain(node, localized(u"'cases' 必须是列表", u"'cases' must be a list"));
            return found;
        }
        for (const YAML::Node &item : node) {
            if (!item.IsMap()) {
                complain(item, localized(u"每个用例都必须是若干键值组成的映射", u"each case must be a map of fields"));
                continue;
            }
            TaskCase c;
            c.place = placeOf(item);
            allowKeys(item, hasData ? QStringList{"input", "data", "output", "hidden", "about"}
                                    : QStringList{"input", "output", "hidden", "about"});
            c.input = text(item, "input", false);
            c.output = text(item, "output", true);
            if (hasData) {
                if (!item["data"])
                    complain(item, localized(u"这道题有数据文件，所以每个用例都要给出它的 'data'（空文件写 \"\"）",
                                             u"the task has a data file, so each case gives its 'data' (\"\" for an empty file)"));
                c.data = block(item, "data", false);
            }
            if (asciiOnly) {
                requireAscii(item, "input", c.input);
                requireAscii(item, "data", c.data);
                requireAscii(item, "output", c.output);
            }
            const QString hidden = text(item, "hidden", false);
            if (!hidden.isEmpty() && hidden != u"true" && hidden != u"false")
                complain(item["hidden"], localized(u"'hidden' 只能是 true 或 false", u"'hidden' must be true or false"));
            c.hidden = hidden != u"false";
            c.about = block(item, "about", false);
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
            complainAt(node, "program", localized(u"填空题的程序要有空，写作 ___1___、___2___……",
                                                  u"a fill-in program needs blanks written ___1___, ___2___, ..."));
        for (int k = 1; k <= int(found.size()); ++k) {
            if (!found.contains(k))
                complainAt(node, "program", localized(u"缺少空 ___%1___：空从 1 开始连续编号", u"blank ___%1___ is missing: blanks are numbered from 1 without gaps")
                                                .arg(k));
        }
        if (t.fills.size() != found.size())
            complainAt(node, "fills", localized(u"有 %1 个空，却有 %2 个 fills", u"%1 blanks but %2 fills").arg(found.size()).arg(t.fills.size()));
    }

    QuestionSet questions(const YAML::Node &map, int programCapacity)
    {
        QuestionSet set;
        auto each = [&](const char *key, int capacity, auto read) {
            const YAML::Node node = map[key];
            if (!node || node.IsNull())
                return;
            if (!node.IsSequence()) {
                complain(node, localized(u"'%1' 必须是列表", u"'%1' must be a list").arg(QLatin1String(key)));
                return;
            }
            if (int(node.size()) > capacity)
                complain(node, localized(u"'%1' 有 %2 道题，最多只能放 %3 道", u"'%1' holds %2 questions; at most %3 fit")
                                   .arg(QLatin1String(key)).arg(node.size()).arg(capacity));
            for (const YAML::Node &item : node) {
                if (!item.IsMap())
                    complain(item, localized(u"每道题都必须是若干键值组成的映射", u"each question must be a map of fields"));
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
            complain(root["id"], localized(u"id 必须恰好是两个字符，不能是 '%1'", u"id must have exactly two characters, not '%1'").arg(value));
        return value;
    }

private:
    QString m_file;
    QStringList &m_errors;
};

// The file's bytes, or nothing after complaining that it cannot be read.
std::optional<QByteArray> fileBytes(const QString &file, QStringList &errors)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        errors << QStringLiteral("%1:1: %2").arg(file, localized(u"无法读取文件：", u"cannot read the file: ") + f.errorString());
        return std::nullopt;
    }
    return f.readAll();
}

// yaml-cpp's message for a tab in the indentation does not say "tab", so look for tabs first.
// Returns false, after complaining, when the file indents with tabs.
bool indentsWithSpaces(const QString &file, const QList<QByteArray> &lines, QStringList &errors)
{
    int first = 0, count = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const QByteArray &line = lines[i];
        qsizetype indent = 0;
        while (indent < line.size() && (line[indent] == ' ' || line[indent] == '\t'))
            ++indent;
        if (line.left(indent).contains('\t') && count++ == 0)
            first = i + 1;
    }
    if (count > 0)
        errors << QStringLiteral("%1:%2: %3").arg(file).arg(first).arg(
            localized(u"行首的缩进里有制表符（Tab 键）。YAML 只能用空格缩进，请把行首的 Tab 换成空格（本文件共有 %1 行这样）。",
                      u"a tab in the indentation. YAML indents with spaces only: replace the tabs at the start of the line with spaces (%1 lines of this file have them).")
                .arg(count));
    return count == 0;
}

QString yamlError(const QString &file, const YAML::Exception &e)
{
    return QStringLiteral("%1:%2: %3").arg(file).arg(e.mark.line + 1).arg(
        localized(u"YAML 格式错误：", u"YAML syntax error: ") + QString::fromStdString(e.msg));
}

template <class Read>
void eachFile(const QString &folder, QStringList &errors, Read read)
{
    const QDir dir(folder);
    for (const QString &name : dir.entryList({QStringLiteral("*.yaml")}, QDir::Files, QDir::Name)) {
        const QString file = dir.filePath(name);
        const std::optional<QByteArray> bytes = fileBytes(file, errors);
        if (!bytes)
            continue;
        const QList<QByteArray> lines = bytes->split('\n');
        if (!indentsWithSpaces(file, lines, errors))
            continue;
        Reader reader(file, errors);
        YAML::Node root;
        try {
            root = YAML::Load(bytes->toStdString());
        } catch (const YAML::Exception &e) {
            errors << yamlError(file, e);
            continue;
        }
        if (!root.IsMap()) {
            errors << QStringLiteral("%1:1: %2").arg(file, localized(u"文件必须是若干键值组成的映射", u"the file must be a map of fields"));
            continue;
        }
        CutScalars::refuse(file, lines, root, errors);
        try {
            read(reader, root);
        } catch (const YAML::Exception &e) {
            errors << yamlError(file, e);
        }
    }
}

template <class Item, class Key>
void requireUnique(const QList<Item> &items, Key key, const QString &what, QStringList &errors)
{
    QHash<QString, SourcePlace> seen;
    for (const Item &item : items) {
        const QString k = key(item);
        if (seen.contains(k))
            errors << QStringLiteral("%1: %2").arg(item.place.where(),
                                                   localized(u"%1 '%2' 已在 %3 用过", u"%1 '%2' is used already at %3").arg(what, k, seen[k].where()));
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
        c.studyPlace = r.placeOf(root["study"] ? root["study"] : root);
        if (root["exercise"] && !root["exercise"].IsMap()) {
            r.complain(root["exercise"], localized(u"'exercise' 必须是由题目列表组成的映射", u"'exercise' must be a map of question lists"));
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
        if (root["group"] && (t.group < 1 || t.group > 5))
            r.complainAt(root, "group", localized(u"group 必须是 1 到 5 的测试题组号", u"group must be a test set number from 1 to 5"));
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
        a.cases = r.cases(root, false, false);
        bank.algorithms << a;
    });
    requireUnique(bank.chapters, [](const ChapterSource &c) { return c.id; }, localized(u"章节号", u"chapter id"), errors);
    requireUnique(bank.algorithms, [](const AlgorithmSource &a) { return a.id; }, localized(u"算法号", u"algorithm id"), errors);
    requireUnique(bank.testSets, [](const TestSetSource &t) { return QString::number(t.group); }, localized(u"测试题组", u"test set"),
                  errors);
    return bank;
}
