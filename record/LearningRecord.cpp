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
    try {
        return RecordReader::read(RecordFile::kept(RecordLocation::file(), movedAside), openBankHash);
    } catch (const RecordError &) {
        RecordFile::drop();
        throw;
    }
}

QSet<QString> LearningRecord::exercisedChapters()
{
    try {
        QString movedAside;
        return RecordReader::exercisedChapters(RecordFile::kept(RecordLocation::file(), movedAside));
    } catch (const RecordError &) {
        RecordFile::drop();
        return {};
    }
}

void LearningRecord::markStudied(const QString &chapter)
{
    try {
        QString movedAside;
        RecordReader::markStudied(RecordFile::kept(RecordLocation::file(), movedAside), chapter);
    } catch (const RecordError &) {
        RecordFile::drop();
    }
}
