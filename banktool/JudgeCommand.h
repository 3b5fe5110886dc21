#pragma once

#include <QStringList>

// bankc judge [--bank FILE] [--json] TABLE:ID FILE...: judges students' files on a task of a bank
// exactly as "检查程序" does, two or more at a time, and prints one verdict per file in the order
// given: "FILE: 全部通过 (4/4)", or with --json one object per line. Returns 0 when every file
// passes, 1 when one does not, 2 when the command cannot be carried out.
int judgeCommand(const QStringList &arguments);
