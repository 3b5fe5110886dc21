// bankc: compiles the bank's YAML sources into the SQLite question bank the program reads.
//   bankc SOURCE_FOLDER OUTPUT_FILE
//   bankc import OLD_BANK.mdb FOLDER     writes the sources of an older installation's bank

#include "banktool/BankImport.h"
#include "banktool/BankSource.h"
#include "banktool/BankWriter.h"

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
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == u"import")
        return importBank(args[2], args[3]);
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: bankc SOURCE_FOLDER OUTPUT_FILE\n       bankc import OLD_BANK.mdb FOLDER\n");
        return 2;
    }
    QStringList errors;
    const BankSource source = readBankSource(args[1], errors);
    for (const QString &e : errors)
        std::fprintf(stderr, "%s\n", qPrintable(e));
    if (!errors.isEmpty())
        return 1;
    const QString failure = writeBank(source, args[2]);
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "bankc: %s\n", qPrintable(failure));
        return 1;
    }
    return 0;
}
