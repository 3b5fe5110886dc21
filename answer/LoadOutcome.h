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
    // Runs the load; a BankError or WorkFileError is kept for failedOnShow.
    void run(const std::function<void()> &load);
    void setNotice(const QString &notice) { m_notice = notice; }

    // True when the load failed: the cause is then shown ("无法开始<activity>。"), and the window
    // must not show.
    bool reportFailure(const QString &activity) const;
    // Shows the notice, if any, over the window; only the first time.
    void tellNotice(QWidget *window);

private:
    QString m_failure;
    QString m_notice;
};
