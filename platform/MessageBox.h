#pragma once

#include <QMessageBox>
#include <QString>
#include <optional>

class QWidget;

// Every modal message of the program goes through here, so that a test can answer it
// and see exactly what was asked.
class MessageBox
{
public:
    struct Asked
    {
        QString text;
        QString title;
        QMessageBox::StandardButtons buttons;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
    };

    // Shows a modal message box and returns the button pressed. An empty title means the
    // program's default title (the application name).
    static QMessageBox::StandardButton show(QWidget *parent, const QString &text, const QString &title,
                                            QMessageBox::StandardButtons buttons, QMessageBox::Icon icon);

    // Test seam: the next message is not shown but answered with this button.
    static void setNextAnswer(QMessageBox::StandardButton answer);
    // Test seam: what the last message asked (cleared by takeLastAsked).
    static std::optional<Asked> takeLastAsked();
    // Test seam: how many messages were asked since the last takeLastAsked.
    static int askedCount();

private:
    static std::optional<QMessageBox::StandardButton> s_nextAnswer;
    static std::optional<Asked> s_lastAsked;
    static int s_askedCount;
};
