// Shows a generated study text in the study window's text box, offscreen, and times what the
// student sees: how long the call that sets the text holds the window, when the text is first
// painted, when the whole document is laid out, and the longest stretch in which the window's
// event loop did not run (a 5 ms timer that notes the longest gap between its ticks), in wall
// time and in the thread's CPU time, which a busy machine does not inflate. As a yardstick it
// first reads what the box shows of the text (at most RichTextBox::kMaxTextBytes) into a
// document of its own and lays that out once.
//
//   bench_study_text [--size BYTES] [--kind rtf|plain] [--script zh|ascii] [--line CHARS]
//
// --kind rtf writes Chinese as GBK \'hh escapes, as the bank holds it; plain is UTF-8 text.
// --line is the length of a paragraph in characters (0: the whole text is one paragraph).

#include "platform/RichTextBox.h"
#include "rtf/RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QStringEncoder>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>

using namespace Qt::StringLiterals;

namespace {

QByteArray generate(qsizetype size, bool rtf, bool chinese, int line)
{
    const QString words = chinese ? u"指针数组函数变量结构体循环条件语句内存地址字符串递归编译器预处理文件链表"_s
                                  : u"pointer array function variable struct loop memory address "_s;
    QByteArray unit; // one character as the text holds it
    QByteArray text = rtf ? "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}"
                            "\\pard\\f0\\fs18 "
                          : QByteArray();
    const QByteArray paragraphEnd = rtf ? "\\par\r\n" : "\n";
    QStringEncoder gbk("GBK");
    text.reserve(size + 64);
    for (qsizetype i = 0; text.size() < size; ++i) {
        const QString c = words.at(i % words.size());
        if (!rtf) {
            text += c.toUtf8();
        } else if (chinese) {
            for (char b : QByteArray(gbk.encode(c)))
                text += "\\'" + QByteArray::number(uchar(b), 16);
        } else {
            text += c.toLatin1();
        }
        if (line > 0 && i % line == line - 1)
            text += paragraphEnd;
    }
    if (rtf)
        text += '}';
    return text;
}

// This thread's CPU time: what the window's own work took, whatever else the machine runs.
qint64 cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

double loadAverage()
{
    double load = 0;
    return getloadavg(&load, 1) == 1 ? load : -1;
}

bool laidOut(const QTextDocument *doc)
{
    const QTextBlock last = doc->lastBlock();
    return last.isValid() && last.layout() && last.layout()->lineCount() > 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qsizetype size = 1 << 20;
    bool rtf = true, chinese = true;
    int line = 60;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == u"--size")
            size = args[i + 1].toLongLong();
        else if (args[i] == u"--kind")
            rtf = args[i + 1] == u"rtf";
        else if (args[i] == u"--script")
            chinese = args[i + 1] == u"zh";
        else if (args[i] == u"--line")
            line = args[i + 1].toInt();
    }
    const QByteArray text = generate(size, rtf, chinese, line);

    // The study window's box: 7860 x 6540 twips at 15 twips a pixel, in its font.
    RichTextBox box;
    box.setFont(QFont(u"宋体"_s, 9));
    box.resize(524, 436);
    box.show();
    QApplication::processEvents();

    // The yardstick: what the box shows of the text, read into a document of its own and laid out
    // once at the box's width.
    qint64 readAlone = 0, layoutAlone = 0;
    {
        QTextDocument doc;
        doc.setDefaultFont(box.font());
        QElapsedTimer t;
        t.start();
        RtfReader::load(text.first(std::min(text.size(), RichTextBox::kMaxTextBytes)), &doc);
        readAlone = t.restart();
        doc.setPageSize(QSizeF(box.viewport()->width(), -1));
        doc.documentLayout()->documentSize();
        layoutAlone = t.elapsed();
    }

    QElapsedTimer clock;
    qint64 lastTick = 0, lastTickCpu = 0, longestGap = 0, longestGapCpu = 0, firstShown = -1;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed(), nowCpu = cpuMs();
        longestGap = std::max(longestGap, now - lastTick);
        longestGapCpu = std::max(longestGapCpu, nowCpu - lastTickCpu);
        lastTick = now;
        lastTickCpu = nowCpu;
    });
    struct PaintWatch : QObject {
        std::function<void()> onPaint;
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == QEvent::Paint)
                onPaint();
            return false;
        }
    } watch;
    watch.onPaint = [&] {
        if (firstShown < 0 && !box.document()->isEmpty())
            firstShown = clock.elapsed();
    };
    box.viewport()->installEventFilter(&watch);

    const qint64 startCpu = cpuMs();
    clock.start();
    ticker.start();
    box.setTextRTF(text);
    const qint64 setCall = clock.elapsed(), setCallCpu = cpuMs() - startCpu;
    lastTick = setCall; // the set call itself is reported on its own
    lastTickCpu = cpuMs();
    while (firstShown < 0 || box.isReading() || !laidOut(box.document())) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        if (clock.elapsed() > 20 * 60 * 1000)
            break;
    }
    const qint64 done = clock.elapsed();
    std::printf("input %lld bytes (%s, %s, %s); document %d characters, %d blocks; load %.1f\n",
                static_cast<long long>(text.size()), rtf ? "rtf" : "plain", chinese ? "zh" : "ascii",
                line > 0 ? qPrintable(u"paragraphs of %1"_s.arg(line)) : "one paragraph",
                box.document()->characterCount(), box.document()->blockCount(), loadAverage());
    std::printf("alone: read in %lld ms, laid out once in %lld ms\n", readAlone, layoutAlone);
    std::printf("setTextRTF returned after %lld ms (%lld ms CPU); first shown after %lld ms;"
                " all laid out after %lld ms\n",
                setCall, setCallCpu, firstShown, done);
    std::printf("longest stretch without a turn of the event loop after it: %lld ms (%lld ms CPU)\n",
                longestGap, longestGapCpu);
    return 0;
}
