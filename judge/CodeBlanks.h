#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// A C source without the blanks that do not matter. Blanks and line breaks between tokens go; one
// space stays where it keeps two tokens apart ("int a", "a - -b", "#define MAX (a)"), and every
// blank inside a string or character literal stays ("%d %c" is not "%d%c"). Blanks beside a
// fill-in mark ___k___ go as well.
namespace CodeBlanks {

// The text without them; offsets, when given, receives the offset in text of each character kept.
QString squeezed(QStringView text, QList<qsizetype> *offsets = nullptr);

}
