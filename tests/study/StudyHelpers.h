#pragma once

#include "platform/RichTextBox.h"

#include <QListWidget>
#include <QPushButton>
#include <QtTest>

inline QListWidget *listOf(QWidget *form, const char *name)
{
    return form->findChild<QListWidget *>(QLatin1String(name));
}

inline QStringList entries(QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

// Clicks the entry as the student would.
inline void pick(QListWidget *list, int row)
{
    QListWidgetItem *item = list->item(row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

inline QString shownText(QWidget *form)
{
    return form->findChild<RichTextBox *>(QStringLiteral("Rtxt_content"))->toPlainText();
}

inline QPushButton *buttonOf(QWidget *form, const char *name)
{
    return form->findChild<QPushButton *>(QLatin1String(name));
}

// Study texts as the bank holds them: RTF in ASCII, Chinese as GBK escapes.
inline const QString kRtfIntegers = QStringLiteral("{\\rtf1\\ansi\\ansicpg936 \\'d5\\'fb\\'d0\\'cd int}"); // 整型 int
inline const QString kRtfPointers = QStringLiteral("{\\rtf1\\ansi\\ansicpg936 \\'d6\\'b8\\'d5\\'eb p}");  // 指针 p
