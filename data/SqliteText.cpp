#include "data/SqliteText.h"

#include <QByteArrayView>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

namespace {

// A text value's bytes as stored (the bank is UTF-8), or nothing for any other value.
bool badText(sqlite3_value *value, const unsigned char *&bytes, int &size)
{
    if (sqlite3_value_type(value) != SQLITE_TEXT)
        return false;
    bytes = sqlite3_value_text(value);
    size = sqlite3_value_bytes(value);
    return !QByteArrayView(bytes, size).isValidUtf8();
}

void readableText(sqlite3_context *context, int, sqlite3_value **argv)
{
    const unsigned char *bytes = nullptr;
    int size = 0;
    if (badText(argv[0], bytes, size))
        sqlite3_result_blob(context, bytes, size, SQLITE_TRANSIENT);
    else
        sqlite3_result_value(context, argv[0]);
}

void textFault(sqlite3_context *context, int, sqlite3_value **argv)
{
    const unsigned char *bytes = nullptr;
    int size = 0;
    if (sqlite3_value_type(argv[0]) == SQLITE_BLOB)
        sqlite3_result_text(context, "blob", -1, SQLITE_STATIC);
    else if (badText(argv[0], bytes, size))
        sqlite3_result_text(context, "utf8", -1, SQLITE_STATIC);
    else
        sqlite3_result_null(context);
}

}

sqlite3 *SqliteText::handle(const QSqlDatabase &db)
{
    // The driver's handle, as Qt documents it for SQLite.
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(handle.constData());
}

bool SqliteText::install(sqlite3 *connection)
{
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    return sqlite3_create_function_v2(connection, "readable_text", 1, flags, nullptr, readableText, nullptr, nullptr, nullptr) == SQLITE_OK
        && sqlite3_create_function_v2(connection, "text_fault", 1, flags, nullptr, textFault, nullptr, nullptr, nullptr) == SQLITE_OK;
}
