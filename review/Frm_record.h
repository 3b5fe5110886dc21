#pragma once

#include "record/Notebook.h"
#include "record/RecordReader.h"

#include <QWidget>

class QLabel;
class QuestionBank;
class QPushButton;
class QTabWidget;
class QTableView;
class QTableWidget;
class ScoreChart;

// The learning record, opened from the start screen: every recorded run, the best score of each
// test set, each chapter's progress, the scores over time, and the wrong-answer notebook with its
// practice. It only reads the record; closing it brings the start screen back, and so does the
// end of the practice it starts.
class Frm_record : public QWidget
{
    Q_OBJECT
public:
    // bank: the open bank, for the chapters' titles.
    explicit Frm_record(QuestionBank &bank, QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void fillSets(const RecordSummary &summary);
    void fillChapters(const RecordSummary &summary);
    void fillNotebook(const QList<Notebook::Entry> &entries);
    void Cmd_practice_Click();
    void Cmd_exit_Click();

    QTabWidget *SSTab1;
    QTableView *List_runs;
    QTableWidget *List_sets;
    QTableWidget *List_chapters;
    ScoreChart *Pic_chart;
    QTableWidget *List_notebook;
    QLabel *Lab_notebook;
    QPushButton *Cmd_practice;
    QLabel *Lab_file;
    QPushButton *Cmd_exit;
    QuestionBank &m_bank;
    QuestionPick m_practice;
};
