#pragma once

#include "answer/Frm_exer.h"
#include "answer/Frm_t_main.h"
#include "controls/Forms.h"
#include "state/Module1.h"
#include "study/Frm_study.h"
#include "workfiles/WorkFolders.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

// What the answering tests share: finding a window's controls by name, clicking them as a student
// would, and an editor on PATH so that editor launches can be seen.
namespace AnswerWindows {

// A control of the window by its name; a missing control ends the test run loudly.
template <class T = QWidget>
T *control(QWidget *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    if (!found)
        qFatal("%s has no control %s", qPrintable(window->objectName()), qPrintable(name));
    return found;
}

inline QString text(QWidget *window, const QString &name)
{
    return control<QWidget>(window, name)->property("text").toString();
}

// Starts a test on the set as the set choice window does, and returns the answering window.
inline QWidget *startTest(int group = 1)
{
    Module1::group_no = group;
    Module1::test_path = WorkFolders::ready(WorkKind::Test);
    return Forms<Frm_t_main>::show();
}

// Starts the exercise of chapter 03 from the hidden study window, as its exercise button does.
inline QWidget *startExercise()
{
    Module1::chapter_id = QStringLiteral("03");
    Module1::chapter_title = QStringLiteral("顺序结构");
    Forms<Frm_study>::show()->hide();
    return Forms<Frm_exer>::show();
}

// Brings the control's tab to the front first, as the student has to.
inline void click(QWidget *window, const QString &name)
{
    QWidget *target = control<QWidget>(window, name);
    for (QWidget *w = target; w && w != window; w = w->parentWidget())
        if (auto *tabs = qobject_cast<QTabWidget *>(w->parentWidget() ? w->parentWidget()->parentWidget() : nullptr))
            tabs->setCurrentWidget(w);
    if (qobject_cast<QRadioButton *>(target))
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(6, target->height() / 2));
    else
        QTest::mouseClick(target, Qt::LeftButton);
}

// One second of the window's clock, delivered as its timer would, without waiting for it.
inline void tick(QWidget *window)
{
    auto *timer = control<QTimer>(window, QStringLiteral("Timer1"));
    QVERIFY(timer->isActive());
    QTimerEvent event(timer->timerId());
    QCoreApplication::sendEvent(timer, &event);
}

inline bool enabled(QWidget *window, const QString &name)
{
    return control<QWidget>(window, name)->isEnabled();
}

inline bool framed(QWidget *window, int square)
{
    return control<QLabel>(window, QStringLiteral("Lab_tm(%1)").arg(square))->frameShape() == QFrame::Box;
}

// The squares carrying a frame, as question numbers.
inline QList<int> framedSquares(QWidget *window)
{
    QList<int> numbers;
    for (int k = 0; k < 10; ++k)
        if (framed(window, k))
            numbers << k + 1;
    return numbers;
}

// The squares shown red, as question numbers.
inline QList<int> redSquares(QWidget *window)
{
    QList<int> numbers;
    for (int k = 0; k < 10; ++k)
        if (control<QLabel>(window, QStringLiteral("Lab_tm(%1)").arg(k))->palette().color(QPalette::Window) == QColor(255, 0, 0))
            numbers << k + 1;
    return numbers;
}

// The selected option button's index, -1 when none is selected.
inline int selectedOption(QWidget *window, const char *array)
{
    int selected = -1;
    for (int k = 0; k < 4; ++k)
        if (control<QRadioButton>(window, QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(k))->isChecked()) {
            if (selected >= 0)
                return -2;
            selected = k;
        }
    return selected;
}

inline QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

// A stand-in C editor on PATH for the test's lifetime, so the editor launch has a program to start.
class FakeEditor
{
public:
    FakeEditor()
    {
        m_path = m_dir.filePath(QStringLiteral("geany"));
        QFile f(m_path);
        f.open(QIODevice::WriteOnly);
        f.write("#!/bin/sh\n");
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_oldPath = qgetenv("PATH");
        qputenv("PATH", m_dir.path().toLocal8Bit() + ':' + m_oldPath);
    }
    ~FakeEditor() { qputenv("PATH", m_oldPath); }
    QString program() const { return m_path; }

private:
    QTemporaryDir m_dir;
    QString m_path;
    QByteArray m_oldPath;
};

}
