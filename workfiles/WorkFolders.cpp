#include "workfiles/WorkFolders.h"

#include "workfiles/SystemReason.h"
#include "workfiles/WorkFileError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

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

QString passwordDatabaseHome()
{
    const passwd *entry = getpwuid(getuid());
    return entry && entry->pw_dir ? QFile::decodeName(entry->pw_dir) : QString();
}

}

QString WorkFolders::home()
{
    QString folder = qEnvironmentVariable("HOME");
    if (folder.isEmpty())
        folder = passwordDatabaseHome();
    // Never the root: the work folders would land in /c_zhiqiao, shared by every user.
    if (!QDir::isAbsolutePath(folder) || QDir(folder).isRoot())
        throw WorkFileError(QStringLiteral("找不到您的主文件夹（环境变量 HOME 没有设置，系统的用户资料中也没有），"
                                           "无法建立工作文件夹。"));
    return QDir::cleanPath(folder);
}

QString WorkFolders::base()
{
    if (!baseOverride().isEmpty())
        return withSeparator(baseOverride());
#ifdef Q_OS_WIN
    return QStringLiteral("c:\\");
#else
    return withSeparator(home());
#endif
}

void WorkFolders::setBase(const QString &folder)
{
    baseOverride() = folder;
}

QString WorkFolders::testPath()
{
    return path(WorkKind::Test);
}

QString WorkFolders::exercisePath()
{
    return path(WorkKind::Exercise);
}

QStringList WorkFolders::levels(WorkKind kind)
{
    return {QStringLiteral("c_zhiqiao"), kind == WorkKind::Test ? QStringLiteral("test") : QStringLiteral("excer")};
}

QString WorkFolders::path(WorkKind kind)
{
    return base() + levels(kind).join(QDir::separator());
}

QString WorkFolders::join(const QString &folder, const QString &name)
{
    return folder + QDir::separator() + name;
}

void WorkFolders::CreateFolders(const QString &base, const QString &relativePath, int *firstError)
{
    QString current = base;
    if (current.isEmpty() || !isSeparator(current.back()))
        current += QDir::separator();
    QString rest = relativePath;
    if (!rest.isEmpty() && isSeparator(rest.front()))
        rest.remove(0, 1);
    const auto make = [&](const QString &folder) {
        if (::mkdir(QFile::encodeName(folder).constData(), 0777) != 0 && errno != EEXIST && firstError && *firstError == 0)
            *firstError = errno;
    };
    for (;;) {
        const auto cut = std::find_if(rest.cbegin(), rest.cend(), isSeparator);
        if (cut == rest.cend())
            break;
        const qsizetype at = cut - rest.cbegin();
        current += rest.left(at);
        make(current);
        current += QDir::separator();
        rest = rest.mid(at + 1);
    }
    if (!rest.isEmpty())
        make(current + rest);
}

bool WorkFolders::isInside(const QString &path, const QString &folder)
{
    const QString prefix = folder.endsWith(u'/') ? folder : folder + u'/';
    return path.size() > prefix.size() && path.startsWith(prefix);
}

// A level of the work tree (c_zhiqiao, test, excer, history and its kinds) may be a symbolic link,
// or lie behind one, only when it leads to a folder strictly inside the student's real home (the
// home with its own links resolved); a link to the home itself, to anywhere beyond it, or to nothing
// is refused. Each level is checked before the next one is made, so no folder is ever created
// outside the home, and the work is then done in the real path, through no link at all.
QString WorkFolders::ready(const QStringList &levels)
{
    const QString shownBase = base();
    const QString realHome = QFileInfo(shownBase).canonicalFilePath();
    if (realHome.isEmpty())
        throw WorkFileError(QStringLiteral("主文件夹 %1 不存在，无法建立工作文件夹。").arg(shownBase));
    const QString wanted = shownBase + levels.join(QDir::separator());
    QString real = realHome;
    QString level = shownBase; // the level as the student names it, links unresolved
    for (const QString &name : levels) {
        level += name;
        int error = 0;
        CreateFolders(real, name, &error);
        const QString next = QFileInfo(join(real, name)).canonicalFilePath();
        // The system's reason is kept: a full disk must not read as a file in the way.
        if (next.isEmpty() && error != 0)
            throw WorkFileError(QStringLiteral("无法建立文件夹 %1：%2").arg(level, SystemReason::of(error)));
        if (next.isEmpty() || !QFileInfo(next).isDir())
            throw WorkFileError(QStringLiteral("无法建立文件夹 %1：%2 不是文件夹，也无法建立。").arg(wanted, level));
        if (!isInside(next, realHome))
            throw WorkFileError(QStringLiteral("文件夹 %1 不能使用：%2 是符号链接，指向主文件夹 %3 以外的 %4。"
                                               "为了不动到别处的文件，请删除或改正这个链接。")
                                    .arg(wanted, level, realHome, next));
        real = next;
        level += QDir::separator();
    }
    return real;
}

QString WorkFolders::ready(WorkKind kind)
{
    return ready(levels(kind));
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
    // A folder named like a source ("x.c") is no source: folders, and links to them, do not count.
    const QStringList names = dir.entryList({wildcard}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    return names.isEmpty() ? QString() : names.first();
}
