#include "banktool/TaskSample.h"

namespace TaskSample {

namespace {

QString withoutTrailingBreaks(QString text)
{
    while (text.endsWith(u'\n') || text.endsWith(u'\r'))
        text.chop(1);
    return text;
}

}

bool hasExample(const ProgramTask &task)
{
    return !task.output.trimmed().isEmpty();
}

QString titleWithSample(const ProgramTask &task, int position)
{
    QString text = withoutTrailingBreaks(task.title) + QStringLiteral("\n\n【样例】\n");
    if (!task.input.trimmed().isEmpty())
        text += QStringLiteral("输入：\n") + withoutTrailingBreaks(task.input) + u'\n';
    if (task.hasData)
        text += QStringLiteral("数据文件 %1：\n").arg(dataFileName(position)) + withoutTrailingBreaks(task.data) + u'\n';
    return text + QStringLiteral("输出：\n") + withoutTrailingBreaks(task.output);
}

}
