// Times a practice test's start as the student sees it: from a click on "开始" in the test set
// window until the test window is on screen with its paper loaded and its task files written.
// The work folders live in a scratch home, so the student's own are never touched.
//
//   bench_test_start [--runs N] [BANK]

#include "answer/Frm_t_main.h"
#include "answer/Frm_test.h"
#include "app/OpenBank.h"
#include "app/WindowClasses.h"
#include "bench/Timing.h"
#include "controls/Forms.h"
#include "data/BankOpen.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    int runs = 30;
    if (args.size() >= 2 && args[0] == u"--runs") {
        runs = std::max(1, args[1].toInt());
        args = args.mid(2);
    }
    const QString bank = args.value(0, QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/dbase/c_qiyuan.db"));
    if (!QFile::exists(bank)) {
        std::fprintf(stderr, "no bank at %s\n", qPrintable(bank));
        return 1;
    }
    WindowClasses::connect();
    OpenBank::conn = openQuestionBank(bank);

    std::vector<double> starts;
    for (int i = 0; i < runs; ++i) {
        Frm_test *sets = Forms<Frm_test>::show();
        sets->findChild<QComboBox *>(QStringLiteral("Com_group"))->setCurrentIndex(i % 5);
        auto *start = sets->findChild<QPushButton *>(QStringLiteral("Cmd_start"));
        bool shown = false;
        starts.push_back(Timing::milliseconds([&] {
            start->click();
            shown = Forms<Frm_t_main>::loaded() && QTest::qWaitForWindowExposed(Forms<Frm_t_main>::loaded());
        }));
        if (!shown) {
            std::fprintf(stderr, "the test window did not open (run %d)\n", i + 1);
            return 1;
        }
        Forms<Frm_t_main>::unload();
        Forms<Frm_test>::unload();
        QCoreApplication::processEvents();
    }
    std::printf("\"开始\" to the test window shown: median %.1f ms, best %.1f ms over %d runs (sets 1-5 in turn)\n",
                Timing::median(starts), *std::min_element(starts.begin(), starts.end()), runs);
    OpenBank::conn.reset();
    return 0;
}
