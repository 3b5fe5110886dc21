#pragma once

class QuestionBank;
class QWidget;

// The start screen's check of the bank just opened: every row the windows would read wrongly is
// named in one information box (RowCheck), then the program goes on with the good rows.
namespace BadRowsNotice {
void showIfAny(QWidget *parent, QuestionBank &bank);
}
