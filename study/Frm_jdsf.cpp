#include "study/Frm_jdsf.h"

#include "controls/CaptionRoom.h"
#include "controls/Controls.h"
#include "controls/Forms.h"
#include "controls/Navigation.h"
#include "controls/Twips.h"
#include "controls/WindowSetup.h"
#include "data/BankError.h"
#include "platform/RichTextBox.h"
#include "state/Module1.h"
#include "study/StudyWindow.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

using namespace Module1;

Frm_jdsf::Frm_jdsf(QWidget *parent) : QWidget(parent)
{
    WindowSetup::setUp(this, QStringLiteral("Frm_jdsf"), QStringLiteral("C语言 智桥 -经典算法"), Controls::song(9),
                       twipsSize(11040, 6510));

    QGroupBox *Frame1 = Controls::frame(this, QStringLiteral("Frame1"), QStringLiteral("算法列表"), {120, 60, 4335, 6360});
    List1 = StudyWindow::listBox(Frame1, QStringLiteral("List1"), {120, 270, 4095, 5250});
    QPushButton *cmd_exit = Controls::button(Frame1, QStringLiteral("cmd_exit"), QStringLiteral("退出"), {1440, 5670, 1455, 495});

    QGroupBox *Frame2 = Controls::frame(this, QStringLiteral("Frame2"), QStringLiteral("算法描述"), {4575, 60, 6345, 6360});
    Rtxt_content = StudyWindow::richTextBox(Frame2, QStringLiteral("Rtxt_content"), {120, 270, 6105, 5970});

    CaptionRoom::make(this);

    connect(List1, &QListWidget::itemSelectionChanged, this, &Frm_jdsf::List1_Click);
    connect(cmd_exit, &QPushButton::clicked, this, &Frm_jdsf::cmd_exit_Click);
    StudyWindow::bindKeys(this, List1, Rtxt_content, cmd_exit);

    Form_Load();
}

void Frm_jdsf::Form_Load()
{
    StudyWindow::fill(this, List1, [] { return conn->algorithmList(); });
}

void Frm_jdsf::List1_Click()
{
    const QString key = StudyWindow::currentText(List1).trimmed().left(2);
    try {
        // No match keeps the description on show; an empty content shows an empty box.
        const RecordSet rows = conn->algorithm(key);
        if (!rows.isEmpty())
            Rtxt_content->setTextRTF(rows.first().text(QStringLiteral("content")).toUtf8());
    } catch (const BankError &error) {
        StudyWindow::reportBankError(this, error);
    }
}

void Frm_jdsf::cmd_exit_Click()
{
    close();
}

void Frm_jdsf::closeEvent(QCloseEvent *event)
{
    event->accept();
    Forms<Frm_jdsf>::unload();
    Navigation::show(Window::Frm_login);
}
