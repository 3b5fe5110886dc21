#pragma once

#include "answer/AnsweringControls.h"

class QWidget;

// Sets up the unit exercise window Frm_exer and builds its controls at their layout positions.
AnsweringControls layOutExerciseWindow(QWidget *window);
