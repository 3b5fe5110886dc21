#include "answer/Frm_test.h"

#include "answer/TestSetArt.h"
#include "controls/Controls.h"
#include "controls/Forms.h"
#include "controls/Navigation.h"
#include "controls/Twips.h"
#include "controls/WindowKeys.h"
#include "controls/WindowSetup.h"
#include "platform/Blanks.h"
#include "platform/MessageBox.h"
#include "state/Module1.h"
#include "workfiles/CleanUp.h"
#include "workfiles/WorkFileError.h"
#include "workfiles/WorkFolders.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Module1;

namespace {

const QStringList kSets = {QStringLiteral("第一套练习题"), QStringLiteral("第二套练习题"),
                           QStringLiteral("第三套练习题"), QStringLiteral("第四套练习题"),
                           QStringLiteral("第五套练习题")};

}

Frm_test::Frm_test(QWidget *parent) : QWidget(parent)
{
    WindowSetup::setUp(this, QStringLiteral("Frm_test"), QStringLiteral("智桥--C语言综合练习"), Controls::song(10.5),
                       twipsSize(8790, 5520));

    QLabel *background = Controls::label(this, QStringLiteral("Image_back"), {}, {0, 0, 8790, 5520});
    background->setGeometry(rect());

    QLabel *label = Controls::label(this, QStringLiteral("Label1"), QStringLiteral("选择题组"), {2820, 2580, 840, 210});
    label->setStyleSheet(QStringLiteral("color: #ffffff"));
    Controls::fitText(label);
    Com_group = new QComboBox(this);
    Com_group->setObjectName(QStringLiteral("Com_group"));
    Com_group->setGeometry(twipsRect(3750, 2520, 1905, 330));
    Com_group->setEditable(true);
    Com_group->setInsertPolicy(QComboBox::NoInsert);
    // What the student types is checked as typed; no completion turns a partial text into a set.
    Com_group->setCompleter(nullptr);
    Controls::fitText(Com_group);
    // Level with "退出": the two stand side by side.
    Cmd_start = Controls::button(this, QStringLiteral("Cmd_start"), QStringLiteral("开始"), {2610, 3810, 1485, 375});
    Cmd_end = Controls::button(this, QStringLiteral("Cmd_end"), QStringLiteral("退出"), {5400, 3810, 1485, 375});
    setTabOrder(Com_group, Cmd_start);
    setTabOrder(Cmd_start, Cmd_end);
    const QRect grouped = label->geometry().united(Com_group->geometry()).united(Cmd_start->geometry()).united(Cmd_end->geometry());
    background->setPixmap(TestSetArt::background(size(), grouped, WindowSetup::pixelRatio()));

    connect(Com_group, &QComboBox::activated, this, &Frm_test::Com_group_Click);
    connect(Cmd_start, &QPushButton::clicked, this, &Frm_test::Cmd_start_Click);
    connect(Cmd_end, &QPushButton::clicked, this, &Frm_test::Cmd_end_Click);
    auto *keys = new WindowKeys(this);
    keys->press({QKeyCombination(Qt::Key_Return)}, {Cmd_start});
    keys->press({QKeyCombination(Qt::Key_Escape)}, {Cmd_end});
    Com_group->setAccessibleName(label->text());
    Com_group->setFocus();

    Form_Load();
}

void Frm_test::Form_Load()
{
    Com_group->clear();
    Com_group->addItems(kSets);
    Com_group->setCurrentIndex(-1);
    Com_group->clearEditText();
}

void Frm_test::Com_group_Click(int index)
{
    group_no = index + 1;
}

void Frm_test::Cmd_start_Click()
{
    // The text field is editable; a typed text counts only when it names one of the five sets, so
    // a test never starts on a set that does not exist.
    const QString typed = trimBlanks(Com_group->currentText());
    const int entry = int(kSets.indexOf(typed));
    if (entry < 0) {
        MessageBox::show(this, QStringLiteral("请选择一组练习题!"), QStringLiteral("信息提示"), QMessageBox::Ok,
                         QMessageBox::Critical);
        return;
    }
    Com_group->setCurrentIndex(entry);
    Com_group_Click(entry);

    test_clock = 0;
    try {
        test_path = WorkFolders::ready(WorkKind::Test);
        CleanUp::emptyFolderIfAny(WorkKind::Test, test_path,
                                  {QStringLiteral("*.exe"), QStringLiteral("*.cpp"), QStringLiteral("*.c")});
    } catch (const WorkFileError &error) {
        MessageBox::show(this, QStringLiteral("无法开始综合练习。\n\n%1").arg(error.message()), QStringLiteral("信息提示"),
                         QMessageBox::Ok, QMessageBox::Critical);
        return;
    }
    hide();
    Navigation::show(Window::Frm_t_main);
}

void Frm_test::Cmd_end_Click()
{
    close();
}

// Leaving is never refused and asks nothing: the start screen comes back.
void Frm_test::closeEvent(QCloseEvent *event)
{
    event->accept();
    Forms<Frm_test>::unload();
    Navigation::show(Window::Frm_login);
}
