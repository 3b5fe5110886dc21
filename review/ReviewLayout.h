#pragma once

#include "review/ReviewPaging.h"

#include <QRect>
#include <QString>
#include <array>

class ClickLabel;
class QLabel;
class QPushButton;
class QTabWidget;
class QWidget;
class TextBox;

// The common frame of both review windows: heading, exit button and the four tabs above, and on
// each tab framed text boxes, the row of number squares and the paging buttons below the frames.
// Rectangles are twips; those on a tab are relative to its page.
namespace ReviewLayout {
enum Tab { ChoiceTab = 0, BlankTab = 1, ErrTab = 2, ProTab = 3 };

// Sets the window up at the size both reviews have, font 宋体 9.
void setUpWindow(QWidget *form, const QString &name, const QString &caption);
QLabel *heading(QWidget *form, const QString &caption);                 // Lab_title, dark red
QPushButton *exitButton(QWidget *form, const QString &caption);          // Command2
QTabWidget *tabs(QWidget *form);                                         // SSTab1, opens on 选择题
QWidget *page(QTabWidget *tabs, Tab tab);

// Frame placements on a page.
inline constexpr QRect kTop{120, 60, 11535, 3600};
inline constexpr QRect kBelowTop{120, 3720, 11535, 2790};
inline constexpr QRect kLeft{120, 60, 5700, 6450};
inline constexpr QRect kRight{5940, 60, 5715, 6450};
inline constexpr QRect kUpperLeft{120, 60, 5700, 3600};
inline constexpr QRect kLowerLeft{120, 3720, 5700, 2790};

// A frame holding one multi-line, read-only text box that fills it.
TextBox *framedBox(QWidget *page, const QString &frameName, const QString &caption, const QString &boxName,
                   QRect frame, bool darkRedCaption = false);
// The squares Lab_tm(0)..Lab_tm(9) in one row, index 0 leftmost, "Label1" on dark blue.
std::array<ClickLabel *, 10> squares(QWidget *page);
// "下一题" to the left of "上一题", below the frames.
QPushButton *nextButton(QWidget *page, const QString &name);
QPushButton *preButton(QWidget *page, const QString &name);
// The line left of the paging buttons that tells the task's last "检查程序", dark blue.
QLabel *checkLine(QWidget *page, const QString &name);

// The control names of one tab: the "题目" frame and its box, the explanation frame, its caption
// and box, and the two paging buttons.
struct TabNames
{
    QString titleFrame, titleBox, explainFrame, explainCaption, explainBox, next, pre;
};
// Question above explanation, the squares and the buttons below.
ReviewPaging::ChoiceTab choiceTab(QWidget *page, const TabNames &names, bool darkRedCaptions);
// Task on the left, explanation on the right.
ReviewPaging::TaskTab sideBySideTab(QWidget *page, const TabNames &names);
// Task above explanation.
ReviewPaging::TaskTab stackedTab(QWidget *page, const TabNames &names);
}
