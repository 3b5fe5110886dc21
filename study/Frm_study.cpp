#include "study/Frm_study.h"

#include "controls/CaptionRoom.h"
#include "controls/Controls.h"
#include "controls/Forms.h"
#include "controls/Navigation.h"
#include "controls/Twips.h"
#include "controls/WindowKeys.h"
#include "controls/WindowSetup.h"
#include "data/BankError.h"
#include "data/QuestionBank.h"
#include "platform/MessageBox.h"
#include "platform/RichTextBox.h"
#include "record/LearningRecord.h"
#include "state/RunWindows.h"
#include "study/StudyWindow.h"
#include "workfiles/WorkFileError.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

namespace {

// A green tick before a chapter whose unit exercise was done, room for one before the others, so
// the titles stay in line; the entries' texts stay as they are.
QIcon exerciseMark(bool done)
{
    QPixmap tick(16, 16);
    tick.fill(Qt::transparent);
    if (!done)
        return QIcon(tick);
    QPainter painter(&tick);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 150, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF{{3, 8.5}, {6.5, 12}, {13, 4}});
    return QIcon(tick);
}

}

Frm_study::Frm_study(QuestionBank &bank, QWidget *parent) : QWidget(parent), m_bank(bank)
{
    WindowSetup::setUp(this, QStringLiteral("Frm_study"), QStringLiteral("单元学习指导"), Controls::song(9),
                       twipsSize(11835, 7080));

    QGroupBox *Frame1 = Controls::frame(this, QStringLiteral("Frame1"), QStringLiteral("单元列表"), {120, 60, 3375, 6930});
    List_item = StudyWindow::listBox(Frame1, QStringLiteral("List_item"), {120, 270, 3135, 5760});
    Cmd_excer = Controls::button(Frame1, QStringLiteral("Cmd_excer"), QStringLiteral("单元练习"), {120, 6180, 1500, 495});
    QPushButton *cmd_exit = Controls::button(Frame1, QStringLiteral("cmd_exit"), QStringLiteral("退出"), {1755, 6180, 1500, 495});

    Frame_content = Controls::frame(this, QStringLiteral("Frame_content"), QStringLiteral("单元学习指导"),
                                    {3615, 60, 8100, 6930});
    Rtxt_content = StudyWindow::richTextBox(Frame_content, QStringLiteral("Rtxt_content"), {120, 270, 7860, 6540});

    CaptionRoom::make(this);

    connect(List_item, &QListWidget::itemSelectionChanged, this, &Frm_study::List_item_Click);
    connect(Cmd_excer, &QPushButton::clicked, this, &Frm_study::Cmd_excer_Click);
    connect(cmd_exit, &QPushButton::clicked, this, &Frm_study::cmd_exit_Click);
    StudyWindow::bindKeys(this, List_item, Rtxt_content, cmd_exit)->press({QKeyCombination(Qt::Key_Return)}, {Cmd_excer});

    Form_Load();
}

void Frm_study::Form_Load()
{
    Cmd_excer->setEnabled(false);
    StudyWindow::fill(this, List_item, [this] { return m_bank.chapterList(); });
}

void Frm_study::List_item_Click()
{
    const QString entry = StudyWindow::currentText(List_item);
    if (entry.isEmpty())
        return;
    Cmd_excer->setEnabled(true);
    Rtxt_content->setTextRTF({});
    Frame_content->setTitle(QStringLiteral("单元内容提要--") + entry.mid(3));
    m_chapterId = entry.left(2);
    m_chapterTitle = entry.mid(3);
    LearningRecord::markStudied(m_chapterId);
    try {
        const RecordSet rows = m_bank.chapter(m_chapterId, m_chapterTitle);
        if (!rows.isEmpty() && rows.first().actualSize(QStringLiteral("content")) != 0)
            Rtxt_content->setTextRTF(rows.first().text(QStringLiteral("content")).toUtf8());
    } catch (const BankError &error) {
        StudyWindow::reportBankError(this, error);
    }
    Cmd_excer->setEnabled(true);
}

void Frm_study::Cmd_excer_Click()
{
    if (m_chapterId.trimmed().isEmpty()) {
        MessageBox::show(this, QStringLiteral("请选择练习内容！"), QString(), QMessageBox::Ok, QMessageBox::NoIcon);
        return;
    }
    QString folder;
    try {
        folder = ExerciseRun::readyFolder();
    } catch (const WorkFileError &error) {
        MessageBox::show(this, QStringLiteral("练习文件夹无法清空，单元练习不能开始。\n\n%1").arg(error.message()),
                         QStringLiteral("信息提示"), QMessageBox::Ok, QMessageBox::Warning);
        return;
    }
    std::shared_ptr<ExerciseRun> run;
    try {
        run = ExerciseRun::start(m_bank, m_chapterId, m_chapterTitle, folder);
    } catch (const Failure &failure) {
        // Nothing has changed hands: the student stays here and may try again.
        MessageBox::show(this, QStringLiteral("无法开始单元练习。\n\n%1").arg(failure.message()),
                         QStringLiteral("信息提示"), QMessageBox::Ok, QMessageBox::Critical);
        return;
    }
    hide();
    RunWindows::answer(run);
}

void Frm_study::cmd_exit_Click()
{
    close();
}

void Frm_study::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    markExercisedChapters(); // again when the exercise's review hands back
}

void Frm_study::markExercisedChapters()
{
    const QSet<QString> done = LearningRecord::exercisedChapters();
    const QIcon marks[] = {exerciseMark(false), exerciseMark(true)};
    for (int row = 0; row < List_item->count(); ++row) {
        QListWidgetItem *item = List_item->item(row);
        const bool exercised = done.contains(item->text().left(2));
        item->setIcon(marks[exercised]);
        item->setToolTip(exercised ? QStringLiteral("本单元的练习已做过") : QString());
    }
}

void Frm_study::closeEvent(QCloseEvent *event)
{
    event->accept();
    Forms<Frm_study>::unload();
    Navigation::show(Window::Frm_login);
}
