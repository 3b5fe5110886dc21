#pragma once

#include <QString>

// Where the learning record lives: the user's data folder, never beside the bank.
namespace RecordLocation {
// The folder, ~/.local/share/zhiqiao on Linux.
QString folder();
// The record file in it.
QString file();
// Test seam: the record lives in this folder instead; an empty text restores the user's.
void setFolder(const QString &folder);
}
