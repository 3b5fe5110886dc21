#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// A C source without the blanks that do not matter: every blank and line break outside string and
// character literals goes, those inside them stay ("%d %c" is not "%d%c").
namespace CodeBlanks {

// The text without them; offsets, when given, receives the offset in text of each character kept.
QString squeezed(QStringView text, QList<qsizetype> *offsets = nullptr);

}
