#include "workfiles/Editor.h"

#include "platform/Shell.h"

#include <QFileInfo>

namespace {

#ifdef Q_OS_WIN
const QString kIde = QStringLiteral("C:\\Program Files\\Microsoft Visual Studio\\COMMON\\MSDev98\\Bin\\MSDEV.EXE");
#endif

bool isOrdinaryFile(const QString &file)
{
    const QFileInfo info(file);
    return !file.isEmpty() && info.isFile() && !info.isHidden();
}

QString installedEditor()
{
#ifdef Q_OS_WIN
    if (QFileInfo::exists(kIde))
        return kIde;
#endif
    for (const QString &name : Editor::searchOrder()) {
        const QString found = Shell::findProgram(name);
        if (!found.isEmpty())
            return found;
    }
    return {};
}

}

QStringList Editor::searchOrder()
{
    return {QStringLiteral("geany"),    QStringLiteral("codeblocks"), QStringLiteral("code"),
            QStringLiteral("kdevelop"), QStringLiteral("kate"),       QStringLiteral("gnome-text-editor"),
            QStringLiteral("gedit"),    QStringLiteral("xed"),        QStringLiteral("pluma"),
            QStringLiteral("mousepad")};
}

void Editor::launch(const QString &file)
{
    const bool withFile = isOrdinaryFile(file);
    const QString editor = installedEditor();
    if (!editor.isEmpty()) {
        Shell::start({editor, withFile ? QStringList{file} : QStringList{}});
        return;
    }
    // No editor of our list: the desktop's own choice for a .c file, if there is a file.
    if (withFile) {
#ifdef Q_OS_WIN
        Shell::start({QStringLiteral("explorer"), {file}});
#else
        Shell::start({QStringLiteral("xdg-open"), {file}});
#endif
    }
}

void Editor::openFolder(const QString &folder)
{
#ifdef Q_OS_WIN
    Shell::start({QStringLiteral("explorer"), {folder}});
#else
    Shell::start({QStringLiteral("xdg-open"), {folder}});
#endif
}
