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
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    };

    // Shows a modal message box and returns the button pressed. An empty title means the
    // program's default title (setDefaultTitle). Without a default button, the box picks its own.
    static QMessageBox::StandardButton show(QWidget *parent, const QString &text, const QString &title,
                                            QMessageBox::StandardButtons buttons, QMessageBox::Icon icon,
                                            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    // The title of a message shown without one: the program's name.
    static void setDefaultTitle(const QString &title);

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
    static QString s_defaultTitle;
};
