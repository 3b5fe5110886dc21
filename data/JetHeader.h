#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The header page of a Jet database file. It names the file's format and keeps the database
// password, masked; libmdb checks no password, so the Jet store reads it from here.
namespace JetHeader {

enum class Version { Jet3, Jet4, Other };

// Whether the file's first bytes are those of a Jet database (or of the engine's later format).
bool isJet(const QByteArray &start);
Version version(const QByteArray &page);
// The database password of a header page of the given version (empty when none is set); none
// when the header is too short or the password's place, or the date that masks it, is damaged.
std::optional<QString> password(const QByteArray &page, Version version);

}
