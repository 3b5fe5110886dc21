#include "platform/MessageBox.h"

#include <QApplication>

std::optional<QMessageBox::StandardButton> MessageBox::s_nextAnswer;
std::optional<MessageBox::Asked> MessageBox::s_lastAsked;
int MessageBox::s_askedCount = 0;

QMessageBox::StandardButton MessageBox::show(QWidget *parent, const QString &text, const QString &title,
                                             QMessageBox::StandardButtons buttons, QMessageBox::Icon icon)
{
    s_lastAsked = Asked{text, title, buttons, icon};
    ++s_askedCount;
    if (s_nextAnswer) {
        const auto answer = *s_nextAnswer;
        s_nextAnswer.reset();
        return answer;
    }
    QMessageBox box(icon, title.isEmpty() ? QApplication::applicationName() : title, text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void MessageBox::setNextAnswer(QMessageBox::StandardButton answer)
{
    s_nextAnswer = answer;
}

std::optional<MessageBox::Asked> MessageBox::takeLastAsked()
{
    auto asked = s_lastAsked;
    s_lastAsked.reset();
    s_askedCount = 0;
    return asked;
}

int MessageBox::askedCount()
{
    return s_askedCount;
}
