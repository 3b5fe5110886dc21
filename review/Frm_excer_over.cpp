#include "review/Frm_excer_over.h"

#include "controls/CaptionRoom.h"
#include "controls/ClickLabel.h"
#include "controls/Forms.h"
#include "controls/Navigation.h"
#include "data/BankError.h"
#include "data/BankFile.h"
#include "review/FinishedRuns.h"
#include "review/ReviewLayout.h"
#include "review/ReviewTexts.h"
#include "state/Runs.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

using namespace ReviewLayout;

Frm_excer_over::Frm_excer_over(std::shared_ptr<ExerciseRun> run, QWidget *parent)
    : ReviewForm(std::shared_ptr<Paper>(run, &run->ExercisePaper), run->exer_path, parent,
                 Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                     | Qt::WindowCloseButtonHint),
      m_run(run)
{
    setUpWindow(this, QStringLiteral("Frm_excer_over"),
                m_run->fromNotebook ? QStringLiteral("智桥-C语言错题练习[要点解析]") : QStringLiteral("智桥-C语言单元练习[要点解析]"));
    Lab_title = heading(this, QStringLiteral("单元练习：【】"));
    QPushButton *Command2 = exitButton(this, QStringLiteral("退出"));
    QTabWidget *SSTab1 = tabs(this);

    m_choice = choiceTab(page(SSTab1, ChoiceTab), {QStringLiteral("Frame1"), QStringLiteral("Txt_title"),
                                                   QStringLiteral("Frame4"), QStringLiteral("解析"),
                                                   QStringLiteral("rtxt_explain"), QStringLiteral("Command1"),
                                                   QStringLiteral("Command3")},
                         true);
    m_blank = sideBySideTab(page(SSTab1, BlankTab), {QStringLiteral("Frame2"), QStringLiteral("rTxt_blank_title"),
                                                     QStringLiteral("Frame3"), QStringLiteral("解析"),
                                                     QStringLiteral("rTxt_blank_explain"), QStringLiteral("cmd_blank_next"),
                                                     QStringLiteral("cmd_blank_pre")});
    m_err = sideBySideTab(page(SSTab1, ErrTab), {QStringLiteral("Frame5"), QStringLiteral("rTxt_err_title"),
                                                 QStringLiteral("Frame6"), QStringLiteral("解析"),
                                                 QStringLiteral("rTxt_err_explain"), QStringLiteral("Cmd_err_next"),
                                                 QStringLiteral("cmd_err_pre")});
    m_err.spacedHeading = true;
    // Unlike the test review, the programming tab shows no reference answer.
    m_pro = stackedTab(page(SSTab1, ProTab), {QStringLiteral("Frame7"), QStringLiteral("rTxt_pro_title"),
                                              QStringLiteral("Frame9"), QStringLiteral("题目解析"),
                                              QStringLiteral("rTxt_pro_explain"), QStringLiteral("Cmd_pro_next"),
                                              QStringLiteral("Cmd_pro_pre")});

    addCheckLines();
    CaptionRoom::make(this);
    connectPaging();
    connect(Command2, &QPushButton::clicked, this, &Frm_excer_over::Command2_Click);
    bindKeys(SSTab1, Command2);
    for (int i = 0; i < 10; ++i)
        connect(m_choice.squares[std::size_t(i)], &ClickLabel::clicked, this, [this, i] { Lab_tm_Click(i); });

    Form_Load();
    showScore(SSTab1, m_run->seconds);
}

void Frm_excer_over::Form_Load()
{
    Lab_title->setText(m_run->fromNotebook ? ReviewTexts::practiceHeading(m_run->chapterTitle)
                                           : ReviewTexts::unitHeading(m_run->chapterTitle));
    loadTabs();
}

void Frm_excer_over::Lab_tm_Click(int index)
{
    // A look at one question: ch_no and the two buttons stay where the buttons left them.
    const int k = index + 1;
    showChoice(k, QStringLiteral("(%1)").arg(k));
}

void Frm_excer_over::Command2_Click()
{
    close();
}

void Frm_excer_over::closeEvent(QCloseEvent *event)
{
    // Never cancelled: every way out leads back to the window the run was started from, the
    // chapter study window or, for a notebook practice, the start screen (the record window went).
    event->accept();
    recordOnce();
    Forms<Frm_excer_over>::unload();
    Navigation::show(m_run->fromNotebook ? Window::Frm_login : Window::Frm_study);
}

FinishedRun Frm_excer_over::finishedRun() const
{
    QString bank;
    try {
        bank = BankFile::path();
    } catch (const BankError &) {
        // The bank went from its place during the run: the run is kept without its hash.
    }
    return FinishedRuns::of(*m_run, BankIdentity::of(bank));
}
