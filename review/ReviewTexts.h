#pragma once

#include <QString>

struct ChoiceQuestion;
struct Score;

// The texts both review windows show: choice lines, headings and the correct-answer line.
// Line breaks are CR LF, as the text boxes keep them.
namespace ReviewTexts {
inline const QString crlf = QStringLiteral("\r\n");

// "你选择的答案为【A】".."【D】" for a choice of 1..4; any other value means not answered.
QString choiceLine(int chosen);

QString choiceHeading(int n);                  // "【第n题】："
QString taskHeading(int n);                    // "【n】"
QString spacedTaskHeading(int n);              // "【n】 ", the error-correction heading after paging
QString testHeading(int group);                // "题组号：【group】"
QString unitHeading(const QString &chapter);   // "单元练习：【chapter】"
QString practiceHeading(const QString &asked); // "错题练习：【asked】"

// The question box: heading, title and line break, then each option indented by three spaces.
QString questionText(const QString &heading, const ChoiceQuestion &question);
// The explanation box: choice line, " 正确答案：【answer】;", the explanation, each ending a line.
QString explainText(const QString &chosenLine, const QString &answer, const QString &explain);

// "选择题 7/10 · 填空 2/3 · 改错 1/3 · 编程 1/3 · 得分 66 · 用时 12:03", and while the end's checks
// run, " · 正在检查 2/5".
QString summary(const Score &score, int seconds, int checksDone = 0, int checks = 0);
}
