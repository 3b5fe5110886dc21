#pragma once

#include "paper/AnsweringControls.h"

class QWidget;

// Builds the controls of the unit exercise window Frm_exer on it, at their layout positions.
AnsweringControls layOutExerciseWindow(QWidget *window);
