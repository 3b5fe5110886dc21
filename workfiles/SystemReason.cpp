#include "workfiles/SystemReason.h"

#include <cerrno>

namespace SystemReason {

QString of(int error)
{
    QString cause;
    switch (error) {
    case ENOSPC: cause = QStringLiteral("磁盘已满"); break;
#ifdef EDQUOT
    case EDQUOT: cause = QStringLiteral("磁盘配额已用完"); break;
#endif
    case EROFS: cause = QStringLiteral("磁盘是只读的"); break;
    case EACCES:
    case EPERM: cause = QStringLiteral("没有权限"); break;
    case EIO: cause = QStringLiteral("磁盘读写出错"); break;
    default: return qt_error_string(error);
    }
    return QStringLiteral("%1（%2）").arg(cause, qt_error_string(error));
}

}
