#pragma once

#include <QString>

class QLabel;
class QTimer;

// The elapsed-time clock of an answering window: every tick of its one-second timer adds one to
// the counter and shows it as hours:minutes:seconds. The counter lives in the shared state, so an
// exercise clock goes on from where the last exercise window left it.
class AnswerClock
{
public:
    // hourDigits: 2 for the test clock ("00:00:01"), 1 for the exercise clock ("0:00:01").
    AnswerClock(QTimer *timer, QLabel *label, int &counter, int hourDigits);

    void start();
    void tick();

    static QString text(int seconds, int hourDigits);

private:
    QTimer *m_timer;
    QLabel *m_label;
    int &m_counter;
    int m_hourDigits;
};
