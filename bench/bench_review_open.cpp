// Times a test's end as the student sees it: from "退出" in the test window until the review is on
// screen with its score. Each test first has every choice answered and every task file changed,
// so the end has all the checks to start; the checks themselves run after and are not timed.
// The work folders live in a scratch home, so the student's own are never touched.
//
//   bench_review_open [--runs N] [BANK]

#include "answer/Frm_t_main.h"
#include "app/OpenBank.h"
#include "app/WindowClasses.h"
#include "bench/Timing.h"
#include "controls/Forms.h"
#include "data/BankOpen.h"
#include "review/Frm_t_over.h"
#include "state/RunWindows.h"
#include "workfiles/WorkFolders.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
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

    std::vector<double> ends;
    for (int i = 0; i < runs; ++i) {
        const std::shared_ptr<TestRun> run = TestRun::start(*OpenBank::conn, i % 5 + 1);
        RunWindows::answer(run);
        Frm_t_main *test = Forms<Frm_t_main>::loaded();
        if (!QTest::qWaitForWindowExposed(test))
            return 1;
        for (int n = 1; n <= run->TestPaper.ch.count; ++n) {
            test->findChild<QRadioButton *>(QStringLiteral("Op1(%1)").arg(n % 4))->click();
            test->findChild<QPushButton *>(QStringLiteral("Cmd_next"))->click();
        }
        for (const ProgramSection *section : run->TestPaper.sections())
            for (int n = 1; n <= section->count; ++n) {
                QFile file(WorkFolders::join(run->test_path, (*section)(n).fileName));
                if (file.open(QIODevice::Append))
                    file.write("/* changed */\n");
            }
        auto *exit = test->findChild<QPushButton *>(QStringLiteral("cmd_exit"));
        bool shown = false;
        ends.push_back(Timing::milliseconds([&] {
            exit->click();
            Frm_t_over *review = Forms<Frm_t_over>::loaded();
            shown = review && QTest::qWaitForWindowExposed(review)
                    && !review->findChild<QLabel *>(QStringLiteral("Lab_score"))->text().isEmpty();
        }));
        if (!shown) {
            std::fprintf(stderr, "the review did not open with its score (run %d)\n", i + 1);
            return 1;
        }
        Forms<Frm_t_over>::unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::printf("\"退出\" to the review shown with its score: median %.1f ms, worst %.1f ms over %d runs (sets 1-5 in turn)\n",
                Timing::median(ends), *std::max_element(ends.begin(), ends.end()), runs);
    OpenBank::conn.reset();
    return 0;
}
