#include "review/Frm_t_over.h"

#include "controls/CaptionRoom.h"
#include "controls/ClickLabel.h"
#include "controls/Forms.h"
#include "controls/Navigation.h"
#include "data/BankError.h"
#include "data/BankFile.h"
#include "platform/MessageBox.h"
#include "review/FinishedRuns.h"
#include "review/ReviewLayout.h"
#include "review/ReviewTexts.h"
#include "state/Runs.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

using namespace ReviewLayout;

Frm_t_over::Frm_t_over(std::shared_ptr<TestRun> run, QWidget *parent)
    : ReviewForm(std::shared_ptr<Paper>(run, &run->TestPaper), run->test_path, parent,
                 Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_run(run)
{
    setUpWindow(this, QStringLiteral("Frm_t_over"), QStringLiteral("智桥-C语言综合练习系统"));
    Lab_title = heading(this, QStringLiteral("题组号："));
    QPushButton *Command2 = exitButton(this, QStringLiteral("退出综合练习"));
    QTabWidget *SSTab1 = tabs(this);

    m_choice = choiceTab(page(SSTab1, ChoiceTab), {QStringLiteral("Frame1"), QStringLiteral("Txt_ch_title"),
                                                   QStringLiteral("Frame2"), QStringLiteral("题目解析"),
                                                   QStringLiteral("Txt_ch_explain"), QStringLiteral("Cmd_ch_next"),
                                                   QStringLiteral("Cmd_ch_pre")},
                         false);
    m_blank = sideBySideTab(page(SSTab1, BlankTab), {QStringLiteral("Frame3"), QStringLiteral("Txt_blank_title"),
                                                     QStringLiteral("Frame4"), QStringLiteral("题目解析"),
                                                     QStringLiteral("Txt_blank_explain"), QStringLiteral("cmd_blank_next"),
                                                     QStringLiteral("cmd_blank_pre")});
    m_err = sideBySideTab(page(SSTab1, ErrTab), {QStringLiteral("Frame5"), QStringLiteral("Txt_err_title"),
                                                 QStringLiteral("Frame6"), QStringLiteral("题目解析"),
                                                 QStringLiteral("Txt_err_explain"), QStringLiteral("Cmd_err_next"),
                                                 QStringLiteral("cmd_err_pre")});
    m_err.spacedHeading = true;

    // The programming tab adds the reference answer below the task.
    QWidget *pro = page(SSTab1, ProTab);
    m_pro.title = framedBox(pro, QStringLiteral("Frame7"), QStringLiteral("题目"), QStringLiteral("Txt_pro_title"), kUpperLeft);
    m_pro.answer = framedBox(pro, QStringLiteral("Frame8"), QStringLiteral("参考答案"),
                             QStringLiteral("Txt_pro_answer"), kLowerLeft);
    m_pro.explain = framedBox(pro, QStringLiteral("Frame9"), QStringLiteral("题目解析"),
                              QStringLiteral("Txt_pro_explain"), kRight);
    m_pro.next = nextButton(pro, QStringLiteral("Cmd_pro_next"));
    m_pro.pre = preButton(pro, QStringLiteral("Cmd_pro_pre"));

    addCheckLines();
    CaptionRoom::make(this);
    connectPaging();
    connect(Command2, &QPushButton::clicked, this, &Frm_t_over::Command2_Click);
    bindKeys(SSTab1, Command2);

    Form_Load();
    showScore(SSTab1, m_run->test_clock);
}

void Frm_t_over::Form_Load()
{
    Lab_title->setText(ReviewTexts::testHeading(m_run->group));
    loadTabs();
}

void Frm_t_over::Command2_Click()
{
    const auto answer = MessageBox::show(this, QStringLiteral("退出测试系统?"), QStringLiteral("信息提示"),
                                         QMessageBox::Yes | QMessageBox::No, QMessageBox::Question);
    if (answer != QMessageBox::Yes)
        return;
    recordOnce();
    Forms<Frm_t_over>::unload();
    Navigation::show(Window::Frm_login);
}

void Frm_t_over::closeEvent(QCloseEvent *event)
{
    // The window has no close box: the confirmed exit button is the only way back.
    event->ignore();
}

FinishedRun Frm_t_over::finishedRun() const
{
    QString bank;
    try {
        bank = BankFile::path();
    } catch (const BankError &) {
        // The bank went from its place during the run: the run is kept without its hash.
    }
    return FinishedRuns::of(*m_run, BankIdentity::of(bank));
}
