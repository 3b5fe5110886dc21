#include "controls/Controls.h"

#include "controls/ClickLabel.h"
#include "controls/TextBox.h"
#include "controls/Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace {

class ClickThrough : public QObject
{
public:
    ClickThrough(QWidget *from, QAbstractButton *to) : QObject(from), m_to(to) { from->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonRelease) {
            auto *release = static_cast<QMouseEvent *>(event);
            auto *from = static_cast<QWidget *>(watched);
            if (release->button() == Qt::LeftButton && from->rect().contains(release->position().toPoint())) {
                m_to->setFocus(Qt::MouseFocusReason);
                m_to->click();
            }
        }
        return false;
    }

private:
    QAbstractButton *m_to;
};

QRect toPixels(QRect t)
{
    return twipsRect(t.x(), t.y(), t.width(), t.height());
}

template <class W>
W *place(W *widget, const QString &name, QRect twips)
{
    widget->setObjectName(name);
    widget->setGeometry(toPixels(twips));
    return widget;
}

}

QString Controls::arrayName(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QFont Controls::font(const QString &family, qreal points, bool bold)
{
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QFont Controls::song(qreal points, bool bold)
{
    return font(QStringLiteral("宋体"), points, bold);
}

QFont Controls::verdana(qreal points)
{
    return font(QStringLiteral("Verdana"), points);
}

QGroupBox *Controls::frame(QWidget *parent, const QString &name, const QString &caption, QRect twips)
{
    return place(new QGroupBox(caption, parent), name, twips);
}

QPushButton *Controls::button(QWidget *parent, const QString &name, const QString &caption, QRect twips)
{
    return place(new QPushButton(caption, parent), name, twips);
}

QLabel *Controls::label(QWidget *parent, const QString &name, const QString &caption, QRect twips)
{
    return place(new QLabel(caption, parent), name, twips);
}

ClickLabel *Controls::clickLabel(QWidget *parent, const QString &name, const QString &caption, QRect twips)
{
    return place(new ClickLabel(caption, parent), name, twips);
}

TextBox *Controls::textBox(QWidget *parent, const QString &name, QRect twips)
{
    auto *box = place(new TextBox(parent), name, twips);
    box->setFont(verdana());
    return box;
}

QLineEdit *Controls::lineBox(QWidget *parent, const QString &name, QRect twips)
{
    auto *box = place(new QLineEdit(parent), name, twips);
    box->setFont(verdana());
    return box;
}

QRadioButton *Controls::optionButton(QWidget *parent, const QString &name, QRect twips)
{
    return place(new QRadioButton(parent), name, twips);
}

QTabWidget *Controls::tabs(QWidget *parent, const QString &name, QRect twips, const QStringList &captions)
{
    auto *tabs = place(new QTabWidget(parent), name, twips);
    for (const QString &caption : captions) {
        auto *page = new QWidget;
        page->setObjectName(QStringLiteral("%1_%2").arg(name).arg(tabs->count()));
        tabs->addTab(page, caption);
    }
    return tabs;
}

void Controls::clickThrough(QWidget *from, QAbstractButton *to)
{
    new ClickThrough(from, to);
}

void Controls::fitText(QWidget *control)
{
    control->resize(control->size().expandedTo(control->sizeHint()));
}

void Controls::styleSquare(QLabel *square)
{
    square->setFont(font(QStringLiteral("Times New Roman"), 10.5, true));
    square->setAlignment(Qt::AlignCenter);
    square->setAutoFillBackground(true);
    QPalette palette = square->palette();
    palette.setColor(QPalette::Window, QColor(0, 0, 192));
    palette.setColor(QPalette::WindowText, Qt::white);
    square->setPalette(palette);
}
