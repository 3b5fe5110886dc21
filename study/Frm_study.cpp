#include "study/Frm_study.h"

#include "controls/CaptionRoom.h"
#include "controls/Controls.h"
#include "controls/Forms.h"
#include "controls/Navigation.h"
#include "controls/Twips.h"
#include "controls/WindowKeys.h"
#include "controls/WindowSetup.h"
#include "data/BankError.h"
#include "platform/MessageBox.h"
#include "platform/RichTextBox.h"
#include "state/Module1.h"
#include "study/StudyWindow.h"
#include "workfiles/CleanUp.h"
#include "workfiles/WorkFileError.h"
#include "workfiles/WorkFolders.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

using namespace Module1;

Frm_study::Frm_study(QWidget *parent) : QWidget(parent)
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
    StudyWindow::fill(this, List_item, [] { return conn->chapterList(); });
}

void Frm_study::List_item_Click()
{
    const QString entry = StudyWindow::currentText(List_item);
    if (entry.isEmpty())
        return;
    Cmd_excer->setEnabled(true);
    Rtxt_content->setTextRTF({});
    Frame_content->setTitle(QStringLiteral("单元内容提要--") + entry.mid(3));
    chapter_id = entry.left(2);
    chapter_title = entry.mid(3);
    try {
        const RecordSet rows = conn->chapter(chapter_id, chapter_title);
        if (!rows.isEmpty() && rows.first().actualSize(QStringLiteral("content")) != 0)
            Rtxt_content->setTextRTF(rows.first().text(QStringLiteral("content")).toUtf8());
    } catch (const BankError &error) {
        StudyWindow::reportBankError(this, error);
    }
    Cmd_excer->setEnabled(true);
}

void Frm_study::Cmd_excer_Click()
{
    if (chapter_id.trimmed().isEmpty()) {
        MessageBox::show(this, QStringLiteral("请选择练习内容！"), QString(), QMessageBox::Ok, QMessageBox::NoIcon);
        return;
    }
    try {
        exer_path = WorkFolders::ready(WorkKind::Exercise);
        CleanUp::emptyFolderIfAny(WorkKind::Exercise, exer_path, {QStringLiteral("*.c"), QStringLiteral("*.cpp")});
    } catch (const WorkFileError &error) {
        MessageBox::show(this, QStringLiteral("练习文件夹无法清空，单元练习不能开始。\n\n%1").arg(error.message()),
                         QStringLiteral("信息提示"), QMessageBox::Ok, QMessageBox::Warning);
        return;
    }
    hide();
    Navigation::show(Window::Frm_exer);
}

void Frm_study::cmd_exit_Click()
{
    close();
}

void Frm_study::closeEvent(QCloseEvent *event)
{
    event->accept();
    Forms<Frm_study>::unload();
    Navigation::show(Window::Frm_login);
}
