#pragma once

#include <QWidget>

class QGroupBox;
class QListWidget;
class QuestionBank;
class QPushButton;
class RichTextBox;

// Chapter study: the chapter list, the study text of the chosen chapter, and the start of its
// unit exercise. Hidden, not unloaded, while the exercise runs, so it comes back as it was left.
class Frm_study : public QWidget
{
    Q_OBJECT
public:
    // bank: the open question bank the chapters and their exercises are read from.
    explicit Frm_study(QuestionBank &bank, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void List_item_Click();
    void Cmd_excer_Click();
    void cmd_exit_Click();
    void markExercisedChapters();

    QuestionBank &m_bank;
    QString m_chapterId;     // the chapter chosen, its two-character key ...
    QString m_chapterTitle;  // ... and its title
    QGroupBox *Frame_content;
    RichTextBox *Rtxt_content;
    QListWidget *List_item;
    QPushButton *Cmd_excer;
};
