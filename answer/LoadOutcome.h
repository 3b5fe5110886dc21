#pragma once

#include <QString>
#include <functional>

class QWidget;

// What became of an answering window's load, told to the student once the window is about to show:
// a bank or work-file failure (the window then does not show, its caller returns to the window
// before it) or a notice that the set held more questions than the window keeps.
class LoadOutcome
{
public:
    // Runs the load; a Failure (of the bank or of a work file) is kept for setVisible.
    void run(const std::function<void()> &load);
    void setNotice(const QString &notice) { m_notice = notice; }

    // The window's setVisible. When a window whose load failed is first shown, the student is told
    // why ("无法开始<activity>。") and goBack runs in place of the showing; otherwise the window
    // shows (through show, the base class's setVisible) and then the notice, if any, once.
    void setVisible(QWidget *window, bool visible, const QString &activity, const std::function<void(bool)> &show,
                    const std::function<void()> &goBack);

private:
    QString m_failure;
    QString m_notice;
};
