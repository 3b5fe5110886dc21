#include "paper/Paper.h"

#include "workfiles/TaskFiles.h"
#include "workfiles/WorkFolders.h"

#include <QtGlobal>

void paperIndexFault(int index, int size)
{
    qFatal("question index %d outside 1..%d", index, size);
}

const QString &ChoiceQuestion::option(int k) const
{
    if (k < 1 || k > 4)
        paperIndexFault(k, 4);
    return options[std::size_t(k - 1)];
}

QString &ChoiceQuestion::option(int k)
{
    return const_cast<QString &>(std::as_const(*this).option(k));
}

bool ChoiceQuestion::right() const
{
    return answered() && answer == QChar(u'A' + (chosen - 1));
}

bool Task::passed() const
{
    return verdict && passes(*verdict);
}

JudgeTask Task::judgeTask(const QString &folder) const
{
    JudgeTask task;
    task.kind = kind;
    task.sourcePath = WorkFolders::join(folder, fileName);
    task.dataName = dataFile;
    task.cases = cases;
    task.handedOut = handedOut;
    task.faults = faults;
    return task;
}

QByteArray Task::sourceDigest(const QString &folder) const
{
    return TaskFiles::digestOf(WorkFolders::join(folder, fileName));
}

bool Task::changedSinceCheck(const QString &folder) const
{
    const QString path = WorkFolders::join(folder, fileName);
    return !TaskFiles::isAsHandedOut(path) && TaskFiles::digestOf(path) != checkedSource;
}

QString taskFileName(TaskKind kind, int n)
{
    switch (kind) {
    case TaskKind::FillIn: return TaskFiles::sourceName(QStringLiteral("blank"), n);
    case TaskKind::Correction: return TaskFiles::sourceName(QStringLiteral("err"), n);
    case TaskKind::Programming: break;
    }
    return TaskFiles::sourceName(QStringLiteral("pro"), n);
}
