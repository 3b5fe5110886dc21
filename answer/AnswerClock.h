#pragma once

#include <QString>

class QLabel;
class QTimer;

// The elapsed-time clock of an answering window: its one-second timer, and the label that shows
// the window's counter of seconds as hours:minutes:seconds. The counter lives in the shared
// state, where the window's timer handler adds one for each tick: a timer that missed its time
// while the program was busy fires once, not once per missed second, so the clock never races
// to catch up. The counter is a plain int: past 32767 seconds (9:06:07) it simply goes on.
class AnswerClock
{
public:
    // hourDigits: 2 for the test clock ("00:00:01"), 1 for the exercise clock ("0:00:01").
    AnswerClock(QTimer *timer, QLabel *label, int hourDigits);

    void start();
    void show(int seconds);

    static QString text(int seconds, int hourDigits);

private:
    QTimer *m_timer;
    QLabel *m_label;
    int m_hourDigits;
};
