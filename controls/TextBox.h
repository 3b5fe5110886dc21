#pragma once

#include <QPlainTextEdit>

// A multi-line text box whose text property keeps exactly what was set, CR LF line breaks
// included (the display shows them as plain line breaks). Read with text(), write with setText().
class TextBox : public QPlainTextEdit
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
public:
    explicit TextBox(QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);

private:
    QString m_text;
};
