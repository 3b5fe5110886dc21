#pragma once

#include <QString>

class TestBank;

// Jet 4 copies of a test's bank, written by jetwriter.py beside it. Every copy is checked with
// mdb-export (mdbtools) before a test reads it, so the writer is checked by a reader we did not
// write. (mdb-export cuts texts at 200000 bytes: keep the banks' texts below that.)
struct JetOptions
{
    QString password = QStringLiteral("583926");
    bool compress = false;     // texts in Jet 4's compressed form wherever that is shorter
    QString deletedRowIn;      // a table given a deleted copy of its first row
    QString overflowRowIn;     // a table whose last row is moved to an overflow page
};

// The copy's path (c_qiyuan.mdb beside the bank). A copy that mdb-export does not read back as
// the bank's rows ends the test program.
QString writeJetCopy(const TestBank &bank, const JetOptions &options = {});

// A file holding only the header page of a Jet 3 database with the given password.
void writeJet3Header(const QString &path, const QString &password);

// The writer's pages are 4096 bytes; the catalog's definition is page 2, each table's follows in
// the order of the bank's tables. Tests damage a copy byte by byte from there.
constexpr int kJetPage = 4096;
int jetDefinitionPage(const QString &table);
