// Every window as it stands at its layout positions, with Qt's fonts, caption type and tab bars:
// no control under a frame's caption or a tab bar or out of its frame, page or window; the option
// rows alike; no text wider than its control; and the test set window's art framing its controls.

#include "answer/AnswerWindows.h"
#include "answer/Frm_exer.h"
#include "answer/Frm_t_main.h"
#include "answer/Frm_test.h"
#include "app/Frm_login.h"
#include "app/Startup.h"
#include "controls/Forms.h"
#include "review/Frm_excer_over.h"
#include "review/Frm_t_over.h"
#include "study/Frm_jdsf.h"
#include "study/Frm_study.h"
#include "support/AppFixture.h"
#include "support/TestBank.h"
#include "workfiles/WorkFolders.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QtTest>

namespace {

QList<QWidget *> controlsOf(QWidget *container)
{
    QList<QWidget *> controls = container->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    controls.removeIf([](QWidget *w) { return w->isWindow(); });
    return controls;
}

// A work folder path of any length shows whole in its tool tip; its label may run past the frame.
bool isFolderLabel(const QWidget *w)
{
    return w->objectName() == u"Lab_path" || w->objectName() == u"Lab_exerpath";
}

QString where(const QWidget *w)
{
    return w->window()->objectName() + u'/' + w->objectName();
}

// What the controls of a container may cover: a frame's inside below its caption, a page or a
// window entire.
QRect roomOf(QWidget *container)
{
    if (auto *frame = qobject_cast<QGroupBox *>(container)) {
        const int top = frame->title().isEmpty() ? 1 : frame->fontMetrics().height();
        return frame->rect().adjusted(1, top, -1, -1);
    }
    return container->rect();
}

void checkText(QWidget *w, QStringList &faults)
{
    QString text;
    int padding = 0;
    if (auto *label = qobject_cast<QLabel *>(w); label && label->pixmap().isNull())
        text = label->text();
    else if (auto *button = qobject_cast<QAbstractButton *>(w))
        text = button->text(), padding = 8;
    else if (auto *frame = qobject_cast<QGroupBox *>(w))
        text = frame->title();
    if (text.isEmpty() || isFolderLabel(w))
        return;
    const QFontMetrics metrics(w->font());
    if (metrics.horizontalAdvance(text) + padding > w->width() || metrics.height() > w->height() + 4)
        faults << QStringLiteral("%1 clips \"%2\"").arg(where(w), text);
}

void checkInside(QWidget *container, QStringList &faults)
{
    const QRect room = roomOf(container);
    for (QWidget *w : controlsOf(container)) {
        const QRect g = w->geometry();
        const bool fits = isFolderLabel(w) ? g.top() >= room.top() && g.bottom() <= room.bottom() : room.contains(g);
        if (!fits)
            faults << QStringLiteral("%1 at (%2,%3 %4x%5) out of (%6,%7 %8x%9)")
                          .arg(where(w))
                          .arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height())
                          .arg(room.x()).arg(room.y()).arg(room.width()).arg(room.height());
        checkText(w, faults);
        if (auto *tabs = qobject_cast<QTabWidget *>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i); // a page is laid out when it comes to the front
                QApplication::processEvents();
                checkInside(tabs->widget(i), faults);
            }
            tabs->setCurrentIndex(0);
        } else if (qobject_cast<QGroupBox *>(w)) {
            checkInside(w, faults);
        }
    }
}

// A line of the band's light edge in the art, from (x, y) stepping by (dx, dy) to the border.
bool edgeAlong(const QImage &art, qreal ratio, QPoint from, QPoint step)
{
    for (QPoint p = from; QRect(QPoint(), art.deviceIndependentSize().toSize()).contains(p); p += step) {
        if (art.pixelColor(p * ratio).green() > 150)
            return true;
    }
    return false;
}

} // namespace

class TestWindowLayouts : public QObject
{
    Q_OBJECT

    TestBank m_bank;

private slots:
    void initTestCase()
    {
        Startup::prepare(*qApp); // the program's fonts: the layouts must hold for them
        m_bank.addChapter(QStringLiteral("01"), QStringLiteral("概述"), QStringLiteral("{\\rtf1 text}"));
        m_bank.addAlgorithm(QStringLiteral("01"), QStringLiteral("冒泡排序"), QStringLiteral("{\\rtf1 text}"));
        for (int i = 1; i <= 10; ++i) {
            m_bank.addTestChoice(1, QStringLiteral("题%1").arg(i));
            m_bank.addExerciseChoice(QStringLiteral("01"), QStringLiteral("题%1").arg(i));
        }
    }

