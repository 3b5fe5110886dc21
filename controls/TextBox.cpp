#include "controls/TextBox.h"

TextBox::TextBox(QWidget *parent) : QPlainTextEdit(parent)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

QString TextBox::text() const
{
    if (document()->isModified()) {
        QString typed = toPlainText();
        return typed.replace(u'\n', QStringLiteral("\r\n"));
    }
    return m_text;
}

void TextBox::setText(const QString &text)
{
    m_text = text;
    QString shown = text;
    setPlainText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    document()->setModified(false);
}
