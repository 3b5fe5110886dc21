#pragma once

#include "controls/Forms.h"
#include "controls/TextBox.h"
#include "paper/Paper.h"
#include "review/Frm_excer_over.h"
#include "review/Frm_t_over.h"
#include "state/Runs.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <functional>

// Papers as the loaders leave them, filled directly: the review windows only read them.
inline void fillChoices(Paper &paper, int count)
{
    for (int i = 1; i <= count; ++i) {
        // As a loaded paper says where its questions come from, so that the run can be recorded.
        paper.ch(i).bankTable = QStringLiteral("c_test");
        paper.ch(i).title = QStringLiteral("题目%1").arg(i);
        for (int k = 1; k <= 4; ++k)
            paper.ch(i).option(k) = QStringLiteral("[%1] 选项%2-%3").arg(QChar(u'A' + k - 1)).arg(i).arg(k);
        paper.ch(i).answer = QStringLiteral("B");
        paper.ch(i).explain = QStringLiteral("解析%1").arg(i);
    }
    paper.ch.count = count;
    paper.ch.current = 1;
}

inline void fillTasks(ProgramSection &section, int count, const QString &kind)
{
    for (int i = 1; i <= count; ++i) {
        section(i).bankTable = QStringLiteral("c_test");
        section(i).title = QStringLiteral("%1题目%2").arg(kind).arg(i);
        section(i).explain = QStringLiteral("%1解析%2").arg(kind).arg(i);
        section(i).answer = QStringLiteral("%1答案%2").arg(kind).arg(i);
        section(i).fileName = taskFileName(section.kind, i);
    }
    section.count = count;
    section.current = 1;
}

// The text the question box shows for question n of fillChoices under the given heading.
inline QString expectedQuestion(const QString &heading, int n)
{
    QString text = heading + QStringLiteral("题目%1\r\n").arg(n);
    for (int k = 1; k <= 4; ++k)
        text += QStringLiteral("   [%1] 选项%2-%3\r\n").arg(QChar(u'A' + k - 1)).arg(n).arg(k);
    return text;
}

inline TextBox *box(QWidget *form, const char *name)
{
    auto *found = form->findChild<TextBox *>(QLatin1String(name));
    if (!found)
        qFatal("no text box %s", name);
    return found;
}

inline QPushButton *button(QWidget *form, const char *name)
{
    auto *found = form->findChild<QPushButton *>(QLatin1String(name));
    if (!found)
        qFatal("no button %s", name);
    return found;
}

inline QLabel *square(QWidget *form, int index)
{
    return form->findChild<QLabel *>(QStringLiteral("Lab_tm(%1)").arg(index));
}

inline QColor background(QLabel *label)
{
    return label->palette().color(QPalette::Window);
}

inline bool bordered(QLabel *label)
{
    return label->frameShape() == QFrame::Box;
}

// Brings the button's tab to the front, as the student would, and clicks it.
inline void click(QWidget *form, const char *name)
{
    QPushButton *b = button(form, name);
    auto *tabs = form->findChild<QTabWidget *>(QStringLiteral("SSTab1"));
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->widget(i)->isAncestorOf(b))
            tabs->setCurrentIndex(i);
    QVERIFY(b->isVisible());
    QTest::mouseClick(b, Qt::LeftButton);
}

// Buttons as (next enabled, previous enabled).
inline std::pair<bool, bool> buttons(QWidget *form, const char *next, const char *pre)
{
    return {button(form, next)->isEnabled(), button(form, pre)->isEnabled()};
}

inline const QColor kDarkBlue(0, 0, 192);
inline const QColor kBlue(0, 0, 255);
inline const QColor kRed(255, 0, 0);

// The review of a test or of an exercise, on a paper `fill` fills, its work in folder.
inline QWidget *showReview(bool exercise, const std::function<void(Paper &)> &fill, const QString &folder = {},
                           int seconds = 0)
{
    if (exercise) {
        const auto run = std::make_shared<ExerciseRun>();
        run->exer_path = folder;
        run->seconds = seconds;
        fill(run->ExercisePaper);
        return Forms<Frm_excer_over>::show(run);
    }
    const auto run = std::make_shared<TestRun>();
    run->test_path = folder;
    run->test_clock = seconds;
    fill(run->TestPaper);
    return Forms<Frm_t_over>::show(run);
}
