// bankc: compiles the bank's YAML sources into the SQLite question bank the program reads.
//   bankc SOURCE_FOLDER OUTPUT_FILE

#include "banktool/BankSource.h"
#include "banktool/BankWriter.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: bankc SOURCE_FOLDER OUTPUT_FILE\n");
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
