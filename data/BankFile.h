#pragma once

#include <QString>

// Where the question bank lives: dbase/c_qiyuan.db beside the executable, else the installed one.
namespace BankFile {
QString path();
void setPath(const QString &file); // test seam; an empty text restores the default
}
