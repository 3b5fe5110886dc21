#pragma once

#include <functional>

class QString;
class QWidget;

// The start screen's check of the bank just opened: every row the windows would read wrongly is
// named in one information box (RowCheck), then the program goes on with the good rows. On a big
// bank the check takes a while, so it runs on a thread of its own with a connection of its own,
// and the start screen answers meanwhile.
namespace BadRowsNotice {
// Checks the bank at path and, if it has bad rows, shows the box over parent; then calls done. A
// check that cannot read the bank shows nothing: the windows' own connection is open. Nothing is
// shown or called once parent is gone.
void showWhenChecked(QWidget *parent, const QString &path, const std::function<void()> &done);
}
