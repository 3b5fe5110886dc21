#pragma once

#include "rtf/RtfCodepage.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>

namespace rtf {

// The font table as read so far, with the document's code page and default
// font, which stand in for fonts it does not list: what a font is called,
// and which code page the bytes of its text are in.
class FontTable {
public:
    explicit FontTable(Decoders &decoders) : m_decoders(decoders) {}

    void setAnsiCodepage(int codepage); // \ansi, \mac, \pc, \pca, \ansicpgN
    void setDefaultFont(int font);      // \deffN
    int defaultFont() const { return m_default; }

    // Reading \fonttbl: \fN starts an entry and the text up to ';' names it;
    // the end of the entry's group, or the next \fN, completes it.
    void begin();
    void startEntry(int font);
    void setCharset(int charset);
    void setCodepage(int codepage);
    void nameText(QByteArrayView bytes);
    void nameUnit(char16_t unit); // \uN in a name
    void commit();

    // Font -1 is the default font. A font the table lacks has no name and
    // the document's code page.
    QString name(int font) const;
    int codepage(int font) const;
    // Changes whenever an entry or the document's code page does.
    int version() const { return m_version; }

private:
    struct Entry {
        QString name;
        int charset = 1; // default charset: the document's code page
        int cpg = 0;
    };

    int codepageOf(const Entry &entry) const;
    const Entry *find(int font) const;

    Decoders &m_decoders;
    int m_ansiCodepage = 1252;
    int m_default = 0;
    QHash<int, Entry> m_fonts;
    int m_version = 0;

    // the entry being read
    int m_entry = -1;
    Entry m_draft;
    QByteArray m_nameBytes;  // not decoded yet
    QString m_name;          // decoded so far (a \uN ends a run of bytes)
    bool m_nameDone = false;
};

} // namespace rtf