    // Each window, the buttons in it that stand side by side, and the name of its option buttons.
    void controlsFitTheirWindow_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("level");
        QTest::addColumn<QString>("option");
        QTest::newRow("Frm_login") << "Frm_login" << QStringList() << QString();
        QTest::newRow("Frm_study") << "Frm_study" << QStringList() << QString();
        QTest::newRow("Frm_jdsf") << "Frm_jdsf" << QStringList() << QString();
        QTest::newRow("Frm_test") << "Frm_test" << QStringList{"Cmd_start", "Cmd_end"} << QString();
        QTest::newRow("Frm_t_main") << "Frm_t_main" << QStringList{"Cmd_next", "Cmd_pre"} << "Op1";
        QTest::newRow("Frm_exer") << "Frm_exer" << QStringList{"Cmd_next", "Cmd_pre"} << "Option1";
        QTest::newRow("Frm_t_over") << "Frm_t_over" << QStringList() << QString();
        QTest::newRow("Frm_excer_over") << "Frm_excer_over" << QStringList() << QString();
    }

    // No control under a frame's caption or a tab bar or out of its room, no caption clipped;
    // a button as short as a layout height may be clips the foot of its caption, so the caption's
    // line fits inside each button's frame; buttons side by side stand level, and the four
    // option rows look alike.
    void controlsFitTheirWindow()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, level);
        QFETCH(QString, option);
        AppFixture app(m_bank);
        QWidget *w = show(window);
        QStringList faults;
        checkInside(w, faults);
        for (QPushButton *button : w->findChildren<QPushButton *>()) {
            QStyleOptionButton style;
            style.initFrom(button);
            style.text = button->text();
            const int inside = button->style()->subElementRect(QStyle::SE_PushButtonContents, &style, button).height();
            if (inside < button->fontMetrics().height())
                faults << QStringLiteral("%1 holds %2 px of a %3 px line").arg(where(button)).arg(inside).arg(button->fontMetrics().height());
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
        const auto geometry = [w](const QString &name) { return w->findChild<QWidget *>(name)->geometry(); };
        if (!level.isEmpty()) {
            const QRect a = geometry(level[0]), b = geometry(level[1]);
            QCOMPARE(std::pair(a.top(), a.height()), std::pair(b.top(), b.height()));
        }
        const auto row = [&](int k) {
            const QRect text = geometry(QStringLiteral("ch_text(%1)").arg(k));
            const QRect button = geometry(QStringLiteral("%1(%2)").arg(option).arg(k));
            return std::tuple(text.size(), button.size(), button.center().y() - text.center().y(), button.x(), text.x());
        };
        for (int k = 1; !option.isEmpty() && k < 4; ++k)
            QCOMPARE(row(k), row(0));
    }

    void testSetArtFramesEveryControlItGroups()
    {
        AppFixture app(m_bank);
        QWidget *w = show(QStringLiteral("Frm_test"));
        const QPixmap pixmap = w->findChild<QLabel *>(QStringLiteral("Image_back"))->pixmap();
        const QImage art = pixmap.toImage();
        const qreal ratio = pixmap.devicePixelRatio();
        const QRect start = w->findChild<QWidget *>(QStringLiteral("Cmd_start"))->geometry();
        const QRect end = w->findChild<QWidget *>(QStringLiteral("Cmd_end"))->geometry();
        const QRect group = w->findChild<QWidget *>(QStringLiteral("Com_group"))->geometry();
        QVERIFY(edgeAlong(art, ratio, {start.left() - 1, start.center().y()}, {-1, 0}));
        QVERIFY(edgeAlong(art, ratio, {end.right() + 1, end.center().y()}, {1, 0}));
        QVERIFY(edgeAlong(art, ratio, {group.center().x(), group.top() - 1}, {0, -1}));
        QVERIFY(edgeAlong(art, ratio, {start.center().x(), start.bottom() + 1}, {0, 1}));
        QVERIFY(edgeAlong(art, ratio, {end.center().x(), end.bottom() + 1}, {0, 1}));
    }

private:
    // The window as the student reaches it, over a paper of ten choice questions.
    QWidget *show(const QString &window)
    {
        using namespace AnswerWindows;
        QWidget *w = nullptr;
        if (window == u"Frm_login")
            w = Forms<Frm_login>::show();
        else if (window == u"Frm_study")
            w = Forms<Frm_study>::show();
        else if (window == u"Frm_jdsf")
            w = Forms<Frm_jdsf>::show();
        else if (window == u"Frm_test")
            w = Forms<Frm_test>::show();
        else if (window == u"Frm_t_main")
            w = answer(testRun(1));
        else if (window == u"Frm_t_over")
            w = Forms<Frm_t_over>::show(testRun(1));
        else if (window == u"Frm_exer")
            w = answer(exerciseRun(QStringLiteral("01"), QStringLiteral("概述")));
        else
            w = Forms<Frm_excer_over>::show(exerciseRun(QStringLiteral("01"), QStringLiteral("概述")));
        QApplication::processEvents();
        return w;
    }
};

QTEST_MAIN(TestWindowLayouts)
#include "tst_window_layouts.moc"
