#pragma once

#include "answer/AnsweringControls.h"

class QWidget;

// Sets up the test answering window Frm_t_main and builds its controls at their layout positions.
AnsweringControls layOutTestWindow(QWidget *window);
