// Times the RTF reader on a generated 1 MB Chinese document (GBK \'hh text,
// runs of bold/italic/colour, a table every so often), or on one long table.
//
//   bench_rtfreader [--write FILE] [--read FILE] [--runs N] [--size BYTES]
//                   [--table ROWSxCELLS]
//
// --write saves the generated document (for comparing with other readers);
// --read times an existing file instead of a generated one; --table times a
// table of ROWS rows of CELLS cells, each row with its own definition as Word
// writes them (e.g. 5000x3, 20000x3, 5000x200).

#include "rtf/RtfReader.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QStringEncoder>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

QByteArray gbkEscaped(const QString &text)
{
    QStringEncoder enc("GBK");
    const QByteArray bytes = enc.encode(text);
    QByteArray out;
    out.reserve(bytes.size() * 4);
    static const char hex[] = "0123456789abcdef";
    for (char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x80) {
            out += c;
        } else {
            out += "\\'";
            out += hex[u >> 4];
            out += hex[u & 15];
        }
    }
    return out;
}

QByteArray generate(qsizetype target)
{
    const QStringList words = {
        u"指针"_s, u"数组"_s, u"函数"_s, u"变量"_s, u"结构体"_s, u"循环"_s,
        u"条件语句"_s, u"内存"_s, u"地址"_s, u"字符串"_s, u"递归"_s, u"编译器"_s,
        u"预处理"_s, u"文件"_s, u"链表"_s, u"排序算法"_s, u"的"_s, u"是"_s,
        u"可以"_s, u"通过"_s, u"，"_s, u"。"_s};
    std::vector<QByteArray> enc;
    for (const QString &w : words)
        enc.push_back(gbkEscaped(w));

    QByteArray rtf =
        "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052{\\fonttbl"
        "{\\f0\\fnil\\fcharset134 " + gbkEscaped(u"宋体"_s) + ";}{\\f1\\fnil\\fcharset134 "
        + gbkEscaped(u"黑体"_s) + ";}{\\f2\\fswiss\\fcharset0 Arial;}}\r\n"
        "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;\\red230\\green230\\blue230;}\r\n"
        "\\viewkind4\\uc1\\pard\\sa200\\sl276\\slmult1\\lang2052\\f0\\fs22 ";
    rtf.reserve(target + 4096);
    unsigned seed = 12345;
    const auto rnd = [&seed](unsigned n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    };
    int para = 0;
    while (rtf.size() < target) {
        if (para % 40 == 39) {
            for (int r = 0; r < 5; ++r) {
                rtf += "\\trowd\\trgaph108\\clcbpat3\\clbrdrt\\brdrs\\clbrdrb\\brdrs\\cellx2500"
                       "\\clbrdrt\\brdrs\\clbrdrb\\brdrs\\cellx6000\\clbrdrt\\brdrs"
                       "\\clbrdrb\\brdrs\\cellx9000\\pard\\intbl ";
                for (int c = 0; c < 3; ++c) {
                    if (r == 0)
                        rtf += "\\b ";
                    rtf += enc[rnd(16)] + enc[rnd(16)];
                    if (r == 0)
                        rtf += "\\b0";
                    rtf += "\\cell ";
                }
                rtf += "\\row\r\n";
            }
            rtf += "\\pard\\sa200\\sl276\\slmult1 ";
        }
        if (para % 10 == 0)
            rtf += "\\qc\\f1\\fs32\\b " + enc[rnd(16)] + enc[rnd(16)] + "\\b0\\f0\\fs22\\par\\ql\r\n";
        const int sentences = 3 + int(rnd(4));
        for (int s = 0; s < sentences; ++s) {
            for (int w = 0; w < 12; ++w) {
                const unsigned k = rnd(40);
                if (k == 0)
                    rtf += "\\b " + enc[rnd(16)] + "\\b0 ";
                else if (k == 1)
                    rtf += "\\i " + enc[rnd(16)] + "\\i0 ";
                else if (k == 2)
                    rtf += "{\\cf1 " + enc[rnd(16)] + "}";
                else if (k == 3)
                    rtf += "\\f2 printf(\"%d\", n);\\f0 ";
                else
                    rtf += enc[rnd(enc.size() - 2)];
            }
            rtf += enc[enc.size() - 1];
        }
        rtf += "\\par\r\n";
        ++para;
    }
    rtf += "}\r\n";
    return rtf;
}

QByteArray generateTable(int rows, int cells)
{
    QByteArray definition = "\\trowd\\trgaph108";
    for (int c = 1; c <= cells; ++c)
        definition += "\\clbrdrt\\brdrs\\cellx" + QByteArray::number(c * 60);
    QByteArray rtf = "{\\rtf1\\ansi\\deff0 ";
    for (int r = 0; r < rows; ++r) {
        rtf += definition + "\\pard\\intbl ";
        for (int c = 0; c < cells; ++c)
            rtf += QByteArray::number(r) + "\\cell ";
        rtf += "\\row\n";
    }
    return rtf + "\\pard end\\par}";
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QString writePath, readPath, tableShape;
    int runs = 5;
    qsizetype size = 1 << 20;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == u"--write")
            writePath = args[i + 1];
        else if (args[i] == u"--read")
            readPath = args[i + 1];
        else if (args[i] == u"--runs")
            runs = std::max(1, args[i + 1].toInt());
        else if (args[i] == u"--size")
            size = args[i + 1].toLongLong();
        else if (args[i] == u"--table")
            tableShape = args[i + 1];
    }

    QByteArray rtf;
    if (!readPath.isEmpty()) {
        QFile f(readPath);
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(readPath));
            return 1;
        }
        rtf = f.readAll();
    } else if (!tableShape.isEmpty()) {
        const QStringList shape = tableShape.split(u'x');
        if (shape.size() != 2 || shape[0].toInt() < 1 || shape[1].toInt() < 1) {
            std::fprintf(stderr, "--table wants ROWSxCELLS, e.g. 5000x200\n");
            return 1;
        }
        rtf = generateTable(shape[0].toInt(), shape[1].toInt());
    } else {
        rtf = generate(size);
    }
    if (!writePath.isEmpty()) {
        QFile f(writePath);
        if (!f.open(QIODevice::WriteOnly) || f.write(rtf) != rtf.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(writePath));
            return 1;
        }
        return 0;
    }

    std::vector<double> ms;
    int bold = 0, tables = 0, blocks = 0, chars = 0;
    for (int r = 0; r < runs; ++r) {
        QTextDocument doc;
        QElapsedTimer t;
        t.start();
        RtfReader::readRtf(rtf, &doc);
        ms.push_back(t.nsecsElapsed() / 1e6);
        if (r == 0) {
            chars = doc.characterCount();
            blocks = doc.blockCount();
            for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
                for (auto it = b.begin(); !it.atEnd(); ++it)
                    if (it.fragment().charFormat().fontWeight() == QFont::Bold)
                        ++bold;
            for (QTextFrame *f : doc.rootFrame()->childFrames())
                if (qobject_cast<QTextTable *>(f))
                    ++tables;
        }
    }
    std::sort(ms.begin(), ms.end());
    std::printf("input %lld bytes; %d characters, %d blocks, %d bold runs, %d tables\n",
                static_cast<long long>(rtf.size()), chars, blocks, bold, tables);
    std::printf("read: median %.1f ms, best %.1f ms over %d runs\n", ms[ms.size() / 2], ms[0],
                runs);
    return 0;
}
