#pragma once

#include <QString>

// The text without the blanks (spaces) at either end. Unlike QString::trimmed() it leaves tabs
// and line breaks: an answer or a typed set name is trimmed of spaces only.
QString trimBlanks(const QString &text);
