#pragma once

#include "review/ReviewPaging.h"

#include <QWidget>
#include <memory>

class EndChecks;
struct FinishedRun;
class QLabel;
class QPushButton;
class QTabWidget;
struct Paper;

// What the two review windows share: the controls of their four tabs, the positions they keep of
// their own, the paging of every tab over the paper they review, and the run's score with the
// checks its end owes. Each window builds its own controls into these, then adds its heading and
// its own way out.
class ReviewForm : public QWidget
{
    Q_OBJECT
protected:
    // paper: the run's, kept alive by the review; folder: the run's work folder.
    ReviewForm(std::shared_ptr<Paper> paper, QString folder, QWidget *parent, Qt::WindowFlags flags);

    // Wires the choice buttons and the six task buttons, once the window has built them.
    void connectPaging();
    // The keys: → / PageDown and ← / PageUp page the tab in front, Ctrl+Tab switches tabs, Esc
    // does what the exit button does and Ctrl+C copies the texts on show. The first focus is
    // the choice tab's "下一题", which leaves nothing.
    void bindKeys(QTabWidget *tabs, QPushButton *exit);
    // Below each program tab's frames, the line with the task's last "检查程序".
    void addCheckLines();
    // The load after the heading: every position back to 1 and question 1 of every tab on show.
    void loadTabs();
    // Lab_score right of the tabs: the run's score and time (seconds), then the checks of every
    // task changed since its last check, their verdicts filled in as they come.
    void showScore(QTabWidget *tabs, int seconds);
    // Shows choice question n under the heading without moving ch_no or the choice buttons.
    void showChoice(int n, const QString &heading);
    // The run as the learning record keeps it.
    virtual FinishedRun finishedRun() const = 0;
    // Puts the run into the learning record, once: when the end's checks are in, or when the
    // student leaves before they are (the verdicts in by then count).
    void recordOnce();

    ReviewPaging::ChoiceTab m_choice;
    ReviewPaging::TaskTab m_blank;
    ReviewPaging::TaskTab m_err;
    ReviewPaging::TaskTab m_pro;

private:
    void copyOnShow(QTabWidget *tabs);
    void choiceNext_Click();
    void choicePre_Click();
    void cmd_blank_next_Click();
    void cmd_blank_pre_Click();
    void Cmd_err_next_Click();
    void cmd_err_pre_Click();
    void Cmd_pro_next_Click();
    void Cmd_pro_pre_Click();

    void scoreChanged();

    std::shared_ptr<Paper> m_paper;
    QString m_folder;
    QTabWidget *m_tabs = nullptr;
    QLabel *m_score = nullptr;
    EndChecks *m_checks = nullptr;
    int m_seconds = 0;
    bool m_recorded = false;
    int ch_no = 1;
    int blank_no = 1;
    int err_no = 1;
    int pro_no = 1;
    QString chosen_line;
};
