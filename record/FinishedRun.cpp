#include "record/FinishedRun.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>

BankIdentity BankIdentity::of(const QString &path)
{
    // Hashed once per file and change: a Jet bank is megabytes, and every run of a session asks.
    struct Known
    {
        qint64 size;
        QDateTime modified;
        QString hash;
    };
    static QHash<QString, Known> known;
    const QFileInfo info(path);
    const Known *cached = known.contains(path) ? &known[path] : nullptr;
    if (cached && cached->size == info.size() && cached->modified == info.lastModified())
        return {info.fileName(), cached->hash};
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return {info.fileName(), QString()};
    const QString hex = QString::fromLatin1(hash.result().toHex());
    known.insert(path, {info.size(), info.lastModified(), hex});
    return {info.fileName(), hex};
}

QString runKindName(RunKind kind)
{
    switch (kind) {
    case RunKind::Test: return QStringLiteral("测试");
    case RunKind::Exercise: return QStringLiteral("单元练习");
    case RunKind::NotebookPractice: return QStringLiteral("错题练习");
    }
    return {};
}
