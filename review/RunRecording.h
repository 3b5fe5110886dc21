#pragma once

#include "record/FinishedRun.h"
#include "record/RecordStatus.h"

class QWidget;

// The end of every test, exercise and notebook practice: the finished run goes into the learning
// record. A record that cannot take it never holds the run up: the student is told once, over
// parent, why this run was not recorded (or that a damaged record was put aside), and goes on.
namespace RunRecording {
RecordStatus record(QWidget *parent, const FinishedRun &run);
}
