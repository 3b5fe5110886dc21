#pragma once

#include <QString>

// Why the system refused a file operation, for a message: the common causes in Chinese, with the
// system's own words kept beside them ("磁盘已满（No space left on device）").
namespace SystemReason {
QString of(int error);
}
