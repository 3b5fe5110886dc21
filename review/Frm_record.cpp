#include "review/Frm_record.h"

#include "controls/Controls.h"
#include "controls/Forms.h"
#include "controls/Navigation.h"
#include "controls/Twips.h"
#include "controls/WindowKeys.h"
#include "controls/WindowSetup.h"
#include "data/BankError.h"
#include "data/BankFile.h"
#include "data/QuestionBank.h"
#include "platform/Failure.h"
#include "platform/MessageBox.h"
#include "record/LearningRecord.h"
#include "record/RecordError.h"
#include "record/RecordLocation.h"
#include "review/RunListModel.h"
#include "review/ScoreChart.h"
#include "state/RunWindows.h"
#include "workfiles/WorkFileError.h"

#include <QCloseEvent>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// A list of a few columns fitted to their contents, the one at `stretched` taking the rest.
QTableWidget *table(const QString &name, const QStringList &headers, int stretched)
{
    auto *list = new QTableWidget(0, int(headers.size()));
    list->setObjectName(name);
    list->setHorizontalHeaderLabels(headers);
    list->verticalHeader()->hide();
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->horizontalHeader()->setSectionResizeMode(stretched, QHeaderView::Stretch);
    return list;
}

void addRow(QTableWidget *list, const QStringList &cells)
{
    const int row = list->rowCount();
    list->insertRow(row);
    for (int column = 0; column < cells.size(); ++column)
        list->setItem(row, column, new QTableWidgetItem(cells[column]));
}

QVBoxLayout *pageLayout(QTabWidget *tabs, int page)
{
    return new QVBoxLayout(tabs->widget(page));
}

QString openBankHash()
{
    try {
        return BankIdentity::of(BankFile::path()).hash;
    } catch (const BankError &) {
        return {}; // no bank: every notebook question is of another
    }
}

}

Frm_record::Frm_record(QuestionBank &bank, QWidget *parent) : QWidget(parent), m_bank(bank)
{
    WindowSetup::setUp(this, QStringLiteral("Frm_record"), QStringLiteral("学习记录"), Controls::song(9),
                       twipsSize(12000, 7800));

    SSTab1 = Controls::tabs(this, QStringLiteral("SSTab1"), {120, 120, 11760, 6900},
                            {QStringLiteral("全部记录"), QStringLiteral("各套与各单元"), QStringLiteral("成绩曲线"),
                             QStringLiteral("错题本")});
    List_runs = new QTableView;
    List_runs->setObjectName(QStringLiteral("List_runs"));
    List_runs->verticalHeader()->hide();
    List_runs->setSelectionBehavior(QAbstractItemView::SelectRows);
    List_runs->horizontalHeader()->setStretchLastSection(true);
    pageLayout(SSTab1, 0)->addWidget(List_runs);

    List_sets = table(QStringLiteral("List_sets"), {QStringLiteral("套题"), QStringLiteral("次数"), QStringLiteral("最好成绩")}, 0);
    List_chapters = table(QStringLiteral("List_chapters"), {QStringLiteral("单元"), QStringLiteral("已学习"),
                                                             QStringLiteral("练习次数"), QStringLiteral("最好成绩")}, 0);
    auto *progress = new QHBoxLayout;
    progress->addWidget(List_sets, 1);
    progress->addWidget(List_chapters, 2);
    pageLayout(SSTab1, 1)->addLayout(progress);

    Pic_chart = new ScoreChart;
    Pic_chart->setObjectName(QStringLiteral("Pic_chart"));
    pageLayout(SSTab1, 2)->addWidget(Pic_chart);

    List_notebook = table(QStringLiteral("List_notebook"), {QStringLiteral("题型"), QStringLiteral("题目"),
                                                             QStringLiteral("出自"), QStringLiteral("已答对")}, 1);
    Lab_notebook = new QLabel;
    Lab_notebook->setObjectName(QStringLiteral("Lab_notebook"));
    Lab_notebook->setWordWrap(true);
    Cmd_practice = new QPushButton(QStringLiteral("错题练习"));
    Cmd_practice->setObjectName(QStringLiteral("Cmd_practice"));
    auto *practiceRow = new QHBoxLayout;
    practiceRow->addWidget(Lab_notebook, 1);
    practiceRow->addWidget(Cmd_practice);
    QVBoxLayout *notebookPage = pageLayout(SSTab1, 3);
    notebookPage->addWidget(List_notebook);
    notebookPage->addLayout(practiceRow);

    Lab_file = Controls::label(this, QStringLiteral("Lab_file"), QString(), {120, 7140, 9900, 495});
    Lab_file->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Cmd_exit = Controls::button(this, QStringLiteral("Cmd_exit"), QStringLiteral("退出"), {10380, 7140, 1500, 495});

    connect(Cmd_practice, &QPushButton::clicked, this, &Frm_record::Cmd_practice_Click);
    connect(Cmd_exit, &QPushButton::clicked, this, &Frm_record::Cmd_exit_Click);
    auto *keys = new WindowKeys(this);
    keys->switchTabs(SSTab1);
    keys->run({QKeyCombination(Qt::Key_Escape)}, [this] { Cmd_exit_Click(); }, Cmd_exit);

    Form_Load();
}

