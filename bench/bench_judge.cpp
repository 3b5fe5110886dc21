// Times one check of a typical programming task (compile + 3 cases, then the build with the memory
// checkers + 3 runs) by the judge against the same work done by hand with a shell script (a fresh
// folder, gcc, each case run and compared, the checked build run on each), and
// against the least a script can do (gcc and three runs). They take turns, so load on the machine
// falls on all alike.
//
//   bench_judge [--runs N]

#include "judge/Judge.h"
#include "judge/VerdictText.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const QString kProgram = uR"(#include <stdio.h>
int main(void)
{
    FILE *fp = fopen("data_11.dat", "r");
    int x, n = 0, max = 0;
    long sum = 0;
    if (fp == NULL) {
        printf("无法打开文件\n");
        return 1;
    }
    while (fscanf(fp, "%d", &x) == 1) {
        if (n == 0 || x > max)
            max = x;
        sum += x;
        n++;
    }
    fclose(fp);
    printf("共 %d 个数，最大值=%d，和=%ld\n", n, max, sum);
    return 0;
}
)"_s;

const QList<JudgeCase> kCases = {
    {1, false, {}, {}, u"3 8 1 9 4 7 2 6 5 10"_s, u"共 10 个数，最大值=10，和=55\n"_s},
    {2, true, u"全是负数"_s, {}, u"-5 -12 -7"_s, u"共 3 个数，最大值=-5，和=-24\n"_s},
    {3, true, u"只有一个数"_s, {}, u"42"_s, u"共 1 个数，最大值=42，和=42\n"_s},
};

// The same check as a shell script: a fresh folder, gcc, each case in a folder of its own, cmp.
const char kSameWork[] = R"(set -e
tmp=$(mktemp -d)
cp "$1/pro_1.c" "$tmp/"
cd "$tmp"
gcc -std=c99 -Wall -o pro_1 pro_1.c -lm
for k in 1 2 3; do
    mkdir case_$k
    cp "$1/data_$k" case_$k/data_11.dat
    (cd case_$k && ../pro_1 < /dev/null > out)
    cmp -s case_$k/out "$1/expected_$k"
done
gcc -std=c99 -g -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -o pro_1_checked pro_1.c -lm
for k in 1 2 3; do
    mkdir checked_$k
    cp "$1/data_$k" checked_$k/data_11.dat
    (cd checked_$k && ../pro_1_checked < /dev/null > out)
done
cd /
rm -rf "$tmp"
)";

// The least a shell can do: gcc and three runs in a folder made ready beforehand.
const char kBare[] = R"(set -e
cd "$1/bare"
gcc -std=c99 -Wall -o pro_1 pro_1.c -lm
for k in 1 2 3; do
    cp "data_$k" data_11.dat
    ./pro_1 < /dev/null > "out_$k"
done
gcc -std=c99 -g -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -o pro_1_checked pro_1.c -lm
for k in 1 2 3; do
    cp "data_$k" data_11.dat
    ./pro_1_checked < /dev/null > "out_$k"
done
)";

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

double judgeOnce(const JudgeTask &task)
{
    Judge judge;
    QEventLoop loop;
    Verdict verdict;
    QObject::connect(&judge, &Judge::finished, &loop, [&](const Verdict &v) {
        verdict = v;
        loop.quit();
    });
    QElapsedTimer clock;
    clock.start();
    judge.start(task);
    loop.exec();
    const double ms = clock.nsecsElapsed() / 1e6;
    if (verdict.kind != VerdictKind::Passed)
        qFatal("the judge did not pass the program:\n%s", qPrintable(VerdictText::text(verdict)));
    return ms;
}

double shellOnce(const QString &script, const QString &folder)
{
    QElapsedTimer clock;
    clock.start();
    QProcess sh;
    sh.start(u"sh"_s, {script, folder});
    if (!sh.waitForFinished(60000) || sh.exitStatus() != QProcess::NormalExit || sh.exitCode() != 0)
        qFatal("the shell script failed: %s", sh.readAllStandardError().constData());
    return clock.nsecsElapsed() / 1e6;
}

struct Figures
{
    double median;
    double best;
};

Figures figures(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.front()};
}

}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int runs = 15;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == u"--runs")
            runs = std::max(1, args[i + 1].toInt());
    }

    QTemporaryDir work;
    if (!work.isValid())
        qFatal("cannot make a temporary folder");
    write(work.filePath(u"pro_1.c"_s), kProgram.toLocal8Bit());
    for (const JudgeCase &c : kCases) {
        write(work.filePath(u"data_%1"_s.arg(c.number)), (c.data + u'\n').toLocal8Bit());
        write(work.filePath(u"expected_%1"_s.arg(c.number)), c.expected.toLocal8Bit());
    }
    const QString sameWork = work.filePath(u"same_work.sh"_s), bare = work.filePath(u"bare.sh"_s);
    write(sameWork, kSameWork);
    write(bare, kBare);
    QDir(work.path()).mkdir(u"bare"_s);
    for (const QString &name : {u"pro_1.c"_s, u"data_1"_s, u"data_2"_s, u"data_3"_s})
        QFile::copy(work.filePath(name), work.filePath(u"bare/"_s + name));
    const JudgeTask task{TaskKind::Programming, work.filePath(u"pro_1.c"_s), u"data_11.dat"_s, kCases};

    // Warm the caches of all three, then let them take turns.
    judgeOnce(task);
    shellOnce(sameWork, work.path());
    shellOnce(bare, work.path());
    std::vector<double> judged, byHand, bareHand;
    for (int r = 0; r < runs; ++r) {
        judged.push_back(judgeOnce(task));
        byHand.push_back(shellOnce(sameWork, work.path()));
        bareHand.push_back(shellOnce(bare, work.path()));
    }
    const Figures j = figures(judged), s = figures(byHand), b = figures(bareHand);
    std::printf("one check (compile + 3 cases), %d runs each, taking turns:\n", runs);
    std::printf("  judge:                           median %6.1f ms, best %6.1f ms\n", j.median, j.best);
    std::printf("  shell, same work:                median %6.1f ms, best %6.1f ms\n", s.median, s.best);
    std::printf("  shell, gcc + 3 runs and no more: median %6.1f ms, best %6.1f ms\n", b.median, b.best);
    std::printf("ratio judge/shell (medians): %.2f against the same work, %.2f against the bare script (goal: at most 1.5)\n",
                j.median / s.median, j.median / b.median);
    return 0;
}
