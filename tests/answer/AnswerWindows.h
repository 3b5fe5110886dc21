#pragma once

#include "answer/Frm_exer.h"
#include "answer/Frm_t_main.h"
#include "app/OpenBank.h"
#include "controls/Forms.h"
#include "review/Frm_excer_over.h"
#include "review/Frm_t_over.h"
#include "state/ExerciseClock.h"
#include "state/RunWindows.h"
#include "study/Frm_study.h"
#include "workfiles/WorkFolders.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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

inline bool shown(QWidget *w)
{
    return w && w->isVisible();
}

inline QString text(QWidget *window, const QString &name)
{
    return control<QWidget>(window, name)->property("text").toString();
}

// A test on the set, loaded from the open bank as the set choice window loads it.
inline std::shared_ptr<TestRun> testRun(int group = 1)
{
    return TestRun::start(*OpenBank::conn, group);
}

// The exercise of a chapter, loaded as the study window loads it.
inline std::shared_ptr<ExerciseRun> exerciseRun(const QString &chapter = QStringLiteral("03"),
                                                 const QString &title = QStringLiteral("顺序结构"))
{
    return ExerciseRun::start(*OpenBank::conn, chapter, title, ExerciseRun::readyFolder());
}

// The run handed to its answering window, as the window before it does; returns that window.
inline QWidget *answer(const std::shared_ptr<TestRun> &run)
{
    RunWindows::answer(run);
    return Forms<Frm_t_main>::loaded();
}

// The exercise is answered with the study window hidden behind it, as its exercise button leaves it.
inline QWidget *answer(const std::shared_ptr<ExerciseRun> &run)
{
    Forms<Frm_study>::show()->hide();
    RunWindows::answer(run);
    return Forms<Frm_exer>::loaded();
}

inline QWidget *startTest(int group = 1)
{
    return answer(testRun(group));
}

inline QWidget *startExercise()
{
    return answer(exerciseRun());
}

// The run of the test being answered or reviewed.
inline const TestRun &shownTest()
{
    if (Frm_t_main *w = Forms<Frm_t_main>::loaded())
        return w->run();
    if (Frm_t_over *w = Forms<Frm_t_over>::loaded())
        return w->run();
    qFatal("no test is answered or reviewed");
}

inline const ExerciseRun &shownExercise()
{
    if (Frm_exer *w = Forms<Frm_exer>::loaded())
        return w->run();
    if (Frm_excer_over *w = Forms<Frm_excer_over>::loaded())
        return w->run();
    qFatal("no exercise is answered or reviewed");
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

// The squares carrying a frame, as question numbers.
inline QList<int> framedSquares(QWidget *window)
{
    QList<int> numbers;
    for (int k = 0; k < 10; ++k)
        if (control<QLabel>(window, QStringLiteral("Lab_tm(%1)").arg(k))->frameShape() == QFrame::Box)
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

// Writes the file, making its folder; false when it cannot be written.
inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
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
