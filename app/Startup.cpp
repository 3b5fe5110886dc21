#include "app/Startup.h"

#include "platform/MessageBox.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

void substituteFonts()
{
    const QStringList song = {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Serif CJK SC"),
                              QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Droid Sans Fallback")};
    QFont::insertSubstitutions(QStringLiteral("宋体"), song);
    QFont::insertSubstitutions(QStringLiteral("SimSun"), song);
    QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK SC")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"), {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
}

}

void Startup::prepare(QApplication &app)
{
    // The name is the class of every window (WM_CLASS on X11), which the launcher's StartupWMClass
    // names, and the desktop file name is the window's app id (Wayland): either way a dock groups
    // the windows with the launcher and its icon.
    QApplication::setApplicationName(QStringLiteral("zhiqiao"));
    QGuiApplication::setDesktopFileName(QStringLiteral("cn.zhiqiao.CTutor"));
    MessageBox::setDefaultTitle(QStringLiteral("智桥辅导学习系统-C语言"));
    // The program ends only from the start screen; windows hand over to one another in between.
    app.setQuitOnLastWindowClosed(false);
    substituteFonts();

    auto *translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}
