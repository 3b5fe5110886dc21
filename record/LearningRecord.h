#pragma once

#include "record/FinishedRun.h"
#include "record/RecordReader.h"
#include "record/RecordStatus.h"

#include <QSet>
#include <QString>

// The learning record of the user running the program, in its place (RecordLocation), kept open
// between calls until a fault; so a fault mended between two runs is gone by the second.
namespace LearningRecord {
RecordStatus save(const FinishedRun &run);
// Throws RecordError when the record cannot be read; a damaged one is moved aside first, and
// movedAside says where.
RecordSummary summary(const QString &openBankHash, QString &movedAside);
// The chapters whose unit exercise was done; none when the record cannot be read.
QSet<QString> exercisedChapters();
// Notes that a chapter was studied. A record that cannot be written misses the note: no run is lost
// by that, so the student is not troubled with it.
void markStudied(const QString &chapter);
}
