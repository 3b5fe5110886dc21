#include "answer/LayoutParts.h"

#include "controls/CaptionRoom.h"
#include "controls/ClickLabel.h"
#include "controls/Controls.h"
#include "controls/TextBox.h"

#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

// A round clock face, painted here so that no picture file is needed.
QPixmap clockPicture()
{
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 0, 0), 4));
    p.setBrush(QColor(255, 246, 220));
    p.drawEllipse(QRectF(4, 4, 56, 56));
    p.setPen(QPen(QColor(60, 60, 60), 2));
    for (int h = 0; h < 12; ++h) {
        p.save();
        p.translate(32, 32);
        p.rotate(30.0 * h);
        p.drawLine(QPointF(0, -22), QPointF(0, -26));
        p.restore();
    }
    p.setPen(QPen(QColor(30, 30, 30), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(32, 32), QPointF(32, 16));
    p.setPen(QPen(QColor(192, 0, 0), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(32, 32), QPointF(45, 38));
    return pixmap;
}

}

QRect LayoutParts::onTab(QTabWidget *tabs, QRect twips)
{
    return twips.translated(-CaptionRoom::pageRect(tabs).topLeft() * 15);
}

void LayoutParts::squares(AnsweringControls &c, QWidget *page, QTabWidget *tabs, const std::array<int, 10> &lefts, int top)
{
    for (int k = 0; k < 10; ++k) {
        c.squares[k] = Controls::clickLabel(page, Controls::arrayName("Lab_tm", k), QStringLiteral("Label1"),
                                            onTab(tabs, {lefts[k], top, 315, 315}));
        Controls::styleSquare(c.squares[k]);
    }
}

void LayoutParts::option(AnsweringControls &c, int k, QWidget *frame, const char *buttonName, int buttonLeft, QRect text)
{
    c.optionTexts[k] = Controls::lineBox(frame, Controls::arrayName("ch_text", k), text);
    c.options[k] = Controls::optionButton(frame, Controls::arrayName(buttonName, k), {buttonLeft, 0, 285, 285});
    // Every row alike: the button level with the middle of its text box.
    c.options[k]->move(c.options[k]->x(), c.optionTexts[k]->geometry().center().y() - c.options[k]->height() / 2);
    c.optionTexts[k]->setText(QStringLiteral("Text1"));
    c.optionTexts[k]->setReadOnly(true);
    // The text is for reading: Tab passes it by, and a click on it picks the option.
    c.optionTexts[k]->setFocusPolicy(Qt::NoFocus);
    Controls::clickThrough(c.optionTexts[k], c.options[k]);
    const QString name = QStringLiteral("选项") + QChar(u'A' + k);
    c.options[k]->setAccessibleName(name);
    c.optionTexts[k]->setAccessibleName(name);
    QPalette palette = c.optionTexts[k]->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    c.optionTexts[k]->setPalette(palette);
}

AnsweringControls::TaskTab LayoutParts::taskButtons(QWidget *frame, const std::array<QString, 6> &names,
                                                    const std::array<QRect, 6> &rects)
{
    AnsweringControls::TaskTab tab;
    tab.next = smallButton(frame, names[0], QStringLiteral("下一题"), rects[0]);
    tab.previous = smallButton(frame, names[1], QStringLiteral("上一题"), rects[1]);
    tab.file = Controls::label(frame, names[4], {}, rects[4]);
    tab.file->setFont(Controls::song(9));
    tab.file->setAlignment(Qt::AlignCenter);
    tab.file->setWordWrap(true);
    tab.file->setTextInteractionFlags(Qt::TextSelectableByMouse);
    tab.file->setAccessibleName(QStringLiteral("题目文件"));
    tab.recheck = Controls::label(frame, names[5], {}, rects[5]);
    tab.recheck->setFont(Controls::song(9));
    tab.recheck->setAlignment(Qt::AlignCenter);
    tab.recheck->setWordWrap(true);
    tab.recheck->setAccessibleName(QStringLiteral("保存后的检查"));
    // Built above "启动VC" as it stands, so Tab reaches the buttons top to bottom.
    tab.check = smallButton(frame, names[3], QStringLiteral("检查程序"), rects[3]);
    tab.editor = smallButton(frame, names[2], QStringLiteral("启动VC"), rects[2]);
    return tab;
}

QPushButton *LayoutParts::smallButton(QWidget *parent, const QString &name, const QString &caption, QRect twips)
{
    QPushButton *button = Controls::button(parent, name, caption, twips);
    button->setFont(Controls::song(9));
    const int short_ = button->sizeHint().height() - button->height();
    if (short_ > 0)
        button->setGeometry(button->geometry().adjusted(0, -short_ / 2, 0, short_ - short_ / 2));
    return button;
}

void LayoutParts::clockParts(AnsweringControls &c, QWidget *frame, QRect image)
{
    QLabel *picture = Controls::label(frame, QStringLiteral("Image1"), {}, image);
    picture->setPixmap(clockPicture());
    picture->setScaledContents(true);
    c.timer = new QTimer(frame);
    c.timer->setObjectName(QStringLiteral("Timer1"));
    c.timer->setInterval(1000);
    c.timer->setTimerType(Qt::PreciseTimer);
}

ClickLabel *LayoutParts::folderLabel(QWidget *frame, const QString &name, const QString &caption, QRect twips,
                                     QColor colour)
{
    ClickLabel *label = Controls::clickLabel(frame, name, caption, twips);
    label->setFont(Controls::song(12, true));
    label->setStyleSheet(QStringLiteral("color: %1").arg(colour.name()));
    label->setCursor(Qt::PointingHandCursor);
    Controls::fitText(label); // as tall as its type
    return label;
}

QLabel *LayoutParts::clockLabel(QWidget *frame, const QString &caption, QRect twips, qreal points, const QString &widest)
{
    QLabel *label = Controls::label(frame, QStringLiteral("Lab_time"), caption, twips);
    label->setFont(Controls::font(QStringLiteral("Arial"), points, true));
    label->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0)"));
    label->resize(label->size().expandedTo(label->fontMetrics().size(0, widest)));
    return label;
}

TextBox *LayoutParts::readingBox(QWidget *parent, const QString &name, QRect twips)
{
    TextBox *box = Controls::textBox(parent, name, twips);
    box->setReadOnly(true);
    return box;
}
