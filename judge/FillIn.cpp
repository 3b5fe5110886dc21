#include "judge/FillIn.h"

#include "judge/CodeBlanks.h"

#include <QRegularExpression>
#include <QSet>

#include <functional>

namespace FillIn {

namespace {

const QRegularExpression &marker()
{
    static const QRegularExpression m(QStringLiteral("___(\\d+)___"));
    return m;
}

// A text without its blanks, with the offset in the text of each character kept.
struct Squeezed
{
    QString text;
    QList<qsizetype> offsets;
};

Squeezed squeeze(const QString &text)
{
    Squeezed s;
    s.text = CodeBlanks::squeezed(text, &s.offsets);
    return s;
}

// The fixed pieces of the handed-out program, blanks removed: one more than the marks. The program
// is squeezed whole, so that a mark inside a string leaves the string's blanks as they are.
QStringList fixedPieces(const QString &handedOut)
{
    const QString squeezed = CodeBlanks::squeezed(handedOut);
    QStringList pieces;
    qsizetype from = 0;
    for (auto it = marker().globalMatch(squeezed); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        pieces << squeezed.mid(from, m.capturedStart() - from);
        from = m.capturedEnd();
    }
    pieces << squeezed.mid(from);
    return pieces;
}

qsizetype commonPrefix(QStringView a, QStringView b)
{
    qsizetype n = 0;
    while (n < a.size() && n < b.size() && a[n] == b[n])
        ++n;
    return n;
}

qsizetype commonSuffix(QStringView a, QStringView b)
{
    qsizetype n = 0;
    while (n < a.size() && n < b.size() && a[a.size() - 1 - n] == b[b.size() - 1 - n])
        ++n;
    return n;
}

// Where each fixed piece starts in the squeezed student text, the first piece at its start and
// the last at its end; empty when the pieces cannot all be placed in order.
QList<qsizetype> place(const QStringList &pieces, const QString &text)
{
    const qsizetype last = pieces.size() - 1;
    QList<qsizetype> starts(pieces.size());
    QSet<QPair<qsizetype, qsizetype>> failed; // (piece, start) that lead nowhere
    std::function<bool(qsizetype, qsizetype)> fit = [&](qsizetype j, qsizetype from) {
        if (j == last) {
            const qsizetype at = text.size() - pieces[j].size();
            starts[j] = at;
            return at >= from && QStringView(text).mid(at) == pieces[j];
        }
        for (qsizetype at = text.indexOf(pieces[j], from); at >= 0; at = text.indexOf(pieces[j], at + 1)) {
            if (j == 0 && at > 0)
                break;
            if (failed.contains({j, at}))
                continue;
            starts[j] = at;
            if (fit(j + 1, at + pieces[j].size()))
                return true;
            failed.insert({j, at});
        }
        return false;
    };
    if (last == 0)
        return text == pieces[0] ? starts : QList<qsizetype>();
    return fit(0, 0) ? starts : QList<qsizetype>();
}

// Where in the squeezed text a student departs from the pieces: each piece is looked for after the
// one before, where the most of it agrees; the last is held against the end.
qsizetype departure(const QStringList &pieces, const QString &text)
{
    qsizetype from = 0;
    for (qsizetype j = 0; j < pieces.size(); ++j) {
        const QString &piece = pieces[j];
        if (j == pieces.size() - 1) {
            const qsizetype agree = commonSuffix(piece, text);
            return std::max(from, text.size() - agree - 1);
        }
        if (j == 0) {
            const qsizetype agree = commonPrefix(piece, text);
            if (agree < piece.size())
                return agree;
            from = piece.size();
            continue;
        }
        const qsizetype at = text.indexOf(piece, from);
        if (at >= 0) {
            from = at + piece.size();
            continue;
        }
        qsizetype best = from, bestAgree = -1;
        for (qsizetype p = from; p < text.size(); ++p) {
            const qsizetype agree = commonPrefix(piece, QStringView(text).mid(p));
            if (agree > bestAgree) {
                best = p;
                bestAgree = agree;
            }
        }
        return best + std::max<qsizetype>(bestAgree, 0);
    }
    return from;
}

int lineAt(const QString &text, qsizetype offset)
{
    return int(QStringView(text).left(offset).count(u'\n')) + 1;
}

}

QList<int> marks(const QString &text)
{
    QList<int> numbers;
    for (auto it = marker().globalMatch(text); it.hasNext();)
        numbers << it.next().captured(1).toInt();
    return numbers;
}

Reading read(const QString &handedOut, const QString &student)
{
    Reading reading;
    reading.blanks = marks(handedOut);
    const QStringList pieces = fixedPieces(handedOut);
    const Squeezed squeezed = squeeze(student);
    const QList<qsizetype> starts = place(pieces, squeezed.text);
    if (starts.isEmpty()) {
        const qsizetype at = departure(pieces, squeezed.text);
        const qsizetype offset = at < squeezed.offsets.size() ? squeezed.offsets[at]
                                 : squeezed.offsets.isEmpty()     ? 0
                                                                  : squeezed.offsets.back();
        reading.changedLine = lineAt(student, offset);
        return reading;
    }
    reading.fixedTextKept = true;
    for (qsizetype k = 0; k < reading.blanks.size(); ++k) {
        // Blank k lies between piece k and piece k + 1, in the student's own text.
        const qsizetype end = starts[k] + pieces[k].size();
        const qsizetype from = end == 0 ? 0 : squeezed.offsets[end - 1] + 1;
        const qsizetype to = starts[k + 1] < squeezed.offsets.size() ? squeezed.offsets[starts[k + 1]] : student.size();
        const QString fill = student.mid(from, to - from).simplified();
        reading.fills << fill;
        if (fill.isEmpty() || marker().match(fill).hasMatch())
            reading.unfilled << reading.blanks[k];
    }
    return reading;
}

}
