#include "rtf/RtfFonts.h"

namespace rtf {

void FontTable::setAnsiCodepage(int codepage)
{
    m_ansiCodepage = codepage;
    ++m_version;
}

void FontTable::setDefaultFont(int font)
{
    m_default = font;
    ++m_version;
}

void FontTable::begin()
{
    m_entry = -1;
}

void FontTable::startEntry(int font)
{
    commit();
    m_entry = font;
    m_draft = Entry{};
    m_nameBytes.clear();
    m_name.clear();
    m_nameDone = false;
}

void FontTable::setCharset(int charset)
{
    m_draft.charset = charset;
}

void FontTable::setCodepage(int codepage)
{
    m_draft.cpg = codepage;
}

void FontTable::nameText(QByteArrayView bytes)
{
    if (m_entry < 0 || m_nameDone)
        return;
    const qsizetype semi = bytes.indexOf(';');
    if (semi < 0) {
        m_nameBytes.append(bytes.data(), bytes.size());
        return;
    }
    m_nameBytes.append(bytes.data(), semi);
    m_nameDone = true;
    commit();
}

void FontTable::nameUnit(char16_t unit)
{
    if (m_entry < 0 || m_nameDone)
        return;
    m_name += m_decoders.decodeWhole(codepageOf(m_draft), m_nameBytes);
    m_nameBytes.clear();
    m_name += QChar(unit);
}

void FontTable::commit()
{
    if (m_entry < 0)
        return;
    m_name += m_decoders.decodeWhole(codepageOf(m_draft), m_nameBytes);
    m_nameBytes.clear();
    m_draft.name = m_name.trimmed();
    m_fonts.insert(m_entry, m_draft);
    ++m_version;
    m_entry = -1;
}

const FontTable::Entry *FontTable::find(int font) const
{
    const auto it = m_fonts.constFind(font < 0 ? m_default : font);
    return it == m_fonts.cend() ? nullptr : &*it;
}

QString FontTable::name(int font) const
{
    const Entry *entry = find(font);
    return entry ? entry->name : QString();
}

int FontTable::codepage(int font) const
{
    const Entry *entry = find(font);
    return entry ? codepageOf(*entry) : m_ansiCodepage;
}

int FontTable::codepageOf(const Entry &entry) const
{
    return entry.cpg > 0 ? entry.cpg : codepageForCharset(entry.charset, m_ansiCodepage);
}

} // namespace rtf
