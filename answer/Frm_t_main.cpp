#include "answer/Frm_t_main.h"

#include "answer/AnsweringKeys.h"
#include "answer/TestWindowLayout.h"
#include "answer/WorkFolderLink.h"
#include "controls/ClickLabel.h"
#include "controls/Forms.h"
#include "controls/WindowKeys.h"
#include "platform/MessageBox.h"
#include "state/RunWindows.h"
#include "workfiles/WorkFolderLock.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

Frm_t_main::Frm_t_main(std::shared_ptr<TestRun> run, QWidget *parent)
    : QWidget(parent), m_run(std::move(run)), c(layOutTestWindow(this)), sheet(m_run->TestPaper, c, 2)
{
    connect(c.next, &QPushButton::clicked, this, &Frm_t_main::Cmd_next_Click);
    connect(c.previous, &QPushButton::clicked, this, &Frm_t_main::Cmd_pre_Click);
    for (int i = 0; i < 4; ++i)
        connect(c.options[i], &QRadioButton::clicked, this, [this, i] { Op1_Click(i); });
    for (int i = 0; i < 10; ++i)
        connect(c.squares[i], &ClickLabel::clicked, this, [this, i] { Lab_tm_Click(i); });
    connect(c.tasks[0].next, &QPushButton::clicked, this, &Frm_t_main::cmd_blank_next_Click);
    connect(c.tasks[0].previous, &QPushButton::clicked, this, &Frm_t_main::cmd_blank_pre_Click);
    connect(c.tasks[0].editor, &QPushButton::clicked, this, &Frm_t_main::Cmd_blank_vc_Click);
    connect(c.tasks[1].next, &QPushButton::clicked, this, &Frm_t_main::Cmd_err_next_Click);
    connect(c.tasks[1].previous, &QPushButton::clicked, this, &Frm_t_main::cmd_err_pre_Click);
    connect(c.tasks[1].editor, &QPushButton::clicked, this, &Frm_t_main::Cmd_err_vc_Click);
    connect(c.tasks[2].next, &QPushButton::clicked, this, &Frm_t_main::Cmd_pro_next_Click);
    connect(c.tasks[2].previous, &QPushButton::clicked, this, &Frm_t_main::Cmd_pro_pre_Click);
    connect(c.tasks[2].editor, &QPushButton::clicked, this, &Frm_t_main::Cmd_pro_vc_Click);
    connect(c.tasks[0].check, &QPushButton::clicked, this, &Frm_t_main::Cmd_blank_check_Click);
    connect(c.tasks[1].check, &QPushButton::clicked, this, &Frm_t_main::Cmd_err_check_Click);
    connect(c.tasks[2].check, &QPushButton::clicked, this, &Frm_t_main::Cmd_pro_check_Click);
    connect(c.folder, &ClickLabel::clicked, this, &Frm_t_main::Lab_path_Click);
    connect(c.exit, &QPushButton::clicked, this, &Frm_t_main::cmd_exit_Click);
    connect(c.timer, &QTimer::timeout, this, &Frm_t_main::Timer1_Timer);
    AnsweringKeys::bind(this, c)->run({QKeyCombination(Qt::Key_Escape)}, [this] { Form_KeyEscape(); }, c.exit);

    Form_Load();
}

Frm_t_main::~Frm_t_main()
{
    WorkFolderLock::release(WorkKind::Test);
}

void Frm_t_main::Form_Load()
{
    WorkFolderLink::show(c.folder, m_run->test_path, true);
    sheet.show(m_run->test_path);
}

void Frm_t_main::setVisible(bool visible)
{
    AnsweringSheet::setVisible(this, visible, m_run->notice, [this](bool v) { QWidget::setVisible(v); });
}

void Frm_t_main::Cmd_next_Click()
{
    sheet.choices.next();
}

void Frm_t_main::Cmd_pre_Click()
{
    sheet.choices.previous();
}

void Frm_t_main::Op1_Click(int index)
{
    sheet.choices.optionClicked(index);
}

void Frm_t_main::Lab_tm_Click(int index)
{
    // The next and previous buttons keep their state: only paging with them changes it.
    sheet.choices.squareClicked(index);
}

void Frm_t_main::cmd_blank_next_Click()
{
    sheet.tasks[0].next();
}

void Frm_t_main::cmd_blank_pre_Click()
{
    sheet.tasks[0].previous();
}

void Frm_t_main::Cmd_err_next_Click()
{
    sheet.tasks[1].next();
}

void Frm_t_main::cmd_err_pre_Click()
{
    sheet.tasks[1].previous();
}

void Frm_t_main::Cmd_pro_next_Click()
{
    sheet.tasks[2].next();
}

void Frm_t_main::Cmd_pro_pre_Click()
{
    sheet.tasks[2].previous();
}

void Frm_t_main::Cmd_blank_vc_Click()
{
    sheet.tasks[0].openInEditor(m_run->test_path);
}

void Frm_t_main::Cmd_err_vc_Click()
{
    sheet.tasks[1].openInEditor(m_run->test_path);
}

void Frm_t_main::Cmd_pro_vc_Click()
{
    sheet.tasks[2].openInEditor(m_run->test_path);
}

void Frm_t_main::Cmd_blank_check_Click()
{
    sheet.tasks[0].check(sheet.check, m_run->test_path);
}

void Frm_t_main::Cmd_err_check_Click()
{
    sheet.tasks[1].check(sheet.check, m_run->test_path);
}

void Frm_t_main::Cmd_pro_check_Click()
{
    sheet.tasks[2].check(sheet.check, m_run->test_path);
}

void Frm_t_main::Lab_path_Click()
{
    WorkFolderLink::open(m_run->test_path);
}

void Frm_t_main::cmd_exit_Click()
{
    close();
}

// Esc asks first: one typed too many (after closing the result window, say) must not end the test.
// The exit button itself ends it at once.
void Frm_t_main::Form_KeyEscape()
{
    const auto answer = MessageBox::show(this, QStringLiteral("是否结束本次测试？"), QStringLiteral("提示信息"),
                                         QMessageBox::Yes | QMessageBox::No, QMessageBox::Question, QMessageBox::No);
    if (answer == QMessageBox::Yes)
        close();
}

void Frm_t_main::Timer1_Timer()
{
    ++m_run->test_clock;
    sheet.clock.show(m_run->test_clock);
}

// Ending the test is never refused: the window goes and the review of this paper opens.
void Frm_t_main::closeEvent(QCloseEvent *event)
{
    event->accept();
    c.timer->stop();
    sheet.stop();
    Forms<Frm_t_main>::unload();
    RunWindows::review(m_run);
}
