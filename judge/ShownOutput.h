#pragma once

#include <QString>

// A program's output as the result window shows it: every character visible, no line too long.
namespace ShownOutput {

// Characters shown by this many of a line at most; the rest is counted.
constexpr qsizetype kMaxLineLength = 200;

// The line with its control characters made visible as C escapes (NUL as \0, BEL as \a, a CR inside
// a line as \r, ESC as \033, ...) and cut after kMaxLineLength characters with a note of how many
// more it has. Tabs stay.
QString line(const QString &line);

}
