#pragma once

#include "record/FinishedRun.h"
#include "record/Notebook.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

class RecordFile;

// What the learning record window shows, read at once.
struct RecordSummary
{
    struct Run
    {
        RunKind kind = RunKind::Test;
        QString subject;
        QString title;
        QDateTime started; // in UTC: ten thousand conversions to local time are a third of a second
        int seconds = 0;
        int score = 0;
    };
    struct Best
    {
        QString title; // the set's name at its latest run
        int score = 0;
        int runs = 0;
    };
    struct Chapter
    {
        bool studied = false;
        int exercises = 0; // runs of its unit exercise
        int best = 0;
    };

    QList<Run> runs;                 // the oldest first
    QHash<QString, Best> sets;       // by test set number
    QHash<QString, Chapter> chapters; // by chapter id, only those studied or practised
    QList<Notebook::Entry> notebook;
};

namespace RecordReader {
RecordSummary read(RecordFile &file, const QString &openBankHash);
// The chapters whose unit exercise was done at least once.
QSet<QString> exercisedChapters(RecordFile &file);
// Notes that the chapter's study text was read now.
void markStudied(RecordFile &file, const QString &chapter);
}
