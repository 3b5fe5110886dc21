#pragma once

#include <QString>

class ClickLabel;

// The work folder label of an answering window: it shows the folder, and a click opens it in
// the file manager.
namespace WorkFolderLink {
// sizeToText: the label grows or shrinks to its text (the test window's label does).
void show(ClickLabel *label, const QString &folder, bool sizeToText);
void open(const QString &folder);
}
