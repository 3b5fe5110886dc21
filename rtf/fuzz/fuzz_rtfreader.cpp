// libFuzzer entry for the RTF reader: any bytes must load without a crash,
// a sanitizer report or a hang, and leave a document that can be walked.

#include "rtf/RtfReader.h"

#include <QGuiApplication>
#include <QTextBlock>
#include <QTextDocument>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Image decoders complain about every broken picture; keep the log readable.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &msg) {
        if (type == QtFatalMsg) {
            std::fprintf(stderr, "%s\n", qPrintable(msg));
            std::abort();
        }
    });
    static QGuiApplication app(*argc, *argv); // image plugins and fonts need one
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView input(reinterpret_cast<const char *>(data), qsizetype(size));
    if (!RtfReader::looksLikeRtf(input))
        (void)RtfReader::decodePlainText(input);
    // Read as RTF whatever the start, so mutations of the header still reach
    // the parser.
    QTextDocument doc;
    RtfReader::readRtf(input, &doc);

    // Walk the result: every block and fragment must be consistent.
    qsizetype chars = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it)
            chars += it.fragment().length();
        chars += 1;
    }
    if (chars != doc.characterCount())
        std::abort();

    // Lay small documents out as the box would: the structure built must be
    // one Qt's layout accepts (tables, images, formats).
    if (size <= 2048) {
        doc.setTextWidth(500);
        (void)doc.size();
    }
    return 0;
}
