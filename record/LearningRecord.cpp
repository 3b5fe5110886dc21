#include "record/LearningRecord.h"

#include "record/RecordError.h"
#include "record/RecordFile.h"
#include "record/RecordLocation.h"
#include "record/RunWriter.h"

RecordStatus LearningRecord::save(const FinishedRun &run)
{
    return recordRun(RecordLocation::file(), run);
}

RecordSummary LearningRecord::summary(const QString &openBankHash, QString &movedAside)
{
    return RecordReader::read(*RecordFile::openOrRenew(RecordLocation::file(), movedAside), openBankHash);
}

QSet<QString> LearningRecord::exercisedChapters()
{
    try {
        RecordFile file(RecordLocation::file());
        return RecordReader::exercisedChapters(file);
    } catch (const RecordError &) {
        return {};
    }
}

void LearningRecord::markStudied(const QString &chapter)
{
    try {
        RecordFile file(RecordLocation::file());
        RecordReader::markStudied(file, chapter);
    } catch (const RecordError &) {
    }
}
