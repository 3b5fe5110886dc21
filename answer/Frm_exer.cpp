#include "answer/Frm_exer.h"

#include "answer/AnsweringKeys.h"
#include "answer/WorkFolderLink.h"
#include "controls/ClickLabel.h"
#include "controls/Forms.h"
#include "controls/Navigation.h"
#include "controls/WindowKeys.h"
#include "paper/ExercisePaperLoad.h"
#include "answer/ExerciseWindowLayout.h"
#include "platform/MessageBox.h"
#include "state/Module1.h"
#include "workfiles/WorkFolders.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using namespace Module1;

namespace {

// A program tab's button array: element 0 pages forward, element 1 back.
void pageTask(TaskPaging &task, int index)
{
    if (index == 0)
        task.next();
    else
        task.previous();
}

}

// No close box: "结束练习" is the way out. A close request from elsewhere still asks as it does.
Frm_exer::Frm_exer(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint),
      c(layOutExerciseWindow(this)), sheet(ExercisePaper, c, 1)
{
    connect(c.next, &QPushButton::clicked, this, &Frm_exer::Cmd_next_Click);
    connect(c.previous, &QPushButton::clicked, this, &Frm_exer::Cmd_pre_Click);
    for (int i = 0; i < 4; ++i)
        connect(c.options[i], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    for (int i = 0; i < 10; ++i)
        connect(c.squares[i], &ClickLabel::clicked, this, [this, i] { Lab_tm_Click(i); });
    const std::array<void (Frm_exer::*)(int), 3> taskArrays = {&Frm_exer::Cmd_b_1_Click, &Frm_exer::Cmd_err_Click,
                                                                &Frm_exer::Cmd_pro_Click};
    for (int s = 0; s < 3; ++s) {
        const auto handler = taskArrays[s];
        connect(c.tasks[s].next, &QPushButton::clicked, this, [this, handler] { (this->*handler)(0); });
        connect(c.tasks[s].previous, &QPushButton::clicked, this, [this, handler] { (this->*handler)(1); });
    }
    connect(c.tasks[0].editor, &QPushButton::clicked, this, &Frm_exer::Command2_Click);
    connect(c.tasks[1].editor, &QPushButton::clicked, this, &Frm_exer::Command3_Click);
    connect(c.tasks[2].editor, &QPushButton::clicked, this, &Frm_exer::Command4_Click);
    connect(c.tasks[0].check, &QPushButton::clicked, this, &Frm_exer::Cmd_blank_check_Click);
    connect(c.tasks[1].check, &QPushButton::clicked, this, &Frm_exer::Cmd_err_check_Click);
    connect(c.tasks[2].check, &QPushButton::clicked, this, &Frm_exer::Cmd_pro_check_Click);
    connect(c.folder, &ClickLabel::clicked, this, &Frm_exer::Lab_exerpath_Click);
    connect(c.exit, &QPushButton::clicked, this, &Frm_exer::Command1_Click);
    connect(c.timer, &QTimer::timeout, this, &Frm_exer::Timer1_Timer);
    AnsweringKeys::bind(this, c)->press({QKeyCombination(Qt::Key_Escape)}, {c.exit});

    outcome.run([this] { Form_Load(); });
}

// The exercise clock is not reset here: it shows the exercise time of the whole run.
void Frm_exer::Form_Load()
{
    sheet.clearQuestion();
    exer_path = WorkFolders::ready(WorkKind::Exercise);
    WorkFolderLink::show(c.folder, exer_path, false);
    PaperLoader loader = ExercisePaperLoad::loader(conn.get(), chapter_id, ExercisePaper, exer_path);
    loader.empty();
    loader.clearFolder();
    sheet.fill(loader);
    outcome.setNotice(loader.overflowNotice(ExercisePaperLoad::setName));
}

void Frm_exer::setVisible(bool visible)
{
    outcome.setVisible(this, visible, QStringLiteral("单元练习"), [this](bool v) { QWidget::setVisible(v); },
                       [this] {
                           c.timer->stop();
                           Forms<Frm_exer>::unload();
                           Navigation::show(Window::Frm_study);
                       });
}

void Frm_exer::Cmd_next_Click()
{
    sheet.choices.next();
}

void Frm_exer::Cmd_pre_Click()
{
    sheet.choices.previous();
}

void Frm_exer::Option1_Click(int index)
{
    sheet.choices.optionClicked(index);
}

// Unlike the test window, a jump sets the two paging buttons from the square's place alone,
// whatever the number of questions loaded.
void Frm_exer::Lab_tm_Click(int index)
{
    sheet.choices.squareClicked(index);
    c.next->setEnabled(index != 9);
    c.previous->setEnabled(index != 0);
}

void Frm_exer::Cmd_b_1_Click(int index)
{
    pageTask(sheet.tasks[0], index);
}

void Frm_exer::Cmd_err_Click(int index)
{
    pageTask(sheet.tasks[1], index);
}

void Frm_exer::Cmd_pro_Click(int index)
{
    pageTask(sheet.tasks[2], index);
}

void Frm_exer::Command2_Click()
{
    sheet.tasks[0].openInEditor(exer_path);
}

void Frm_exer::Command3_Click()
{
    sheet.tasks[1].openInEditor(exer_path);
}

void Frm_exer::Command4_Click()
{
    sheet.tasks[2].openInEditor(exer_path);
}

void Frm_exer::Cmd_blank_check_Click()
{
    sheet.tasks[0].check(sheet.check, conn.get(), exer_path);
}

void Frm_exer::Cmd_err_check_Click()
{
    sheet.tasks[1].check(sheet.check, conn.get(), exer_path);
}

void Frm_exer::Cmd_pro_check_Click()
{
    sheet.tasks[2].check(sheet.check, conn.get(), exer_path);
}

void Frm_exer::Lab_exerpath_Click()
{
    WorkFolderLink::open(exer_path);
}

void Frm_exer::Command1_Click()
{
    const auto answer = MessageBox::show(this, QStringLiteral("是否结束单元练习？"), QStringLiteral("提示信息"),
                                         QMessageBox::Yes | QMessageBox::No, QMessageBox::Question);
    if (answer != QMessageBox::Yes)
        return;
    c.timer->stop();
    sheet.check.stop();
    Forms<Frm_exer>::unload();
    Navigation::show(Window::Frm_excer_over);
}

void Frm_exer::Timer1_Timer()
{
    ++exer_clock;
    sheet.clock.show(exer_clock);
}

// A close request (the desktop's close key, say) asks as "结束练习" does: the exercise ends only when
// the student says so, and then the review takes the window's place, so a window stays on screen.
void Frm_exer::closeEvent(QCloseEvent *event)
{
    event->ignore();
    Command1_Click();
}
