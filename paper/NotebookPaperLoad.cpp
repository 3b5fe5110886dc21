#include "paper/NotebookPaperLoad.h"

PaperLoader NotebookPaperLoad::loader(QuestionBank *bank, const QuestionPick &pick, Paper &paper, const QString &folder)
{
    return PaperLoader(paper, folder, bank, [pick](QuestionBank &bank, QuestionKind kind) {
        QList<PaperLoader::Row> rows;
        for (const QuestionRef &question : pick.of(kind)) {
            const QuestionTable *table = QuestionTable::named(question.table);
            if (!table)
                continue;
            for (const Record &row : bank.question(question))
                if (row.text(QStringLiteral("type")).toInt() == int(kind))
                    rows.append({table, row});
        }
        return rows;
    });
}
