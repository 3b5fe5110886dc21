#pragma once

#include "answer/AnsweringControls.h"

#include <QColor>
#include <QRect>
#include <QString>
#include <array>

class QWidget;

// Pieces the two answering-window layouts build alike, each at its own positions (twips).
namespace LayoutParts {
// A rectangle given relative to the tab control, moved onto the tab's page: it may lie partly
// under the tab bar, which CaptionRoom::make() then clears.
QRect onTab(QTabWidget *tabs, QRect twips);
// The ten number squares "Lab_tm(0..9)" on the choice page.
void squares(AnsweringControls &c, QWidget *page, QTabWidget *tabs, const std::array<int, 10> &lefts, int top);
// Option k: the one-line box of its text "ch_text(k)" and beside it, at buttonLeft (twips), its
// option button (no caption). A click on the text picks the option; Tab passes the text by.
void option(AnsweringControls &c, int k, QWidget *frame, const char *buttonName, int buttonLeft, QRect text);
// A program tab's next, previous, "启动VC" and "检查程序" buttons, 宋体 9 pt, the label that
// names the task's file and the one that tells the check of a saved file; names and rects in that
// order.
AnsweringControls::TaskTab taskButtons(QWidget *frame, const std::array<QString, 6> &names,
                                       const std::array<QRect, 6> &rects);
// 宋体 9 pt, never shorter than its caption needs (a layout height can be a few pixels short of
// Qt's type): it grows about its middle, so a row of buttons stays level.
QPushButton *smallButton(QWidget *parent, const QString &name, const QString &caption, QRect twips);
// The clock frame's decoration "Image1" and its one-second "Timer1".
void clockParts(AnsweringControls &c, QWidget *frame, QRect image);
// The work folder label: bold 宋体 12 pt in the given colour; a click opens the folder.
ClickLabel *folderLabel(QWidget *frame, const QString &name, const QString &caption, QRect twips, QColor colour);
// The clock display: bold Arial in dark red, never smaller than the widest time it shows.
QLabel *clockLabel(QWidget *frame, const QString &caption, QRect twips, qreal points, const QString &widest);
// A multi-line task or question box; the student reads it, the program writes it.
TextBox *readingBox(QWidget *parent, const QString &name, QRect twips);
}
