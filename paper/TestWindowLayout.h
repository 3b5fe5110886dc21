#pragma once

#include "paper/AnsweringControls.h"

class QWidget;

// Builds the controls of the test answering window Frm_t_main on it, at their layout positions.
AnsweringControls layOutTestWindow(QWidget *window);
