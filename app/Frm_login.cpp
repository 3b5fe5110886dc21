#include "app/Frm_login.h"

#include "app/BadRowsNotice.h"
#include "app/LoginPictures.h"
#include "controls/Navigation.h"
#include "controls/Controls.h"
#include "controls/Twips.h"
#include "controls/WindowKeys.h"
#include "controls/WindowSetup.h"
#include "data/BankError.h"
#include "data/BankFile.h"
#include "data/BankOpen.h"
#include "platform/MessageBox.h"
#include "platform/ProgramEnd.h"
#include "state/Module1.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QMouseEvent>

#include <array>

namespace {

QLabel *picture(QWidget *parent, const char *name, const QString &caption, LoginArt::Picture art, QPoint at, qreal ratio)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAccessibleName(caption);
    // Tab and the arrow keys move a focus through the pictures; the focused one is framed.
    label->setFocusPolicy(Qt::StrongFocus);
    const QPixmap pixmap = LoginPictures::picture(art, ratio);
    label->setPixmap(pixmap);
    label->setGeometry(QRect(at, pixmap.deviceIndependentSize().toSize()));
    label->setFrameStyle(QFrame::NoFrame);
    label->setCursor(Qt::PointingHandCursor);
    label->setMouseTracking(true);
    return label;
}

// Tab and the arrow keys move the focus as Tab does; the window's activation or a click do not.
bool movedByKey(const QFocusEvent *event)
{
    return event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
}

}

Frm_login::Frm_login(QWidget *parent) : QWidget(parent)
{
    WindowSetup::setUp(this, QStringLiteral("Frm_login"), QStringLiteral("智桥辅导学习系统-C语言"), Controls::song(9),
                       twipsSize(10455, 6720));
    setMouseTracking(true);

    const qreal ratio = WindowSetup::pixelRatio();
    auto *background = new QLabel(this);
    background->setObjectName(QStringLiteral("Image_back"));
    background->setPixmap(LoginPictures::picture(LoginArt::Picture::Background, ratio));
    background->setGeometry(rect());
    background->setMouseTracking(true);
    background->setAttribute(Qt::WA_TransparentForMouseEvents);

    const int top = 262;
    const int gap = (width() - 4 * 150) / 5;
    Pic1 = picture(this, "Pic1", QStringLiteral("单元学习"), LoginArt::Picture::Study, {gap, top}, ratio);
    Pic2 = picture(this, "Pic2", QStringLiteral("经典算法"), LoginArt::Picture::Algorithms, {2 * gap + 150, top}, ratio);
    Pic3 = picture(this, "Pic3", QStringLiteral("综合练习"), LoginArt::Picture::Practice, {3 * gap + 300, top}, ratio);
    Pic4 = picture(this, "Pic4", QStringLiteral("退出系统"), LoginArt::Picture::Exit, {4 * gap + 450, top}, ratio);
    for (QLabel *pic : {Pic1, Pic2, Pic3, Pic4})
        pic->installEventFilter(this);
    bindKeys();
    // Form_Load follows the first paint: the student sees the screen before the bank is open.
}

void Frm_login::Form_Load()
{
    const QString path = BankFile::path();
    Module1::conn = openQuestionBank(path);
    BadRowsNotice::showWhenChecked(this, path, [this] { emit rowsChecked(); });
}

void Frm_login::bindKeys()
{
    auto *keys = new WindowKeys(this);
    const std::array<QLabel *, 4> pictures = {Pic1, Pic2, Pic3, Pic4};
    for (int k = 0; k < 4; ++k) {
        QLabel *pic = pictures[std::size_t(k)];
        keys->run({QKeyCombination(Qt::Key(Qt::Key_1 + k))}, [this, pic] { Pic_Click(pic); }, pic);
    }
    // The frame follows the keys whether or not the focus change is reported (it is not while
    // the window is still being activated).
    const auto frameFocus = [this] {
        if (auto *pic = qobject_cast<QLabel *>(focusWidget()))
            Pic_MouseMove(pic);
    };
    keys->run({QKeyCombination(Qt::Key_Right), QKeyCombination(Qt::Key_Down)}, [this, frameFocus] {
        focusNextChild();
        frameFocus();
    });
    keys->run({QKeyCombination(Qt::Key_Left), QKeyCombination(Qt::Key_Up)}, [this, frameFocus] {
        focusPreviousChild();
        frameFocus();
    });
    keys->run({QKeyCombination(Qt::Key_Return), QKeyCombination(Qt::Key_Space)}, [this, pictures] {
        // The framed picture: what is opened is always on show. With none framed, nothing.
        for (QLabel *pic : pictures)
            if (pic->frameShape() != QFrame::NoFrame) {
                Pic_Click(pic);
                return;
            }
    });
    keys->run({QKeyCombination(Qt::Key_Escape)}, [this] { close(); });
    Pic1->setFocus();
}

