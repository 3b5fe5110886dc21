#include "controls/CaptionRoom.h"

#include <QGroupBox>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QStyleOptionTabWidgetFrame>
#include <QTabWidget>

#include <algorithm>
#include <climits>

namespace {

// Qt keeps these style options to itself; a member pointer taken through a subclass reaches them.
struct TabWidgetAccess : QTabWidget
{
    static void initOption(const QTabWidget *tabs, QStyleOptionTabWidgetFrame *option)
    {
        auto init = &TabWidgetAccess::initStyleOption;
        (tabs->*init)(option);
    }
};

struct GroupBoxAccess : QGroupBox
{
    static void initOption(const QGroupBox *frame, QStyleOptionGroupBox *option)
    {
        auto init = &GroupBoxAccess::initStyleOption;
        (frame->*init)(option);
    }
};

// Where a frame's controls belong: inside its border and below its caption.
QRect insideFrame(QGroupBox *frame)
{
    frame->ensurePolished();
    QStyleOptionGroupBox option;
    GroupBoxAccess::initOption(frame, &option);
    QStyle *style = frame->style();
    QRect inside = style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, frame)
                       .adjusted(1, 1, -1, -1);
    if (!frame->title().isEmpty()) {
        const QRect caption = style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
        inside.setTop(std::max(inside.top(), caption.bottom() + 1));
    }
    return inside;
}

QList<QWidget *> controlsOf(QWidget *container)
{
    QList<QWidget *> controls = container->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    controls.removeIf([](QWidget *w) { return w->isWindow(); });
    return controls;
}

int settle(const QList<QWidget *> &controls, const QRect &inside);

// How much taller the control must be for what it holds.
int settleInside(QWidget *control)
{
    if (auto *tabs = qobject_cast<QTabWidget *>(control)) {
        const QRect page(QPoint(0, 0), CaptionRoom::pageRect(tabs).size());
        int grow = 0;
        for (int i = 0; i < tabs->count(); ++i)
            grow = std::max(grow, settle(controlsOf(tabs->widget(i)), page));
        return grow;
    }
    if (auto *frame = qobject_cast<QGroupBox *>(control))
        return settle(controlsOf(frame), insideFrame(frame));
    return 0;
}

// Settles the controls of one container inside the given room, innermost first; returns how
// much taller the container must be.
int settle(const QList<QWidget *> &controls, const QRect &inside)
{
    if (controls.isEmpty())
        return 0;
    struct Placed
    {
        QWidget *control;
        QRect before;
        int grow;
        int down = 0;
    };
    QList<Placed> placed;
    for (QWidget *control : controls) {
        const QRect before = control->geometry();
        const int grow = settleInside(control);
        if (grow > 0)
            control->resize(control->width(), control->height() + grow);
        placed.append({control, before, grow});
    }
    // What lies below a control that grew moves down by as much, and by what moved it.
    std::sort(placed.begin(), placed.end(), [](const Placed &a, const Placed &b) { return a.before.top() < b.before.top(); });
    for (qsizetype i = 0; i < placed.size(); ++i) {
        Placed &p = placed[i];
        for (qsizetype j = 0; j < i; ++j) {
            const Placed &above = placed[j];
            if (above.before.bottom() < p.before.top() && above.before.left() <= p.before.right()
                && above.before.right() >= p.before.left())
                p.down = std::max(p.down, above.down + above.grow);
        }
    }
    int top = INT_MAX, left = INT_MAX;
    for (const Placed &p : placed) {
        top = std::min(top, p.before.top() + p.down);
        left = std::min(left, p.before.left());
    }
    const QPoint by(std::max(0, inside.left() - left), std::max(0, inside.top() - top));
    int bottom = INT_MIN;
    for (const Placed &p : placed) {
        p.control->move(p.before.topLeft() + QPoint(0, p.down) + by);
        bottom = std::max(bottom, p.control->geometry().bottom());
    }
    return std::max(0, bottom - inside.bottom());
}
}

void CaptionRoom::make(QWidget *window)
{
    const int grow = settle(controlsOf(window), window->rect());
    if (grow > 0)
        window->setFixedSize(window->width(), window->height() + grow);
}

QRect CaptionRoom::pageRect(QTabWidget *tabs)
{
    tabs->ensurePolished();
    QStyleOptionTabWidgetFrame option;
    TabWidgetAccess::initOption(tabs, &option);
    return tabs->style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, tabs);
}
