#include "platform/MessageBox.h"

std::optional<QMessageBox::StandardButton> MessageBox::s_nextAnswer;
std::optional<MessageBox::Asked> MessageBox::s_lastAsked;
int MessageBox::s_askedCount = 0;
QString MessageBox::s_defaultTitle;

QMessageBox::StandardButton MessageBox::show(QWidget *parent, const QString &text, const QString &title,
                                             QMessageBox::StandardButtons buttons, QMessageBox::Icon icon,
                                             QMessageBox::StandardButton defaultButton)
{
    s_lastAsked = Asked{text, title, buttons, icon, defaultButton};
    ++s_askedCount;
    if (s_nextAnswer) {
        const auto answer = *s_nextAnswer;
        s_nextAnswer.reset();
        return answer;
    }
    QMessageBox box(icon, title.isEmpty() ? s_defaultTitle : title, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void MessageBox::setDefaultTitle(const QString &title)
{
    s_defaultTitle = title;
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
