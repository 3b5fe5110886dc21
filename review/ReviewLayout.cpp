#include "review/ReviewLayout.h"

#include "controls/ClickLabel.h"
#include "controls/Controls.h"
#include "controls/TextBox.h"
#include "controls/Twips.h"
#include "controls/WindowSetup.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

namespace {
constexpr int kButtonsTop = 6690;
constexpr int kSquareSide = 315;
constexpr int kSquareLefts[10] = {420, 782, 1149, 1516, 1883, 2250, 2617, 2984, 3351, 3720};
const QColor kDarkRed(192, 0, 0);

void colourText(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}
}

void ReviewLayout::setUpWindow(QWidget *form, const QString &name, const QString &caption)
{
    WindowSetup::setUp(form, name, caption, Controls::song(9), twipsSize(11985, 8445));
}

QLabel *ReviewLayout::heading(QWidget *form, const QString &caption)
{
    QLabel *label = Controls::label(form, QStringLiteral("Lab_title"), caption, {240, 150, 8000, 330});
    label->setFont(Controls::song(10.5, true));
    colourText(label, kDarkRed);
    return label;
}

QPushButton *ReviewLayout::exitButton(QWidget *form, const QString &caption)
{
    return Controls::button(form, QStringLiteral("Command2"), caption, {9570, 90, 2025, 405});
}

QTabWidget *ReviewLayout::tabs(QWidget *form)
{
    QTabWidget *tabs = Controls::tabs(form, QStringLiteral("SSTab1"), {60, 600, 11865, 7785},
                                      {QStringLiteral("选择题"), QStringLiteral("填空题"), QStringLiteral("改错题"),
                                       QStringLiteral("编程题")});
    tabs->setCurrentIndex(ChoiceTab);
    return tabs;
}

QWidget *ReviewLayout::page(QTabWidget *tabs, Tab tab)
{
    return tabs->widget(tab);
}

TextBox *ReviewLayout::framedBox(QWidget *page, const QString &frameName, const QString &caption,
                                 const QString &boxName, QRect frame, bool darkRedCaption)
{
    QGroupBox *box = Controls::frame(page, frameName, caption, frame);
    if (darkRedCaption)
        colourText(box, kDarkRed);
    TextBox *text = Controls::textBox(box, boxName, {120, 270, frame.width() - 240, frame.height() - 390});
    // For reading: selectable and copyable, and the paging keys page wherever the focus is.
    text->setReadOnly(true);
    return text;
}

std::array<ClickLabel *, 10> ReviewLayout::squares(QWidget *page)
{
    std::array<ClickLabel *, 10> labels{};
    for (int i = 0; i < 10; ++i) {
        labels[std::size_t(i)] = Controls::clickLabel(page, Controls::arrayName("Lab_tm", i), QStringLiteral("Label1"),
                                                      {kSquareLefts[i], kButtonsTop, kSquareSide, kSquareSide});
        Controls::styleSquare(labels[std::size_t(i)]);
    }
    return labels;
}

QPushButton *ReviewLayout::nextButton(QWidget *page, const QString &name)
{
    return Controls::button(page, name, QStringLiteral("下一题"), {6460, kButtonsTop, 1365, 315});
}

QPushButton *ReviewLayout::preButton(QWidget *page, const QString &name)
{
    return Controls::button(page, name, QStringLiteral("上一题"), {8040, kButtonsTop, 1365, 315});
}

QLabel *ReviewLayout::checkLine(QWidget *page, const QString &name)
{
    QLabel *label = Controls::label(page, name, {}, {420, kButtonsTop, 5880, 315});
    label->setFont(Controls::song(10.5, true));
    colourText(label, QColor(0, 0, 160));
    return label;
}

namespace {
template <class Tab>
Tab framesAndButtons(QWidget *page, const ReviewLayout::TabNames &names, QRect titleFrame, QRect explainFrame,
                     bool darkRedCaptions)
{
    using namespace ReviewLayout;
    Tab tab;
    tab.title = framedBox(page, names.titleFrame, QStringLiteral("题目"), names.titleBox, titleFrame, darkRedCaptions);
    tab.explain = framedBox(page, names.explainFrame, names.explainCaption, names.explainBox, explainFrame, darkRedCaptions);
    tab.next = nextButton(page, names.next);
    tab.pre = preButton(page, names.pre);
    return tab;
}
}

ReviewPaging::ChoiceTab ReviewLayout::choiceTab(QWidget *page, const TabNames &names, bool darkRedCaptions)
{
    auto tab = framesAndButtons<ReviewPaging::ChoiceTab>(page, names, kTop, kBelowTop, darkRedCaptions);
    tab.squares = squares(page);
    return tab;
}

ReviewPaging::TaskTab ReviewLayout::sideBySideTab(QWidget *page, const TabNames &names)
{
    return framesAndButtons<ReviewPaging::TaskTab>(page, names, kLeft, kRight, false);
}

ReviewPaging::TaskTab ReviewLayout::stackedTab(QWidget *page, const TabNames &names)
{
    return framesAndButtons<ReviewPaging::TaskTab>(page, names, kTop, kBelowTop, false);
}
