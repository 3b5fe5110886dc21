// bankc: compiles the bank's YAML sources into the SQLite question bank the program reads, after
// checking them and proving every program.
//   bankc [--cache FILE] SOURCE_FOLDER OUTPUT_FILE
//   bankc check [--cache FILE] SOURCE_FOLDER
//   bankc import OLD_BANK.mdb FOLDER     writes the sources of an older installation's bank
//   bankc judge [--bank FILE] [--json] TABLE:ID FILE...   judges students' files on a task
// --cache FILE keeps the proofs made, so that unchanged programs are not proven again.

#include "banktool/BankImport.h"
#include "banktool/BankWriter.h"
#include "banktool/CheckCommand.h"
#include "banktool/JudgeCommand.h"
#include "banktool/Language.h"

#include <QCoreApplication>
#include <cstdio>

// What cannot be expressed in the sources is listed on standard error ("table:id: reason").
static int importBank(const QString &mdbFile, const QString &folder)
{
    const BankImport::Result result = BankImport::run(mdbFile, folder);
    for (const QString &line : result.leftOut)
        std::fprintf(stderr, "%s\n", qPrintable(line));
    if (!result.failure.isEmpty()) {
        std::fprintf(stderr, "bankc: %s\n", qPrintable(result.failure));
        return 1;
    }
    return 0;
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.size() == 3 && args[0] == u"import")
        return importBank(args[1], args[2]);
    if (!args.isEmpty() && args[0] == u"judge")
        return judgeCommand(args.mid(1));
    CheckOptions options;
    const bool checkOnly = !args.isEmpty() && args.front() == u"check";
    if (checkOnly)
        args.removeFirst();
    if (args.size() >= 2 && args.front() == u"--cache") {
        options.proofCache = args[1];
        args.remove(0, 2);
    }
    if (args.size() != (checkOnly ? 1 : 2)) {
        std::fprintf(stderr, "%s", qPrintable(localized(u"用法：bankc [--cache 文件] 源文件夹 输出文件\n      bankc check [--cache 文件] 源文件夹\n"
                                                          u"      bankc import 旧题库.mdb 文件夹\n"
                                                          u"      bankc judge [--bank 题库文件] [--json] 表:编号 文件...\n",
                                                        u"usage: bankc [--cache FILE] SOURCE_FOLDER OUTPUT_FILE\n       bankc check [--cache FILE] SOURCE_FOLDER\n"
                                                          u"       bankc import OLD_BANK.mdb FOLDER\n"
                                                          u"       bankc judge [--bank FILE] [--json] TABLE:ID FILE...\n")));
        return 2;
    }
    options.sourceFolder = args[0];
    options.keyReport = checkOnly;
    BankSource source;
    if (!checkBank(options, source))
        return 1;
    if (checkOnly)
        return 0;
    const QString failure = writeBank(source, args[1]);
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "bankc: %s\n", qPrintable(failure));
        return 1;
    }
    return 0;
}
