#include "answer/Frm_exer.h"

#include "answer/AnsweringKeys.h"
#include "answer/WorkFolderLink.h"
#include "answer/ExerciseWindowLayout.h"
#include "controls/ClickLabel.h"
#include "controls/Forms.h"
#include "controls/WindowKeys.h"
#include "platform/MessageBox.h"
#include "state/Runs.h"
#include "state/ExerciseClock.h"
#include "state/RunWindows.h"
#include "workfiles/WorkFolderLock.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

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
Frm_exer::Frm_exer(std::shared_ptr<ExerciseRun> run, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint),
      m_run(std::move(run)), c(layOutExerciseWindow(this)), sheet(m_run->ExercisePaper, c, 1)
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

    Form_Load();
}

// The exercise clock is not reset here: it shows the exercise time of the whole program run.
Frm_exer::~Frm_exer()
{
    WorkFolderLock::release(WorkKind::Exercise);
}

void Frm_exer::Form_Load()
{
    if (m_run->fromNotebook)
        setWindowTitle(QStringLiteral("智桥-C语言错题练习系统"));
    WorkFolderLink::show(c.folder, m_run->exer_path, false);
    sheet.show(m_run->exer_path);
}

void Frm_exer::setVisible(bool visible)
{
    AnsweringSheet::setVisible(this, visible, m_run->notice, [this](bool v) { QWidget::setVisible(v); });
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
    sheet.tasks[0].openInEditor(m_run->exer_path);
}

void Frm_exer::Command3_Click()
{
    sheet.tasks[1].openInEditor(m_run->exer_path);
}

void Frm_exer::Command4_Click()
{
    sheet.tasks[2].openInEditor(m_run->exer_path);
}

void Frm_exer::Cmd_blank_check_Click()
{
    sheet.tasks[0].check(sheet.check, m_run->exer_path);
}

void Frm_exer::Cmd_err_check_Click()
{
    sheet.tasks[1].check(sheet.check, m_run->exer_path);
}

void Frm_exer::Cmd_pro_check_Click()
{
    sheet.tasks[2].check(sheet.check, m_run->exer_path);
}

void Frm_exer::Lab_exerpath_Click()
{
    WorkFolderLink::open(m_run->exer_path);
}

void Frm_exer::Command1_Click()
{
    const QString question = m_run->fromNotebook ? QStringLiteral("是否结束错题练习？") : QStringLiteral("是否结束单元练习？");
    const auto answer = MessageBox::show(this, question, QStringLiteral("提示信息"), QMessageBox::Yes | QMessageBox::No,
                                         QMessageBox::Question);
    if (answer != QMessageBox::Yes)
        return;
    c.timer->stop();
    sheet.stop();
    Forms<Frm_exer>::unload();
    RunWindows::review(m_run);
}

void Frm_exer::Timer1_Timer()
{
    ++m_run->seconds;
    sheet.clock.show(++ExerciseClock::exer_clock);
}

// A close request (the desktop's close key, say) asks as "结束练习" does: the exercise ends only when
// the student says so, and then the review takes the window's place, so a window stays on screen.
void Frm_exer::closeEvent(QCloseEvent *event)
{
    event->ignore();
    Command1_Click();
}
