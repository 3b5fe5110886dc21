#include "answer/AnswerClock.h"

#include <QLabel>
#include <QTimer>

AnswerClock::AnswerClock(QTimer *timer, QLabel *label, int &counter, int hourDigits)
    : m_timer(timer), m_label(label), m_counter(counter), m_hourDigits(hourDigits)
{
}

void AnswerClock::start()
{
    m_timer->start();
}

// One tick is one second. A timer that missed its time while the program was busy fires once,
// not once per missed second, so the clock never races to catch up.
void AnswerClock::tick()
{
    // The counter is a plain int: past 32767 seconds (9:06:07) it simply goes on.
    ++m_counter;
    m_label->setText(text(m_counter, m_hourDigits));
    m_label->resize(m_label->size().expandedTo(m_label->sizeHint()));
}

QString AnswerClock::text(int seconds, int hourDigits)
{
    const int h = seconds / 3600;
    const int m = (seconds - 3600 * h) / 60;
    const int s = seconds - 3600 * h - 60 * m;
    return QStringLiteral("%1:%2:%3")
        .arg(h, hourDigits, 10, QLatin1Char('0'))
        .arg(m, 2, 10, QLatin1Char('0'))
        .arg(s, 2, 10, QLatin1Char('0'));
}
