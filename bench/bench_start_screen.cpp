// The start screen on the course's bank and on one 100 times its size, in pairs (the order
// alternating): how long it is on screen before its rows are checked, and the longest time it did
// not answer meanwhile, from its show until the check is done. The check runs beside the screen,
// so the second stays that of a screen with nothing to do however big the bank.
//
//   bench_start_screen [--runs N] [--copies N] [BANK.db]

#include "BigBank.h"
#include "Timing.h"
#include "app/Frm_login.h"
#include "controls/Forms.h"
#include "data/BankFile.h"
#include "platform/MessageBox.h"
#include "state/Module1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

struct Start
{
    double checked = 0;  // ms from the show to the rows checked
    double stalled = 0;  // the longest ms between two turns of the event loop
};

Start measure(const QString &bank)
{
    BankFile::setPath(bank);
    MessageBox::setNextAnswer(QMessageBox::Ok); // a bank with bad rows must not wait for a click
    Start start;
    QElapsedTimer clock;
    qint64 lastTurn = 0;
    QTimer turns;
    turns.setTimerType(Qt::PreciseTimer);
    turns.setInterval(1);
    QObject::connect(&turns, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        start.stalled = std::max(start.stalled, (now - lastTurn) / 1e6);
        lastTurn = now;
    });
    clock.start();
    turns.start();
    Frm_login *login = Forms<Frm_login>::show();
    QSignalSpy checked(login, &Frm_login::rowsChecked);
    if (!checked.wait(60000))
        qFatal("the rows of %s were not checked", qPrintable(bank));
    start.checked = clock.nsecsElapsed() / 1e6;
    turns.stop();
    Forms<Frm_login>::unload();
    Module1::conn.reset();
    QCoreApplication::processEvents();
    return start;
}

}

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    int runs = 20;
    int copies = 100;
    while (args.size() >= 2 && args[0].startsWith(QStringLiteral("--"))) {
        (args[0] == u"--runs" ? runs : copies) = std::max(1, args[1].toInt());
        args = args.mid(2);
    }
    const QString course = args.value(0, QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/dbase/c_qiyuan.db"));
    if (!QFile::exists(course)) {
        std::fprintf(stderr, "no bank at %s\n", qPrintable(course));
        return 1;
    }
    QTemporaryDir scratch;
    const QString big = scratch.filePath(QStringLiteral("big.db"));
    BigBank::make(course, big, copies, true);

    std::vector<double> courseChecked, bigChecked, courseStalled, bigStalled;
    for (int i = 0; i < runs; ++i) {
        const auto one = [&](const QString &bank, std::vector<double> &checked, std::vector<double> &stalled) {
            const Start s = measure(bank);
            checked.push_back(s.checked);
            stalled.push_back(s.stalled);
        };
        if (i % 2) {
            one(course, courseChecked, courseStalled);
            one(big, bigChecked, bigStalled);
        } else {
            one(big, bigChecked, bigStalled);
            one(course, courseChecked, courseStalled);
        }
    }
    std::printf("%d runs of each, the order alternating; a bank %d times the course's\n", runs, copies);
    std::printf("%-28s course %8.1f ms   big %8.1f ms\n", "show to rows checked", Timing::median(courseChecked),
                Timing::median(bigChecked));
    std::printf("%-28s course %8.1f ms   big %8.1f ms   (worst big %.1f ms)\n", "longest without answering",
                Timing::median(courseStalled), Timing::median(bigStalled),
                *std::max_element(bigStalled.begin(), bigStalled.end()));
    return 0;
}
