// Reading a table costs work in proportion to its rows. A reader that grows
// or trims a table one row at a time costs work in proportion to the square
// of its rows: four times the rows then cost ten to sixteen times the work,
// where a linear reader costs about four times.
//
// Work is the CPU time the process spends reading, the best of three reads,
// so a busy machine slows both sizes alike; only the ratio is checked.

#include "rtf/RtfReader.h"

#include <QTest>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <algorithm>
#include <ctime>

namespace {

// rows rows of three cells, each row with its own definition, as Word writes them
QByteArray table(int rows)
{
    QByteArray rtf = "{\\rtf1\\ansi\\deff0 ";
    for (int r = 0; r < rows; ++r)
        rtf += "\\trowd\\clbrdrt\\brdrs\\cellx1000\\cellx2000\\cellx3000\\pard\\intbl "
            + QByteArray::number(r) + "\\cell b\\cell c\\cell\\row\n";
    return rtf + "\\pard end\\par}";
}

double cpuSecondsToRead(const QByteArray &rtf, int *rowsRead)
{
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        QTextDocument doc;
        const std::clock_t start = std::clock();
        RtfReader::readRtf(rtf, &doc);
        best = std::min(best, double(std::clock() - start) / CLOCKS_PER_SEC);
        const QList<QTextFrame *> frames = doc.rootFrame()->childFrames();
        auto *read = frames.isEmpty() ? nullptr : qobject_cast<QTextTable *>(frames.first());
        *rowsRead = read ? read->rows() : 0;
    }
    return best;
}

} // namespace

class TestRtfTableGrowth : public QObject {
    Q_OBJECT
private slots:
    void fourTimesTheRowsCostAboutFourTimesTheWork()
    {
        int rows5k = 0, rows20k = 0;
        const double small = cpuSecondsToRead(table(5000), &rows5k);
        const double large = cpuSecondsToRead(table(20000), &rows20k);
        QCOMPARE(rows5k, 5000);
        QCOMPARE(rows20k, 20000);
        const double ratio = large / std::max(small, 1e-3);
        QVERIFY2(ratio < 7, qPrintable(QStringLiteral("5,000 rows: %1 s, 20,000 rows: %2 s, ratio %3")
                                           .arg(small).arg(large).arg(ratio)));
    }
};

QTEST_MAIN(TestRtfTableGrowth)
#include "tst_rtf_table_growth.moc"
