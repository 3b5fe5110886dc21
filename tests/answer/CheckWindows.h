#pragma once

#include "answer/AnswerWindows.h"
#include "support/TestBank.h"

#include <QDialog>
#include <QPlainTextEdit>

// What the tests of "检查程序" share: a bank whose tasks carry cases, task files written as the
// student saves them, and the result window read back.
namespace CheckWindows {

constexpr int kCheckMs = 60000; // a check on a loaded machine; never reached when all is well

// Sum of two numbers read from standard input: the example and two hidden cases.
inline void addSumCases(TestBank &bank, const QString &table, int task)
{
    bank.addCase(table, task, 1, {{"input", "3 4\n"}, {"output", "7\n"}});
    bank.addCase(table, task, 2, {{"input", "-8 3\n"}, {"output", "-5\n"}, {"hidden", 1}, {"about", "有负数"}});
    bank.addCase(table, task, 3, {{"input", "0 0\n"}, {"output", "0\n"}, {"hidden", 1}});
}

// A task of the kind ("3" correction, "4" programming) in test set 1 with the sum's cases; its id.
inline int addSumTest(TestBank &bank, const QString &kind = QStringLiteral("4"),
                      const QString &content = QStringLiteral("/* 求和 */"))
{
    const int task = bank.nextId();
    bank.addTest(kind, 1, {{"title", "求和"}, {"content", content}});
    addSumCases(bank, QStringLiteral("c_test"), task);
    return task;
}

inline const QByteArray kRightSum = "#include <stdio.h>\r\nint main(void)\r\n{\r\n    int a, b;\r\n"
                                    "    scanf(\"%d %d\", &a, &b);\r\n    printf(\"%d\\n\", a + b);\r\n    return 0;\r\n}\r\n";
// Prints the example's expected output whatever it reads.
inline const QByteArray kExampleOnly = "#include <stdio.h>\nint main(void)\n{\n    printf(\"7\\n\");\n    return 0;\n}\n";

inline void save(const QString &folder, const QString &name, const QByteArray &bytes)
{
    QVERIFY(AnswerWindows::writeFile(QDir(folder).filePath(name), bytes));
}

// The window's result window, once it shows; null when none is open.
inline QDialog *resultWindow(QWidget *window)
{
    auto *result = window->findChild<QDialog *>(QStringLiteral("Frm_check"));
    return result && result->isVisible() ? result : nullptr;
}

inline QString headline(QWidget *window)
{
    return AnswerWindows::text(resultWindow(window), QStringLiteral("Lab_verdict"));
}

inline QString account(QWidget *window)
{
    return AnswerWindows::control<QPlainTextEdit>(resultWindow(window), QStringLiteral("Txt_result"))->toPlainText();
}

}