// Shown, at start or on coming back, with no picture framed: a frame appears where the pointer or
// a key puts it, never where the focus only happens to be.
void Frm_login::showEvent(QShowEvent *)
{
    Form_MouseMove();
}

void Frm_login::paintEvent(QPaintEvent *)
{
    if (!loadQueued) {
        loadQueued = true;
        // Queued: this paint reaches the screen first.
        QMetaObject::invokeMethod(this, &Frm_login::loadAfterFirstPaint, Qt::QueuedConnection);
    }
}

void Frm_login::loadAfterFirstPaint()
{
    try {
        Form_Load();
    } catch (const BankError &error) {
        MessageBox::show(this, QStringLiteral("题库打开失败，程序将退出。\n\n%1").arg(error.message()),
                         QStringLiteral("信息提示"), QMessageBox::Ok, QMessageBox::Critical);
        ProgramEnd::now(1);
        return;
    }
    emit loaded();
}

bool Frm_login::eventFilter(QObject *watched, QEvent *event)
{
    auto *pic = qobject_cast<QLabel *>(watched);
    if (!pic)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn && movedByKey(static_cast<QFocusEvent *>(event)))
        Pic_MouseMove(pic); // the keyboard's focus looks like the pointer's frame
    const bool mouse = event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonPress
                       || event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::MouseButtonDblClick;
    if (mouse && !Module1::conn)
        return true; // no activity before the bank is open
    if (event->type() == QEvent::MouseMove) {
        Pic_MouseMove(pic);
        return true; // not on to the window, whose own move clears every frame
    }
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton
        && pic->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint())) {
        Pic_Click(pic);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Frm_login::Pic_Click(QLabel *picture)
{
    if (!Module1::conn)
        return; // the keys, like the mouse, wait for the bank
    if (picture == Pic1)
        Pic1_Click();
    else if (picture == Pic2)
        Pic2_Click();
    else if (picture == Pic3)
        Pic3_Click();
    else
        Pic4_Click();
}

void Frm_login::mouseMoveEvent(QMouseEvent *)
{
    Form_MouseMove();
}

void Frm_login::Pic_MouseMove(QLabel *picture)
{
    for (QLabel *pic : {Pic1, Pic2, Pic3, Pic4}) {
        pic->setFrameStyle(pic == picture ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
        pic->setLineWidth(1);
    }
}

void Frm_login::Form_MouseMove()
{
    for (QLabel *pic : {Pic1, Pic2, Pic3, Pic4})
        pic->setFrameStyle(QFrame::NoFrame);
}

void Frm_login::Pic1_Click()
{
    hide();
    Navigation::show(Window::Frm_study);
}

void Frm_login::Pic2_Click()
{
    hide();
    Navigation::show(Window::Frm_jdsf);
}

void Frm_login::Pic3_Click()
{
    hide();
    Navigation::show(Window::Frm_test);
}

void Frm_login::Pic4_Click()
{
    confirmExit(QStringLiteral("信息提示"));
}

void Frm_login::closeEvent(QCloseEvent *event)
{
    if (confirmExit(QStringLiteral("提示信息")))
        event->accept();
    else
        event->ignore();
}

bool Frm_login::confirmExit(const QString &title)
{
    const auto answer = MessageBox::show(this, QStringLiteral("是否退出【C语言 智桥】系统？"), title,
                                         QMessageBox::Yes | QMessageBox::No, QMessageBox::Question);
    if (answer != QMessageBox::Yes)
        return false;
    Module1::conn.reset();
    ProgramEnd::now();
    return true;
}
