#pragma once

#include <functional>

// The windows by name. A window that leads to another names it here, and the program's start
// (app/WindowClasses) tells which class stands behind each name: so no window includes another
// window's header, and every folder of windows builds only on the folders below it.
// The windows of a test or exercise are handed their run instead (state/RunWindows).
enum class Window { Frm_login, Frm_study, Frm_jdsf, Frm_test, Frm_record };

namespace Navigation {
// Loads the window if it is not loaded and makes it visible (Forms<T>::show()).
void show(Window window);
// How a named window is shown; set once at start-up.
void setShow(std::function<void(Window)> show);
}