void Frm_record::Form_Load()
{
    RecordSummary summary;
    QString movedAside;
    try {
        summary = LearningRecord::summary(openBankHash(), movedAside);
        Lab_file->setText(QStringLiteral("学习记录文件：%1").arg(QDir::toNativeSeparators(RecordLocation::file())));
    } catch (const RecordError &error) {
        Lab_file->setText(QStringLiteral("学习记录无法读取：%1（%2）")
                              .arg(error.message(), QDir::toNativeSeparators(RecordLocation::file())));
    }
    if (!movedAside.isEmpty())
        Lab_file->setText(QStringLiteral("学习记录文件已损坏，已改名为 %1 留在原处，并新建了学习记录。")
                              .arg(QDir::toNativeSeparators(movedAside)));
    List_runs->setModel(new RunListModel(summary.runs, List_runs));
    List_runs->horizontalHeader()->resizeSection(0, 130);
    List_runs->horizontalHeader()->resizeSection(2, 260);
    fillSets(summary);
    fillChapters(summary);
    Pic_chart->setRuns(summary.runs);
    fillNotebook(summary.notebook);
}

void Frm_record::fillSets(const RecordSummary &summary)
{
    QStringList sets = summary.sets.keys();
    std::sort(sets.begin(), sets.end(), [](const QString &a, const QString &b) { return a.toInt() < b.toInt(); });
    for (const QString &set : sets) {
        const RecordSummary::Best &best = summary.sets[set];
        addRow(List_sets, {best.title, QString::number(best.runs), QString::number(best.score)});
    }
}

void Frm_record::fillChapters(const RecordSummary &summary)
{
    RecordSet chapters;
    try {
        chapters = m_bank.chapterList();
    } catch (const BankError &) {
        // Without the bank's list the chapters are those of the record, by id.
    }
    QStringList ids;
    QHash<QString, QString> titles;
    for (const Record &row : chapters) {
        const QString id = row.text(QStringLiteral("id"));
        ids << id;
        titles[id] = id + QLatin1Char(' ') + row.text(QStringLiteral("title"));
    }
    QStringList recorded = summary.chapters.keys();
    std::sort(recorded.begin(), recorded.end());
    for (const QString &id : recorded)
        if (!titles.contains(id)) {
            ids << id;
            titles[id] = id;
        }
    for (const QString &id : ids) {
        const RecordSummary::Chapter chapter = summary.chapters.value(id);
        addRow(List_chapters, {titles[id], chapter.studied ? QStringLiteral("是") : QStringLiteral("否"),
                               QString::number(chapter.exercises),
                               chapter.exercises ? QString::number(chapter.best) : QStringLiteral("—")});
    }
}

void Frm_record::fillNotebook(const QList<Notebook::Entry> &entries)
{
    for (const Notebook::Entry &entry : entries) {
        addRow(List_notebook, {kindName(entry.kind), entry.summary,
                               QStringLiteral("%1 %2:%3").arg(entry.bankFile, entry.question.table).arg(entry.question.id),
                               QStringLiteral("%1/%2").arg(entry.rights).arg(Notebook::kRightsToLeave)});
        if (entry.inOpenBank)
            continue;
        const int row = List_notebook->rowCount() - 1;
        for (int column = 0; column < List_notebook->columnCount(); ++column) {
            QTableWidgetItem *item = List_notebook->item(row, column);
            item->setForeground(Qt::gray);
            item->setToolTip(QStringLiteral("出自另一个题库（%1），练习时不出这道题").arg(entry.bankFile));
        }
    }
    m_practice = Notebook::practice(entries);
    Lab_notebook->setText(entries.isEmpty()
                              ? QStringLiteral("错题本是空的：答错或未答的选择题、没有通过的程序题会记在这里。")
                              : QStringLiteral("错题本共 %1 题；一道题在以后的两次练习中都答对，就离开错题本。"
                                               "“错题练习”出其中本题库的 %2 题。")
                                    .arg(entries.size())
                                    .arg(m_practice.size()));
    Cmd_practice->setEnabled(!m_practice.isEmpty());
    // A disabled button says why it is off.
    if (entries.isEmpty())
        Cmd_practice->setToolTip(QStringLiteral("错题本是空的，没有要练习的题目"));
    else if (m_practice.isEmpty())
        Cmd_practice->setToolTip(QStringLiteral("错题本中的题目都出自别的题库，本题库中没有要练习的题目"));
    else
        Cmd_practice->setToolTip(QStringLiteral("在单元练习窗口中练习错题本中本题库的 %1 题").arg(m_practice.size()));
}

// The practice is answered and reviewed as a unit exercise is, in its folder; this window goes,
// to be read afresh with the practice recorded, and the practice's end brings the start screen back.
void Frm_record::Cmd_practice_Click()
{
    QString folder;
    try {
        folder = ExerciseRun::readyFolder();
    } catch (const WorkFileError &error) {
        MessageBox::show(this, QStringLiteral("练习文件夹无法清空，错题练习不能开始。\n\n%1").arg(error.message()),
                         QStringLiteral("信息提示"), QMessageBox::Ok, QMessageBox::Warning);
        return;
    }
    std::shared_ptr<ExerciseRun> run;
    try {
        run = ExerciseRun::startPractice(m_bank, m_practice, folder);
    } catch (const Failure &failure) {
        MessageBox::show(this, QStringLiteral("无法开始错题练习。\n\n%1").arg(failure.message()),
                         QStringLiteral("信息提示"), QMessageBox::Ok, QMessageBox::Critical);
        return;
    }
    Forms<Frm_record>::unload();
    RunWindows::answer(run);
}

void Frm_record::Cmd_exit_Click()
{
    close();
}

void Frm_record::closeEvent(QCloseEvent *event)
{
    event->accept();
    Forms<Frm_record>::unload();
    Navigation::show(Window::Frm_login);
}
