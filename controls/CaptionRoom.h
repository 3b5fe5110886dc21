#pragma once

class QRect;
class QTabWidget;
class QWidget;

// The window layouts were drawn for smaller caption type and lower tab bars than Qt's, so a
// frame's caption or a tab bar can cover the first controls under it. make() moves them clear,
// keeping every control's size: the controls of one frame or page move down together, so that
// rows stay rows; a frame (or tab control) grows to hold what moved, and what lies below it in
// its own container moves down by as much.
namespace CaptionRoom {
void make(QWidget *window);

// Where the pages lie inside the tab control, in its own coordinates. QTabWidget lays its pages
// out only once shown, so the style is asked, as the tab control itself will ask it.
QRect pageRect(QTabWidget *tabs);
}
