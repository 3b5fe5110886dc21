#pragma once

#include <QString>
#include <QStringList>

// Turns the question bank of an older installation (a Jet .mdb file) into YAML sources in the
// layout of bank/: chapters with their RTF study texts as they stand (study_rtf), test sets,
// unit exercises and algorithms (content_rtf), data files included. Every question is marked
// `legacy: true`: its texts are kept exactly, and it is not proven.
//
// What the sources cannot express is left out and listed as "table:id: reason"; nothing is
// guessed. Building the sources gives a bank whose rows equal the old bank's, except for the
// numeric keys: they are numbered anew in the same order.
namespace BankImport {

struct Result
{
    QString failure;     // empty when the sources were written
    QStringList leftOut; // "table:id: reason"
};

// folder must not hold bank sources yet.
Result run(const QString &mdbFile, const QString &folder);

}
