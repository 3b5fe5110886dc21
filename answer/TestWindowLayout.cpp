#include "answer/TestWindowLayout.h"

#include "controls/CaptionRoom.h"
#include "controls/ClickLabel.h"
#include "controls/Controls.h"
#include "controls/TextBox.h"
#include "controls/Twips.h"
#include "controls/WindowSetup.h"
#include "answer/LayoutParts.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

using namespace Controls;
using LayoutParts::onTab;

namespace {

// One program tab: the captioned frame with the task text, and the frame of its buttons and the
// name of the task's file.
AnsweringControls::TaskTab taskTab(QTabWidget *tabs, int page, const char *textFrame, const QString &caption,
                                   const char *text, QRect textRect, const char *buttonFrame,
                                   const std::array<QString, 6> &buttons)
{
    QWidget *p = tabs->widget(page);
    QGroupBox *holder = frame(p, QLatin1String(textFrame), caption, onTab(tabs, {150, 400, 9135, 4875}));
    QGroupBox *side = frame(p, QLatin1String(buttonFrame), {}, onTab(tabs, {9360, 400, 2415, 4875}));
    AnsweringControls::TaskTab tab =
        LayoutParts::taskButtons(side, buttons, {QRect{420, 570, 1635, 345}, {420, 1440, 1635, 345}, {420, 4230, 1635, 345},
                                                  {420, 3660, 1635, 345}, {420, 2280, 1635, 690},
                                                  {120, 2985, 2175, 600}});
    tab.text = LayoutParts::readingBox(holder, QLatin1String(text), textRect);
    return tab;
}

}

AnsweringControls layOutTestWindow(QWidget *window)
{
    AnsweringControls c;
    WindowSetup::setUp(window, QStringLiteral("Frm_t_main"), QStringLiteral("智桥-C语言综合练习系统"), song(10.5),
                       twipsSize(11985, 6330));

    QGroupBox *folderFrame = frame(window, QStringLiteral("Frame3"), QStringLiteral("综合练习文件夹"), {120, 60, 5115, 585});
    folderFrame->setFont(song(9));
    c.folder = LayoutParts::folderLabel(folderFrame, QStringLiteral("Lab_path"), QStringLiteral("Label1"),
                                        {210, 210, 810, 240}, QColor(192, 0, 0));

    c.exit = button(window, QStringLiteral("cmd_exit"), QStringLiteral("退出"), {9570, 210, 2025, 405});

    QGroupBox *clockFrame = frame(window, QStringLiteral("Frame2"), QStringLiteral("计时"), {6450, 60, 2445, 615});
    c.time = LayoutParts::clockLabel(clockFrame, QStringLiteral("00:00:00"), {360, 210, 1335, 285}, 15.75,
                                     QStringLiteral("00:00:00"));
    LayoutParts::clockParts(c, clockFrame, {1860, 180, 380, 360});

    c.tabs = tabs(window, QStringLiteral("SSTab1"), {60, 780, 11865, 5475},
                  {QStringLiteral("选择题"), QStringLiteral("填空题"), QStringLiteral("改错题"), QStringLiteral("编程题")});
    QWidget *choice = c.tabs->widget(0);
    LayoutParts::squares(c, choice, c.tabs, {420, 782, 1149, 1516, 1883, 2250, 2617, 2984, 3351, 3720}, 4950);

    QGroupBox *question = frame(choice, QStringLiteral("Frame1"), QStringLiteral("题目"), onTab(c.tabs, {210, 450, 11535, 4395}));
    c.title = LayoutParts::readingBox(question, QStringLiteral("Txt_ch_title"), {120, 270, 11265, 2445});
    const int textTops[4] = {2770, 3140, 3530, 3920};
    for (int k = 0; k < 4; ++k)
        LayoutParts::option(c, k, question, "Op1", 120, {400, textTops[k], 10875, 400});

    c.next = LayoutParts::smallButton(choice, QStringLiteral("Cmd_next"), QStringLiteral("下一题"), onTab(c.tabs, {6460, 5010, 1365, 315}));
    c.previous = LayoutParts::smallButton(choice, QStringLiteral("Cmd_pre"), QStringLiteral("上一题"), onTab(c.tabs, {8040, 5010, 1365, 315}));

    c.tasks[0] = taskTab(c.tabs, 1, "Frame4", QStringLiteral("填空题"), "Txt_blank", {150, 240, 8865, 4515}, "Frame7",
                         {QStringLiteral("cmd_blank_next"), QStringLiteral("cmd_blank_pre"), QStringLiteral("Cmd_blank_vc"),
                          QStringLiteral("Cmd_blank_check"), QStringLiteral("Lab_blank_file"), QStringLiteral("Lab_blank_recheck")});
    c.tasks[1] = taskTab(c.tabs, 2, "Frame5", QStringLiteral("改错题"), "Txt_err", {150, 270, 8865, 4455}, "Frame8",
                         {QStringLiteral("Cmd_err_next"), QStringLiteral("cmd_err_pre"), QStringLiteral("Cmd_err_vc"),
                          QStringLiteral("Cmd_err_check"), QStringLiteral("Lab_err_file"), QStringLiteral("Lab_err_recheck")});
    c.tasks[2] = taskTab(c.tabs, 3, "Frame6", QStringLiteral("编程题"), "Txt_pro", {120, 270, 8895, 4455}, "Frame9",
                         {QStringLiteral("Cmd_pro_next"), QStringLiteral("Cmd_pro_pre"), QStringLiteral("Cmd_pro_vc"),
                          QStringLiteral("Cmd_pro_check"), QStringLiteral("Lab_pro_file"), QStringLiteral("Lab_pro_recheck")});
    CaptionRoom::make(window);
    return c;
}
