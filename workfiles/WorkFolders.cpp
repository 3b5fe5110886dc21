#include "workfiles/WorkFolders.h"

#include "workfiles/WorkFileError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString &baseOverride()
{
    static QString folder;
    return folder;
}

QString withSeparator(QString folder)
{
    folder = QDir::toNativeSeparators(folder);
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    return folder;
}

bool isSeparator(QChar c)
{
    return c == u'/' || c == u'\\';
}

}

QString WorkFolders::base()
{
    if (!baseOverride().isEmpty())
        return withSeparator(baseOverride());
#ifdef Q_OS_WIN
    return QStringLiteral("c:\\");
#else
    return withSeparator(QDir::homePath());
#endif
}

void WorkFolders::setBase(const QString &folder)
{
    baseOverride() = folder;
}

QString WorkFolders::testPath()
{
    return base() + QDir::toNativeSeparators(QStringLiteral("c_zhiqiao/test"));
}

QString WorkFolders::exercisePath()
{
    return base() + QDir::toNativeSeparators(QStringLiteral("c_zhiqiao/excer"));
}

QString WorkFolders::belowBase(const QString &path)
{
    const QString b = base();
    return path.startsWith(b) ? path.mid(b.size()) : path;
}

QString WorkFolders::join(const QString &folder, const QString &name)
{
    return folder + QDir::separator() + name;
}

void WorkFolders::CreateFolders(const QString &base, const QString &relativePath)
{
    QString current = base;
    if (current.isEmpty() || !isSeparator(current.back()))
        current += QDir::separator();
    QString rest = relativePath;
    if (!rest.isEmpty() && isSeparator(rest.front()))
        rest.remove(0, 1);
    QDir dir;
    for (;;) {
        const auto cut = std::find_if(rest.cbegin(), rest.cend(), isSeparator);
        if (cut == rest.cend())
            break;
        const qsizetype at = cut - rest.cbegin();
        current += rest.left(at);
        dir.mkdir(current);
        current += QDir::separator();
        rest = rest.mid(at + 1);
    }
    if (!rest.isEmpty())
        dir.mkdir(current + rest);
}

void WorkFolders::create(const QString &workFolder)
{
    CreateFolders(base(), belowBase(workFolder));
}

QString WorkFolders::DirFirst(const QString &pattern)
{
    if (pattern.isEmpty())
        return {};
    qsizetype cut = pattern.size() - 1;
    while (cut >= 0 && !isSeparator(pattern[cut]))
        --cut;
    const QString folder = cut < 0 ? QStringLiteral(".") : pattern.left(cut + 1);
    const QString wildcard = pattern.mid(cut + 1);
    if (wildcard.isEmpty())
        return {};
    const QDir dir(folder);
    if (!dir.exists())
        return {};
    const QStringList names = dir.entryList({wildcard},
                                            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                            QDir::Name);
    return names.isEmpty() ? QString() : names.first();
}

void WorkFolders::emptyFolderIfAny(const QString &folder, const QStringList &wildcards)
{
    const bool holdsAny = std::any_of(wildcards.begin(), wildcards.end(), [&](const QString &w) {
        return !DirFirst(join(folder, w)).isEmpty();
    });
    if (!holdsAny)
        return;
    const QDir dir(folder);
    const QFileInfoList files = dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &file : files) {
        QFile f(file.absoluteFilePath());
        if (!f.remove())
            throw WorkFileError(QStringLiteral("无法删除工作文件 %1：%2")
                                    .arg(QDir::toNativeSeparators(file.absoluteFilePath()), f.errorString()));
    }
}
