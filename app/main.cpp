#include "app/CommandLine.h"
#include "app/Frm_login.h"
#include "app/Startup.h"
#include "app/WindowClasses.h"
#include "app/OpenBank.h"
#include "controls/Forms.h"
#include "data/BankFile.h"

#include <QApplication>
#include <QThreadPool>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationVersion(QStringLiteral(ZQ_VERSION));
    // Read before the application object exists: --help and --version need no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine command = CommandLine::parse(arguments);
    if (command.action != CommandLine::Action::Run) {
        const bool refused = command.action == CommandLine::Action::Refuse;
        std::fputs(command.output.toLocal8Bit().constData(), refused ? stderr : stdout);
        return refused ? 2 : 0;
    }

    QApplication app(argc, argv);
    Startup::prepare(app);
    WindowClasses::connect();
    BankFile::setPath(command.bankFile);
    // The start screen opens the bank once it is on screen; one that fails ends the loop with status 1.
    Frm_login *login = Forms<Frm_login>::show();
    // ZHIQIAO_EXIT_AFTER_EXPOSE=1 ends the program with status 0 once the start screen is on screen
    // with its bank open: the start-up bench and the package test run it with nobody there to close it.
    if (qEnvironmentVariableIsSet("ZHIQIAO_EXIT_AFTER_EXPOSE"))
        QObject::connect(login, &Frm_login::loaded, &app, [] { QCoreApplication::exit(0); });
    const int status = app.exec();
    // The bank's row check may still be reading on its own thread: it ends before its SQL driver goes.
    QThreadPool::globalInstance()->waitForDone();
    OpenBank::conn.reset(); // closed while Qt's SQL driver is still there, whatever ended the loop
    return status;
}
