#include "data/InstalledBank.h"

#include <QDir>

QString InstalledBank::folder(const QString &programFolder)
{
    // ZQ_BANK_FROM_PROGRAM: the bank's install folder relative to the program's, from the install rules.
    return QDir::cleanPath(programFolder + QLatin1Char('/') + QStringLiteral(ZQ_BANK_FROM_PROGRAM));
}
