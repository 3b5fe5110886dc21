#pragma once

#include "banktool/BankSource.h"

#include <QString>

// A programming task shows its student the example it is proven on: its input, its data file and
// what a right program prints, appended to the task's text in the bank.
namespace TaskSample {

// Whether the task has an example to show: an expected output.
bool hasExample(const ProgramTask &task);

// The title followed by a blank line, "【样例】", "输入：" and the input (when there is input),
// "数据文件 data_i1.dat：" and the data (when the task has a data file), "输出：" and the output.
// position: the task's place in its section from 1.
QString titleWithSample(const ProgramTask &task, int position);

}
