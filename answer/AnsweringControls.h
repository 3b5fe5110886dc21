#pragma once

#include <array>

class ClickLabel;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimer;
class TextBox;

// The controls the two answering windows have in common, by role; each window's layout fills
// them with its own controls (Txt_ch_title or Txt_title, Op1 or Option1, ...).
struct AnsweringControls
{
    struct TaskTab
    {
        TextBox *text = nullptr;
        QPushButton *next = nullptr;
        QPushButton *previous = nullptr;
        QPushButton *editor = nullptr;   // "启动VC"
        QPushButton *check = nullptr;    // "检查程序"
        QLabel *file = nullptr;          // names the file the student edits: "pro_1.c"
        QLabel *recheck = nullptr;       // what the check of the tab's last saved file found: "pro_1.c：全部通过 (4/4)"
    };

    QTabWidget *tabs = nullptr;
    TextBox *title = nullptr;                     // the choice question on show
    std::array<QLineEdit *, 4> optionTexts{};     // ch_text(0..3)
    std::array<QRadioButton *, 4> options{};      // option buttons A..D
    std::array<ClickLabel *, 10> squares{};       // Lab_tm(0..9)
    QPushButton *next = nullptr;
    QPushButton *previous = nullptr;
    std::array<TaskTab, 3> tasks{};               // blank, err, pro
    ClickLabel *folder = nullptr;                 // the work folder label
    QPushButton *exit = nullptr;
    QLabel *time = nullptr;
    QTimer *timer = nullptr;
};
