#include "judge/CompilerLookup.h"

#include <QStandardPaths>

namespace CompilerLookup {

Finder pathFinder()
{
    return [](const QString &name) { return QStandardPaths::findExecutable(name); };
}

QStringList searchOrder()
{
#ifdef Q_OS_WIN
    return {QStringLiteral("gcc")};
#else
    return {QStringLiteral("gcc"), QStringLiteral("cc"), QStringLiteral("clang")};
#endif
}

QString find(const Finder &finder)
{
    for (const QString &name : searchOrder()) {
        const QString path = finder(name);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

}
