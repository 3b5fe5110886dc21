#pragma once

#include <QString>

// Where an installed package keeps the question bank, found from the program's own folder
// (…/bin/zhiqiao → …/share/zhiqiao/dbase), so that an install unpacked or moved under another
// prefix finds its bank as well as one under /usr.
namespace InstalledBank {
QString folder(const QString &programFolder);
}
