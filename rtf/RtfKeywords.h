#pragma once

#include <QByteArrayView>
#include <cstdint>

namespace rtf {

// The control words the reader acts on; every other word is ignored.
enum class Kw : std::uint8_t {
    Unknown,
    // document and encoding
    Rtf, Ansi, Mac, Pc, Pca, Ansicpg, Deff, Uc, U, Upr, Ud,
    // destinations
    Fonttbl, Colortbl, Pict, Shppict, Fldrslt, SkipDest,
    // font and colour tables
    Fcharset, Cpg, Red, Green, Blue,
    // character format
    Plain, B, I, Ul, Ulnone, Strike, Super, Sub, Nosupersub, Fs, F, Cf, Cb,
    Highlight, Chcbpat, V,
    // paragraph format
    Pard, Ql, Qc, Qr, Qj, Li, Ri, Fi, Sb, Sa, Sl, Slmult, Intbl, Itap,
    // breaks and special characters
    Par, Line, Tab, Page, Emdash, Endash, Bullet, Lquote, Rquote, Ldblquote,
    Rdblquote, Emspace, Enspace, Qmspace, Zwj, Zwnj, Ltrmark, Rtlmark,
    // tables
    Trowd, Cellx, Cell, Row, Nestcell, Nestrow, CellBorder, Clcbpat, Cbpat,
    // pictures
    Pngblip, Jpegblip, Emfblip, Wmetafile, Dibitmap, Wbitmap, Macpict, Pmmetafile,
    Picw, Pich, Picwgoal, Pichgoal, Picscalex, Picscaley,
};

Kw lookupKeyword(QByteArrayView name);

// The character a word stands for (\tab, \emdash, \lquote, ...); 0 for any
// other word.
char16_t characterOf(Kw kw);

} // namespace rtf
