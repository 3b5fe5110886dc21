#pragma once

#include "data/QuestionBank.h"
#include "paper/Paper.h"

#include <QDateTime>
#include <QString>
#include <memory>

// One practice test from the set chosen to the review left: built and loaded by the set window
// before the answering window exists, answered there and reviewed after.
struct TestRun
{
    int group = 0;          // the test set, 1..5
    QString test_path;      // its work folder
    Paper TestPaper{3};
    int test_clock = 0;     // seconds answered
    QDateTime started;
    QString notice;         // told once, when the answering window shows; empty when nothing is

    // The set's folder made ready and emptied, its paper read and its task files written.
    // Throws the Failure (of the bank or of a work file) that stops it.
    static std::shared_ptr<TestRun> start(QuestionBank &bank, int group);
};

// One unit exercise of a chapter, built and loaded by the study window; or a practice of the
// wrong-answer notebook's questions, built by the learning record's window, answered and
// reviewed in the same windows.
struct ExerciseRun
{
    bool fromNotebook = false; // a notebook practice: no chapter, and its end leads to the start screen
    QString chapterId;      // the chapter's two-character key; empty for a notebook practice
    QString chapterTitle;   // for a notebook practice, what it asks: "错题本中的7题"
    QString exer_path;      // its work folder
    Paper ExercisePaper{5};
    int seconds = 0;        // answered in this exercise (the window's clock shows every exercise's)
    QDateTime started;
    QString notice;

    // The exercise folder made ready and emptied; a WorkFileError when it cannot be.
    static QString readyFolder();
    // The chapter's paper read into the ready folder. Throws the Failure that stops it.
    static std::shared_ptr<ExerciseRun> start(QuestionBank &bank, const QString &chapterId,
                                              const QString &chapterTitle, const QString &folder);
    // The picked questions read into the ready folder; a BankError when the bank holds none of them.
    static std::shared_ptr<ExerciseRun> startPractice(QuestionBank &bank, const QuestionPick &pick,
                                                      const QString &folder);
};
