#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

namespace {

bool chinese()
{
    return QLocale::system().language() == QLocale::Chinese;
}

QString say(const char *zh, const char *en)
{
    return chinese() ? QString::fromUtf8(zh) : QString::fromUtf8(en);
}

struct Option
{
    QStringList names;
    QString valueName;
    QString description;
};

QList<Option> options()
{
    return {
        {{"h", "help"}, {}, say("显示本帮助后退出", "show this help and exit")},
        {{"v", "version"}, {}, say("显示版本号后退出", "show the version and exit")},
        {{"bank"}, say("文件", "FILE"),
         say("使用这个题库文件（.db 或旧版的 .mdb 题库），不在默认位置查找",
             "use this question bank file (.db, or an old .mdb bank) instead of the usual places")},
    };
}

// Columns a text takes in a terminal: Chinese characters take two.
int columns(const QString &text)
{
    int width = 0;
    for (const QChar c : text)
        width += c.unicode() >= 0x1100 ? 2 : 1;
    return width;
}

QString dashed(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

QString helpText()
{
    QStringList lines = {say("用法：zhiqiao [选项]", "Usage: zhiqiao [options]"),
                         say("智桥辅导学习系统-C语言：C 语言学习、练习与测试。",
                             "智桥辅导学习系统-C语言: learn, practise and test C programming."),
                         QString(), say("选项：", "Options:")};
    for (const Option &o : options()) {
        QStringList names;
        for (const QString &n : o.names)
            names << dashed(n);
        QString left = names.join(QStringLiteral(", "));
        if (!o.valueName.isEmpty())
            left += u' ' + o.valueName;
        lines << QStringLiteral("  %1%2  %3").arg(left, QString(std::max(0, 18 - columns(left)), u' '), o.description);
    }
    lines << QString()
          << say("不用 --bank 时，题库依次在程序所在文件夹的 dbase/c_qiyuan.db 和 dbase/c_qiyuan.mdb 查找，"
                 "然后在安装位置 share/zhiqiao/dbase/ 查找。",
                 "Without --bank, the bank is looked for as dbase/c_qiyuan.db, then dbase/c_qiyuan.mdb, "
                 "beside the program, then in the installed share/zhiqiao/dbase/.");
    return lines.join(u'\n') + u'\n';
}

CommandLine refuse(const QString &complaint)
{
    CommandLine c;
    c.action = CommandLine::Action::Refuse;
    c.output = QStringLiteral("zhiqiao: %1\n%2\n").arg(complaint, say("用 --help 查看用法。", "Run zhiqiao --help for usage."));
    return c;
}

}

CommandLine CommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    for (const Option &o : options()) {
        QCommandLineOption option(o.names, o.description, o.valueName);
        parser.addOption(option);
    }
    if (!parser.parse(arguments)) {
        if (!parser.unknownOptionNames().isEmpty())
            return refuse(say("未知选项 %1", "unknown option %1").arg(dashed(parser.unknownOptionNames().first())));
        return refuse(say("选项 --bank 后面要写题库文件", "option --bank needs a bank file"));
    }
    if (!parser.positionalArguments().isEmpty())
        return refuse(say("多余的参数 %1", "unexpected argument %1").arg(parser.positionalArguments().first()));

    CommandLine c;
    if (parser.isSet(QStringLiteral("help"))) {
        c.action = Action::Print;
        c.output = helpText();
    } else if (parser.isSet(QStringLiteral("version"))) {
        c.action = Action::Print;
        c.output = QStringLiteral("zhiqiao %1\n").arg(QCoreApplication::applicationVersion());
    } else if (parser.isSet(QStringLiteral("bank"))) {
        c.bankFile = parser.value(QStringLiteral("bank"));
        const QFileInfo file(c.bankFile);
        if (file.isDir())
            return refuse(say("%1 是一个文件夹，不是题库文件", "%1 is a folder, not a bank file").arg(c.bankFile));
        if (!file.exists())
            return refuse(say("找不到题库文件 %1", "bank file %1 not found").arg(c.bankFile));
    }
    return c;
}
