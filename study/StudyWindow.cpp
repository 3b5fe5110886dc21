#include "study/StudyWindow.h"

#include "controls/Controls.h"
#include "controls/Twips.h"
#include "controls/WindowKeys.h"
#include "data/BankError.h"
#include "data/RowRules.h"
#include "platform/MessageBox.h"
#include "platform/RichTextBox.h"

#include <QListWidget>
#include <QPushButton>

namespace {
QRect toPixels(QRect t)
{
    return twipsRect(t.x(), t.y(), t.width(), t.height());
}

// One entry up or down; with none selected yet, either key selects the first.
void step(QListWidget *list, int by)
{
    if (list->count() == 0)
        return;
    const int row = list->selectedItems().isEmpty() ? 0 : std::clamp(list->currentRow() + by, 0, list->count() - 1);
    list->setCurrentRow(row);
}
}

QListWidget *StudyWindow::listBox(QWidget *parent, const QString &name, QRect twips)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(name);
    list->setGeometry(toPixels(twips));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

RichTextBox *StudyWindow::richTextBox(QWidget *parent, const QString &name, QRect twips)
{
    auto *box = new RichTextBox(parent);
    box->setObjectName(name);
    box->setGeometry(toPixels(twips));
    return box;
}

void StudyWindow::fill(QWidget *form, QListWidget *list, const std::function<RecordSet()> &query)
{
    QStringList entries;
    try {
        const RecordSet rows = query();
        for (const Record &row : rows) {
            if (RowRules::listed(row))
                entries << row.text(QStringLiteral("id")) + u' ' + row.text(QStringLiteral("title"));
        }
    } catch (const BankError &error) {
        reportBankError(form, error);
        return;
    }
    if (entries.isEmpty())
        return;
    list->clear();
    list->addItems(entries);
}

QString StudyWindow::currentText(const QListWidget *list)
{
    const QList<QListWidgetItem *> selected = list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

WindowKeys *StudyWindow::bindKeys(QWidget *form, QListWidget *list, RichTextBox *text, QPushButton *exit)
{
    auto *keys = new WindowKeys(form);
    const QKeyCombination up(Qt::Key_Up), down(Qt::Key_Down);
    keys->run({up}, [list] { step(list, -1); });
    keys->run({down}, [list] { step(list, 1); });
    keys->leaveTo(text, {up, down});
    keys->press({QKeyCombination(Qt::Key_Escape)}, {exit});
    list->setFocus();
    return keys;
}

void StudyWindow::reportBankError(QWidget *form, const BankError &error)
{
    MessageBox::show(form, QStringLiteral("题库读取出错：%1").arg(error.message()), QStringLiteral("信息提示"),
                     QMessageBox::Ok, QMessageBox::Warning);
}
