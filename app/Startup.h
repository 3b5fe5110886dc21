#pragma once

class QApplication;

// What the application needs before its first window: its name, Qt's Chinese translation for the
// standard buttons (是 / 否 / 确定), and the fonts of the windows mapped to installed equivalents.
namespace Startup {
void prepare(QApplication &app);
}
