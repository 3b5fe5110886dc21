#include "app/LoginArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kGreen(0x1f, 0x8a, 0x4c);
const QColor kDeepGreen(0x14, 0x5e, 0x33);
const QColor kLightGreen(0x5c, 0xc2, 0x7d);

QFont titleFont(int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Microsoft YaHei"), QStringLiteral("SimHei")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont latinFont(int pixelSize, bool bold = false)
{
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QPixmap canvas(QSize size, qreal ratio)
{
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void drawBook(QPainter &p, QRectF r)
{
    p.setPen(QPen(kDeepGreen, 1.6));
    p.setBrush(QColor(0xe8, 0xf6, 0xec));
    QPainterPath left, right;
    const QPointF mid(r.center().x(), r.bottom());
    left.moveTo(mid);
    left.lineTo(r.left(), r.bottom() - 4);
    left.lineTo(r.left(), r.top() + 2);
    left.lineTo(r.center().x(), r.top() + 6);
    left.closeSubpath();
    right.moveTo(mid);
    right.lineTo(r.right(), r.bottom() - 4);
    right.lineTo(r.right(), r.top() + 2);
    right.lineTo(r.center().x(), r.top() + 6);
    right.closeSubpath();
    p.drawPath(left);
    p.drawPath(right);
    p.setPen(QPen(kGreen, 1.2));
    for (int i = 0; i < 3; ++i) {
        const qreal y = r.top() + 12 + i * 6;
        p.drawLine(QPointF(r.left() + 4, y - 1), QPointF(r.center().x() - 3, y + 2));
        p.drawLine(QPointF(r.center().x() + 3, y + 2), QPointF(r.right() - 4, y - 1));
    }
}

void drawFlow(QPainter &p, QRectF r)
{
    p.setPen(QPen(kDeepGreen, 1.6));
    p.setBrush(QColor(0xe8, 0xf6, 0xec));
    const QRectF top(r.center().x() - 9, r.top(), 18, 9);
    const QRectF bottomLeft(r.left(), r.bottom() - 9, 14, 9);
    const QRectF bottomRight(r.right() - 14, r.bottom() - 9, 14, 9);
    QPainterPath diamond;
    const QPointF c(r.center().x(), r.center().y() + 1);
    diamond.moveTo(c.x(), c.y() - 7);
    diamond.lineTo(c.x() + 9, c.y());
    diamond.lineTo(c.x(), c.y() + 7);
    diamond.lineTo(c.x() - 9, c.y());
    diamond.closeSubpath();
    p.drawLine(QPointF(c.x(), top.bottom()), QPointF(c.x(), c.y() - 7));
    p.drawLine(QPointF(c.x() - 9, c.y()), QPointF(bottomLeft.center().x(), c.y()));
    p.drawLine(QPointF(bottomLeft.center().x(), c.y()), QPointF(bottomLeft.center().x(), bottomLeft.top()));
    p.drawLine(QPointF(c.x() + 9, c.y()), QPointF(bottomRight.center().x(), c.y()));
    p.drawLine(QPointF(bottomRight.center().x(), c.y()), QPointF(bottomRight.center().x(), bottomRight.top()));
    p.drawRoundedRect(top, 3, 3);
    p.drawPath(diamond);
    p.drawRect(bottomLeft);
    p.drawRect(bottomRight);
}

void drawPaper(QPainter &p, QRectF r)
{
    p.setPen(QPen(kDeepGreen, 1.6));
    p.setBrush(QColor(0xe8, 0xf6, 0xec));
    const QRectF sheet(r.left() + 1, r.top(), r.width() - 12, r.height());
    p.drawRoundedRect(sheet, 2, 2);
    p.setPen(QPen(kGreen, 1.4));
    for (int i = 0; i < 4; ++i) {
        const qreal y = sheet.top() + 7 + i * 6;
        p.drawLine(QPointF(sheet.left() + 4, y), QPointF(sheet.right() - 5, y));
    }
    // A pencil across the sheet.
    p.save();
    p.translate(r.right() - 13, r.top() + 9);
    p.rotate(60);
    p.setPen(QPen(QColor(0x9a, 0x5b, 0x13), 1.2));
    p.setBrush(QColor(0xf4, 0xb9, 0x42));
    p.drawRect(QRectF(0, -2.5, 16, 5));
    p.setBrush(QColor(0xf6, 0xe0, 0xb5));
    QPainterPath tip;
    tip.moveTo(16, -2.5);
    tip.lineTo(21, 0);
    tip.lineTo(16, 2.5);
    tip.closeSubpath();
    p.drawPath(tip);
    p.restore();
}

void drawDoor(QPainter &p, QRectF r)
{
    p.setPen(QPen(kDeepGreen, 1.6));
    p.setBrush(QColor(0xe8, 0xf6, 0xec));
    const QRectF frame(r.left() + 2, r.top(), r.width() * 0.55, r.height());
    p.drawRect(frame);
    p.setBrush(kLightGreen);
    QPainterPath door;
    door.moveTo(frame.topLeft());
    door.lineTo(frame.left() + frame.width() * 0.7, frame.top() + 4);
    door.lineTo(frame.left() + frame.width() * 0.7, frame.bottom() + 3);
    door.lineTo(frame.bottomLeft());
    door.closeSubpath();
    p.drawPath(door);
    p.setPen(QPen(kDeepGreen, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal y = r.center().y();
    p.drawLine(QPointF(frame.right() + 3, y), QPointF(r.right() - 1, y));
    p.drawLine(QPointF(r.right() - 7, y - 6), QPointF(r.right() - 1, y));
    p.drawLine(QPointF(r.right() - 7, y + 6), QPointF(r.right() - 1, y));
}

struct ButtonText
{
    QString label;
    QString subtitle;
};

using LoginArt::Picture;

ButtonText textOf(Picture which)
{
    switch (which) {
    case Picture::Study:
        return {QStringLiteral("单元学习"), QStringLiteral("Unit Study")};
    case Picture::Algorithms:
        return {QStringLiteral("经典算法"), QStringLiteral("Classic Algorithms")};
    case Picture::Practice:
        return {QStringLiteral("综合练习"), QStringLiteral("Practice Tests")};
    case Picture::Exit:
        return {QStringLiteral("退出系统"), QStringLiteral("Exit")};
    case Picture::Background: // not a button
        break;
    }
    return {};
}

const char *fileStem(Picture which)
{
    switch (which) {
    case Picture::Background:
        return "background";
    case Picture::Study:
        return "study";
    case Picture::Algorithms:
        return "algorithms";
    case Picture::Practice:
        return "practice";
    case Picture::Exit:
        break;
    }
    return "exit";
}

QPixmap background(qreal ratio)
{
    const QSize size = LoginArt::size(Picture::Background);
    QPixmap pixmap = canvas(size, ratio);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // The banner, with a soft wave at its foot.
    QLinearGradient banner(0, 0, 0, 150);
    banner.setColorAt(0, kLightGreen);
    banner.setColorAt(1, kGreen);
    QPainterPath band;
    band.moveTo(0, 0);
    band.lineTo(size.width(), 0);
    band.lineTo(size.width(), 128);
    band.cubicTo(520, 170, 240, 110, 0, 150);
    band.closeSubpath();
    p.fillPath(band, banner);
    QPainterPath stripe;
    stripe.moveTo(0, 150);
    stripe.cubicTo(240, 110, 520, 170, size.width(), 128);
    p.setPen(QPen(QColor(255, 255, 255, 150), 3));
    p.drawPath(stripe);

    // A faint code motif on the banner's right.
    p.setPen(QColor(255, 255, 255, 70));
    p.setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 10));
    const QStringList code = {QStringLiteral("#include <stdio.h>"), QStringLiteral("int main(void)"),
                              QStringLiteral("{"), QStringLiteral("    printf(\"Hello\\n\");"),
                              QStringLiteral("    return 0;"), QStringLiteral("}")};
    for (int i = 0; i < code.size(); ++i)
        p.drawText(QPointF(500, 22 + i * 16), code[i]);

    p.setPen(Qt::white);
    p.setFont(titleFont(40, true));
    p.drawText(QPointF(40, 68), QStringLiteral("智桥辅导学习系统"));
    p.setFont(titleFont(24, true));
    p.drawText(QPointF(44, 106), QStringLiteral("C语言"));
    p.setFont(latinFont(13));
    p.drawText(QPointF(128, 104), QStringLiteral("Tutoring & Practice for the C Language"));

    // The white field: a welcome line above the buttons and a quiet footer.
    p.setPen(kDeepGreen);
    p.setFont(titleFont(17, false));
    p.drawText(QRectF(0, 200, size.width(), 30), Qt::AlignCenter, QStringLiteral("学习 · 练习 · 测试  ——  一步一步学好C语言"));
    p.setPen(QPen(QColor(0xcf, 0xe8, 0xd6), 1));
    p.drawLine(QPointF(60, 395), QPointF(size.width() - 60, 395));
    p.setPen(QColor(0x7a, 0x9a, 0x85));
    p.setFont(titleFont(12, false));
    p.drawText(QRectF(0, 402, size.width(), 24), Qt::AlignCenter, QStringLiteral("读懂每一章 · 练好每一题 · 写对每一个程序"));
    return pixmap;
}

QPixmap button(Picture which, qreal ratio)
{
    const QSize size = LoginArt::size(which);
    QPixmap pixmap = canvas(size, ratio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QRectF face = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(1.5, 1.5, -1.5, -1.5);
    QLinearGradient fill(0, 0, 0, size.height());
    fill.setColorAt(0, QColor(0xf7, 0xfc, 0xf8));
    fill.setColorAt(1, QColor(0xdc, 0xf1, 0xe2));
    p.setPen(QPen(QColor(0x8f, 0xcf, 0xa4), 1));
    p.setBrush(fill);
    p.drawRoundedRect(face, 8, 8);

    const QRectF icon(12, 11, 32, 32);
    switch (which) {
    case Picture::Study:
        drawBook(p, icon);
        break;
    case Picture::Algorithms:
        drawFlow(p, icon);
        break;
    case Picture::Practice:
        drawPaper(p, icon);
        break;
    case Picture::Exit:
        drawDoor(p, icon);
        break;
    case Picture::Background: // not a button
        break;
    }

    const ButtonText text = textOf(which);
    p.setPen(kDeepGreen);
    p.setFont(titleFont(18, true));
    p.drawText(QRectF(52, 5, 94, 26), Qt::AlignLeft | Qt::AlignVCenter, text.label);
    p.setPen(QColor(0x4f, 0x7d, 0x60));
    p.setFont(latinFont(text.subtitle.size() > 14 ? 8 : 9));
    p.drawText(QRectF(52, 30, 96, 16), Qt::AlignLeft | Qt::AlignVCenter, text.subtitle);
    return pixmap;
}

}

QSize LoginArt::size(Picture picture)
{
    switch (picture) {
    case Picture::Background:
        return {699, 449};
    case Picture::Exit:
        return {150, 53};
    case Picture::Study:
    case Picture::Algorithms:
    case Picture::Practice:
        break;
    }
    return {150, 54};
}

QPixmap LoginArt::paint(Picture picture, qreal pixelRatio)
{
    return picture == Picture::Background ? background(pixelRatio) : button(picture, pixelRatio);
}

QImage::Format LoginArt::keptFormat(Picture picture)
{
    return picture == Picture::Background ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied;
}

QString LoginArt::keptFile(Picture picture, int pixelRatio)
{
    return QStringLiteral("%1@%2x.pixels").arg(QLatin1String(fileStem(picture))).arg(pixelRatio);
}
