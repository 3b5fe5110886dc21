#include "answer/AnswerClock.h"

#include <QLabel>
#include <QTimer>

AnswerClock::AnswerClock(QTimer *timer, QLabel *label, int hourDigits)
    : m_timer(timer), m_label(label), m_hourDigits(hourDigits)
{
}

void AnswerClock::start()
{
    m_timer->start();
}

void AnswerClock::show(int seconds)
{
    m_label->setText(text(seconds, m_hourDigits));
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
