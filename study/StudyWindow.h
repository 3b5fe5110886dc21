#pragma once

#include "data/Record.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <functional>

class BankError;
class QListWidget;
class QPushButton;
class WindowKeys;
class QWidget;
class RichTextBox;

// What the two reading windows (chapter study, classic algorithms) have in common: a list of
// "id title" entries filled from the bank and a rich-text box showing the chosen entry's content.
namespace StudyWindow {
QListWidget *listBox(QWidget *parent, const QString &name, QRect twips);
RichTextBox *richTextBox(QWidget *parent, const QString &name, QRect twips);

// Fills the list with one "id title" entry per row, in the bank's order, leaving out the rows that
// no entry could open (RowRules::listed). With no rows the list keeps what it had; a bank
// failure is reported and leaves the list as it was.
void fill(QWidget *form, QListWidget *list, const std::function<RecordSet()> &query);
// The text of the selected entry, empty when nothing is selected.
QString currentText(const QListWidget *list);
// The keys both windows share: ↑ and ↓ move through the list, showing the entry as a click does,
// wherever the focus is but in the text, which they scroll; Esc leaves as the exit button does. The
// list has the first focus.
WindowKeys *bindKeys(QWidget *form, QListWidget *list, RichTextBox *text, QPushButton *exit);
// A message naming what went wrong with the bank; the window stays as it is.
void reportBankError(QWidget *form, const BankError &error);
}
