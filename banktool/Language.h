#pragma once

#include <QString>
#include <QStringView>

// The bank tool speaks Chinese to its users, and English where the system language is not
// Chinese. The language is read from LC_ALL, LC_MESSAGES and LANG (the first one set wins) each
// time, so a test can choose it.
bool chineseMessages();

// The message in the user's language.
inline QString localized(QStringView chinese, QStringView english)
{
    return (chineseMessages() ? chinese : english).toString();
}
