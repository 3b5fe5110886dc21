#include "answer/TestSetArt.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

QFont artFont(const QStringList &families, int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

const QStringList kChinese = {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Microsoft YaHei"), QStringLiteral("SimHei")};
const QColor kBandEdge(0x5c, 0xc2, 0x7d);
const QStringList kCode = {QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"), QStringLiteral("Consolas")};

}

QPixmap TestSetArt::background(QSize size, QRect grouped, qreal pixelRatio)
{
    QPixmap pixmap(size * pixelRatio);
    pixmap.setDevicePixelRatio(pixelRatio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient field(0, 0, 0, size.height());
    field.setColorAt(0, QColor(0x14, 0x5e, 0x33));
    field.setColorAt(1, QColor(0x0b, 0x36, 0x1d));
    p.fillRect(QRect(QPoint(), size), field);

    // Faint program text in the background, as on a blackboard.
    // It stays clear of the band with the controls below.
    p.setFont(artFont(kCode, 12, false));
    p.setPen(QColor(255, 255, 255, 34));
    const QStringList code = {QStringLiteral("for (i = 1; i <= 100; i++)"), QStringLiteral("    sum += i;"),
                              QStringLiteral("printf(\"%d\\n\", sum);")};
    for (int i = 0; i < code.size(); ++i)
        p.drawText(QPointF(size.width() * 0.58, 48 + 20 * i), code[i]);
    const QStringList tail = {QStringLiteral("if (score >= 60)"), QStringLiteral("    puts(\"通过\");")};
    for (int i = 0; i < tail.size(); ++i)
        p.drawText(QPointF(40, size.height() - 50 + 20 * i), tail[i]);

    p.setFont(artFont(kChinese, 34, true));
    p.setPen(QColor(0xff, 0xe0, 0x8a));
    p.drawText(QRectF(36, 40, size.width() - 72, 50), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("C语言综合练习"));
    p.setFont(artFont(kChinese, 15, false));
    p.setPen(QColor(220, 240, 226));
    p.drawText(QRectF(40, 92, size.width() - 80, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("选择题 · 填空题 · 改错题 · 编程题"));

    // A lighter band that frames the set choice and the two buttons.
    p.setPen(QPen(kBandEdge, 1.5));
    p.setBrush(QColor(255, 255, 255, 22));
    p.drawRoundedRect(QRectF(grouped).adjusted(-24, -20, 24, 20), 10, 10);
    return pixmap;
}
