#pragma once

#include "banktool/ProgramCheck.h"

#include <QByteArray>
#include <QMutex>
#include <QSet>
#include <QString>

// Proofs already made, so that a rebuild proves only what changed. The cache is a file in the build
// folder holding one hash per passed proof; the hash covers the proof's material (programs, cases,
// expected output), the compiler and its version, the flags and limits, and the proof code itself,
// so a change to any of them proves the program again. Failed proofs are never kept.
class ProofCache
{
public:
    // An empty file name gives a cache that holds nothing and saves nowhere.
    ProofCache(const QString &file, const ProgramCheck::Settings &settings);

    bool holds(const QByteArray &material) const;
    void add(const QByteArray &material);
    // Writes the file (whole or not at all). Returns an empty text on success, else what went wrong.
    QString save() const;

private:
    QByteArray hashOf(const QByteArray &material) const;

    QString m_file;
    QByteArray m_salt;
    mutable QMutex m_mutex;
    QSet<QByteArray> m_hashes;
};
