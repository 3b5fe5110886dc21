#include "workfiles/Editor.h"

#include "platform/MessageBox.h"
#include "platform/Shell.h"

#include <QDir>
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

// The desktop's own choice of program for the file.
bool startDesktopApplication(const QString &file)
{
#ifdef Q_OS_WIN
    return Shell::start({QStringLiteral("explorer"), {file}});
#else
    const QString opener = Shell::findProgram(QStringLiteral("xdg-open"));
    return !opener.isEmpty() && Shell::start({opener, {file}});
#endif
}

QString nothingStartedText(const QString &file, bool fileExists)
{
    return QStringLiteral("没有找到可以启动的 C 语言编辑器，无法打开任务文件：\n%1%2\n\n"
                          "查找过的编辑器：%3。\n%4\n"
                          "请安装一个 C 语言编辑器后再试，例如在终端中输入：\nsudo apt install geany")
        .arg(QDir::toNativeSeparators(file), fileExists ? QString() : QStringLiteral("（文件不存在）"),
             Editor::searchOrder().join(QStringLiteral("、")),
             fileExists ? QStringLiteral("系统为这个文件设定的默认程序也无法启动。\n") : QString());
}

}

QStringList Editor::searchOrder()
{
    return {QStringLiteral("geany"),    QStringLiteral("codeblocks"), QStringLiteral("code"),
            QStringLiteral("kdevelop"), QStringLiteral("kate"),       QStringLiteral("gnome-text-editor"),
            QStringLiteral("gedit"),    QStringLiteral("xed"),        QStringLiteral("pluma"),
            QStringLiteral("mousepad")};
}

void Editor::launch(QWidget *parent, const QString &file)
{
    const bool withFile = isOrdinaryFile(file);
    const QString editor = installedEditor();
    if (!editor.isEmpty() && Shell::start({editor, withFile ? QStringList{file} : QStringList{}}))
        return;
    if (withFile && startDesktopApplication(file))
        return;
    MessageBox::show(parent, nothingStartedText(file, withFile), QStringLiteral("信息提示"), QMessageBox::Ok,
                     QMessageBox::Information);
}

void Editor::openFolder(const QString &folder)
{
#ifdef Q_OS_WIN
    Shell::start({QStringLiteral("explorer"), {folder}});
#else
    Shell::start({QStringLiteral("xdg-open"), {folder}});
#endif
}
