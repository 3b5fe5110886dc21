#include "data/BankOpen.h"

#include "data/BankAccess.h"
#include "data/JetBank.h"
#include "data/JetHeader.h"
#include "data/SqliteBank.h"

#include <QFile>

std::unique_ptr<QuestionBank> openQuestionBank(const QString &path)
{
    // Before anything opens it: a pipe standing there would block the opening.
    BankAccess::requireReadable(path);
    QFile file(path);
    const QByteArray start = file.open(QIODevice::ReadOnly) ? file.read(32) : QByteArray();
    if (JetHeader::isJet(start))
        return std::make_unique<JetBank>(path);
    return std::make_unique<SqliteBank>(path);
}
