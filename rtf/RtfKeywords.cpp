#include "rtf/RtfKeywords.h"

#include <QChar>

#include <string_view>
#include <unordered_map>

namespace rtf {

namespace {

using Map = std::unordered_map<std::string_view, Kw>;

Map buildMap()
{
    Map m{
        {"rtf", Kw::Rtf}, {"ansi", Kw::Ansi}, {"mac", Kw::Mac}, {"pc", Kw::Pc},
        {"pca", Kw::Pca}, {"ansicpg", Kw::Ansicpg}, {"deff", Kw::Deff}, {"uc", Kw::Uc},
        {"u", Kw::U}, {"upr", Kw::Upr}, {"ud", Kw::Ud},
        {"fonttbl", Kw::Fonttbl}, {"colortbl", Kw::Colortbl}, {"pict", Kw::Pict},
        {"shppict", Kw::Shppict}, {"fldrslt", Kw::Fldrslt},
        {"fcharset", Kw::Fcharset}, {"cpg", Kw::Cpg}, {"red", Kw::Red},
        {"green", Kw::Green}, {"blue", Kw::Blue},
        {"plain", Kw::Plain}, {"b", Kw::B}, {"i", Kw::I}, {"ul", Kw::Ul},
        {"ulnone", Kw::Ulnone}, {"uld", Kw::Ul}, {"uldash", Kw::Ul}, {"uldashd", Kw::Ul},
        {"uldashdd", Kw::Ul}, {"uldb", Kw::Ul}, {"ulth", Kw::Ul}, {"ulw", Kw::Ul},
        {"ulwave", Kw::Ul}, {"ulhwave", Kw::Ul}, {"ululdbwave", Kw::Ul}, {"ulldash", Kw::Ul},
        {"ulthd", Kw::Ul}, {"ulthdash", Kw::Ul}, {"strike", Kw::Strike}, {"striked", Kw::Strike},
        {"super", Kw::Super}, {"sub", Kw::Sub}, {"nosupersub", Kw::Nosupersub},
        {"fs", Kw::Fs}, {"f", Kw::F}, {"cf", Kw::Cf}, {"cb", Kw::Cb},
        {"highlight", Kw::Highlight}, {"chcbpat", Kw::Chcbpat}, {"v", Kw::V},
        {"pard", Kw::Pard}, {"ql", Kw::Ql}, {"qc", Kw::Qc}, {"qr", Kw::Qr},
        {"qj", Kw::Qj}, {"qd", Kw::Qj}, {"li", Kw::Li}, {"lin", Kw::Li},
        {"ri", Kw::Ri}, {"rin", Kw::Ri}, {"fi", Kw::Fi}, {"sb", Kw::Sb},
        {"sa", Kw::Sa}, {"sl", Kw::Sl}, {"slmult", Kw::Slmult}, {"intbl", Kw::Intbl},
        {"itap", Kw::Itap},
        {"par", Kw::Par}, {"sect", Kw::Par}, {"line", Kw::Line}, {"tab", Kw::Tab},
        {"page", Kw::Page}, {"emdash", Kw::Emdash}, {"endash", Kw::Endash},
        {"bullet", Kw::Bullet}, {"lquote", Kw::Lquote}, {"rquote", Kw::Rquote},
        {"ldblquote", Kw::Ldblquote}, {"rdblquote", Kw::Rdblquote},
        {"emspace", Kw::Emspace}, {"enspace", Kw::Enspace}, {"qmspace", Kw::Qmspace},
        {"zwj", Kw::Zwj}, {"zwnj", Kw::Zwnj}, {"ltrmark", Kw::Ltrmark},
        {"rtlmark", Kw::Rtlmark},
        {"trowd", Kw::Trowd}, {"cellx", Kw::Cellx}, {"cell", Kw::Cell},
        {"row", Kw::Row}, {"clcbpat", Kw::Clcbpat}, {"cbpat", Kw::Cbpat}, {"nestcell", Kw::Nestcell}, {"nestrow", Kw::Nestrow},
        {"pngblip", Kw::Pngblip}, {"jpegblip", Kw::Jpegblip}, {"emfblip", Kw::Emfblip},
        {"wmetafile", Kw::Wmetafile}, {"dibitmap", Kw::Dibitmap},
        {"wbitmap", Kw::Wbitmap}, {"macpict", Kw::Macpict},
        {"pmmetafile", Kw::Pmmetafile}, {"picw", Kw::Picw}, {"pich", Kw::Pich},
        {"picwgoal", Kw::Picwgoal}, {"pichgoal", Kw::Pichgoal},
        {"picscalex", Kw::Picscalex}, {"picscaley", Kw::Picscaley},
    };
    // Cell and row borders only decide whether the table shows grid lines.
    for (const char *w : {"clbrdrt", "clbrdrl", "clbrdrb", "clbrdrr", "trbrdrt", "trbrdrl",
                          "trbrdrb", "trbrdrr", "trbrdrh", "trbrdrv"})
        m.emplace(w, Kw::CellBorder);
    // Destinations whose content is never shown (metadata, page furniture,
    // numbering templates, field codes, fallbacks for older readers).
    for (const char *w :
         {"stylesheet", "info", "header", "headerl", "headerr", "headerf", "footer",
          "footerl", "footerr", "footerf", "footnote", "listtable", "listoverridetable",
          "rsidtbl", "themedata", "colorschememapping", "datastore", "latentstyles",
          "pn", "pntxta", "pntxtb", "nonshppict", "fldinst", "xe", "tc", "txe", "rxe",
          "annotation", "atnid", "atnauthor", "atndate", "atnref", "atnicn", "atntime",
          "nonesttables", "template", "revtbl", "fchars", "lchars", "pgdsctbl",
          "ftnsep", "ftnsepc", "aftnsep", "aftnsepc", "ftncn", "aftncn", "objdata",
          "xmlnstbl", "mmathPr", "blipuid", "picprop", "shpinst", "generator",
          "filetbl", "protusertbl", "docvar", "userprops", "background", "bkmkstart",
          "bkmkend", "falt", "panose", "fontemb", "fontfile", "keycode", "do",
          "nesttableprops", "listpicture", "pnseclvl", "wgrffmtfilter", "pgptbl",
          "operator", "author", "title", "comment", "company", "category", "keywords"})
        m.emplace(w, Kw::SkipDest);
    return m;
}

} // namespace

Kw lookupKeyword(QByteArrayView name)
{
    static const Map map = buildMap();
    const auto it = map.find(std::string_view(name.data(), name.size()));
    return it == map.end() ? Kw::Unknown : it->second;
}

char16_t characterOf(Kw kw)
{
    switch (kw) {
    case Kw::Tab: return u'\t';
    case Kw::Line: return QChar::LineSeparator;
    case Kw::Emdash: return 0x2014;
    case Kw::Endash: return 0x2013;
    case Kw::Bullet: return 0x2022;
    case Kw::Lquote: return 0x2018;
    case Kw::Rquote: return 0x2019;
    case Kw::Ldblquote: return 0x201C;
    case Kw::Rdblquote: return 0x201D;
    case Kw::Emspace: return 0x2003;
    case Kw::Enspace: return 0x2002;
    case Kw::Qmspace: return 0x2005;
    case Kw::Zwj: return 0x200D;
    case Kw::Zwnj: return 0x200C;
    case Kw::Ltrmark: return 0x200E;
    case Kw::Rtlmark: return 0x200F;
    default: return 0;
    }
}

} // namespace rtf
