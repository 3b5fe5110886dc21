#include "banktool/Language.h"

#include <QByteArray>

bool chineseMessages()
{
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(name);
        if (!value.isEmpty())
            return value.startsWith("zh");
    }
    return false;
}
