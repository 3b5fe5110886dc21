#include "answer/ExerciseWindowLayout.h"

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

// One program tab: the task text beside a frame with the section's button array, "启动VC",
// "检查程序" and the name of the task's file.
AnsweringControls::TaskTab taskTab(QTabWidget *tabs, int page, const char *text, QRect textRect,
                                   const char *buttonFrame, const char *buttonArray, const char *editor,
                                   const char *check, const char *file, const char *recheck)
{
    QWidget *p = tabs->widget(page);
    QGroupBox *side = frame(p, QLatin1String(buttonFrame), {}, onTab(tabs, {9630, 390, 2115, 4695}));
    AnsweringControls::TaskTab tab = LayoutParts::taskButtons(
        side, {arrayName(buttonArray, 0), arrayName(buttonArray, 1), QLatin1String(editor), QLatin1String(check),
               QLatin1String(file), QLatin1String(recheck)},
        {QRect{330, 390, 1605, 405}, {330, 960, 1605, 405}, {330, 4110, 1605, 405}, {330, 3540, 1605, 405},
         {330, 2100, 1605, 690}, {30, 2820, 2055, 660}});
    tab.text = LayoutParts::readingBox(p, QLatin1String(text), onTab(tabs, textRect));
    return tab;
}

}

AnsweringControls layOutExerciseWindow(QWidget *window)
{
    AnsweringControls c;
    WindowSetup::setUp(window, QStringLiteral("Frm_exer"), QStringLiteral("智桥-C语言单元练习系统"), song(10.5),
                       twipsSize(12255, 6465));

    c.exit = button(window, QStringLiteral("Command1"), QStringLiteral("结束练习"), {10200, 210, 1695, 405});

    QGroupBox *clockFrame = frame(window, QStringLiteral("Frame1"), QStringLiteral("练习计时"), {7060, 60, 2325, 675});
    clockFrame->setFont(song(9));
    LayoutParts::clockParts(c, clockFrame, {1800, 150, 405, 435});
    c.time = LayoutParts::clockLabel(clockFrame, {}, {450, 210, 0, 0}, 18, QStringLiteral("0:00:00"));

    QGroupBox *folderFrame = frame(window, QStringLiteral("Frame2"), QStringLiteral("练习文件夹"), {90, 60, 4545, 735});
    folderFrame->setFont(song(9));
    c.folder = LayoutParts::folderLabel(folderFrame, QStringLiteral("Lab_exerpath"), {}, {120, 240, 4275, 375},
                                        QColor(0, 0, 192));

    QGroupBox *tabFrame = frame(window, QStringLiteral("Frame3"), {}, {30, 810, 12135, 5565});
    c.tabs = tabs(tabFrame, QStringLiteral("SSTab1"), {120, 120, 11895, 5295},
                  {QStringLiteral("选择题"), QStringLiteral("填空题"), QStringLiteral("改错题"), QStringLiteral("编程题")});
    QWidget *choice = c.tabs->widget(0);
    LayoutParts::squares(c, choice, c.tabs, {210, 585, 945, 1320, 1695, 2055, 2430, 2805, 3165, 3540}, 4860);

    QGroupBox *question = frame(choice, QStringLiteral("Frame5"), QStringLiteral("题目"), onTab(c.tabs, {210, 390, 11475, 2535}));
    c.title = LayoutParts::readingBox(question, QStringLiteral("Txt_title"), {180, 210, 11205, 2205});
    QGroupBox *options = frame(choice, QStringLiteral("Frame4"), QStringLiteral("选项"), onTab(c.tabs, {120, 2970, 11520, 1785}));
    const int textTops[4] = {240, 615, 1005, 1380};
    for (int k = 0; k < 4; ++k)
        LayoutParts::option(c, k, options, "Option1", 90, {390, textTops[k], 10995, 340});

    c.next = LayoutParts::smallButton(choice, QStringLiteral("Cmd_next"), QStringLiteral("下一题"), onTab(c.tabs, {5130, 4890, 1125, 285}));
    c.previous = LayoutParts::smallButton(choice, QStringLiteral("Cmd_pre"), QStringLiteral("上一题"), onTab(c.tabs, {6900, 4890, 1095, 285}));

    c.tasks[0] = taskTab(c.tabs, 1, "rTxt_blank", {150, 420, 9345, 4695}, "Frame6", "Cmd_b_1", "Command2",
                         "Cmd_blank_check", "Lab_blank_file", "Lab_blank_recheck");
    c.tasks[1] = taskTab(c.tabs, 2, "rTxt_err", {120, 420, 9375, 4695}, "Frame7", "Cmd_err", "Command3",
                         "Cmd_err_check", "Lab_err_file", "Lab_err_recheck");
    c.tasks[2] = taskTab(c.tabs, 3, "rTxt_pro", {90, 390, 9435, 4725}, "Frame8", "Cmd_pro", "Command4",
                         "Cmd_pro_check", "Lab_pro_file", "Lab_pro_recheck");
    CaptionRoom::make(window);
    return c;
}
