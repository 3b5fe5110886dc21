// libFuzzer entry for the RTF reader: any bytes must load without a crash,
// a sanitizer report or a hang, and leave a document that can be walked.

#include "platform/RtfReader.h"

#include <QGuiApplication>
#include <QTextBlock>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv); // image plugins and fonts need one
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QTextDocument doc;
    RtfReader::load(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)), &doc);

    // Walk the result: every block and fragment must be consistent.
    qsizetype chars = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it)
            chars += it.fragment().length();
        chars += 1;
    }
    if (chars != doc.characterCount())
        std::abort();
    return 0;
}
